#include "ChannelTableFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>

#include "ChannelNames.h"
#include "ChannelTable.h"
#include "DocumentFiles.h"
#include "FormView.h"
#include "Prompts.h"
#include "Texts.h"
#include "WriteValidation.h"

namespace rk {

namespace {

// A message box lists this many problems and counts the rest.
constexpr int kListedProblems = 15;
const QString kSuffix = QStringLiteral("csv");

const char* Reason(const TableReasonTexts& texts, TableProblemKind kind) {
    switch (kind) {
    case TableProblemKind::MissingColumn: return texts.missingColumn;
    case TableProblemKind::UnclosedQuote: return texts.unclosedQuote;
    case TableProblemKind::Required: return texts.required;
    case TableProblemKind::NotANumber: return texts.notANumber;
    case TableProblemKind::LocationOutOfRange: return texts.locationOutOfRange;
    case TableProblemKind::DuplicateLocation: return texts.duplicateLocation;
    case TableProblemKind::FrequencyOutOfRange: return texts.frequencyOutOfRange;
    case TableProblemKind::UnknownDuplex: return texts.unknownDuplex;
    case TableProblemKind::UnknownToneMode: return texts.unknownToneMode;
    case TableProblemKind::UnknownCrossMode: return texts.unknownCrossMode;
    case TableProblemKind::ToneNotInTable: return texts.toneNotInTable;
    case TableProblemKind::DcsNotInTable: return texts.dcsNotInTable;
    case TableProblemKind::UnknownPolarity: return texts.unknownPolarity;
    case TableProblemKind::UnknownMode: return texts.unknownMode;
    case TableProblemKind::UnknownPower: return texts.unknownPower;
    case TableProblemKind::SquelchOutOfRange: return texts.squelchOutOfRange;
    case TableProblemKind::DelayOutOfRange: return texts.delayOutOfRange;
    case TableProblemKind::NotYesOrNo: return texts.notYesOrNo;
    case TableProblemKind::ScanGroupFull: return texts.scanGroupFull;
    }
    return texts.notANumber;
}

}  // namespace

ChannelTableFiles::ChannelTableFiles(const ModelProfile& profile, DocumentFiles& files, FormView& view, QObject* parent)
    : QObject(parent), m_profile(profile), m_files(files), m_view(view) {}

bool ChannelTableFiles::Export() {
    const auto& texts = m_profile.channelTable;
    const QString current = m_files.FilePath();
    const QString suggested = current.isEmpty()
                                  ? QDir(m_files.StartFolder()).filePath(Tr(m_profile.documentType.newFileName) + QLatin1Char('.') + kSuffix)
                                  : QFileInfo(current).dir().filePath(QFileInfo(current).completeBaseName() + QLatin1Char('.') + kSuffix);
    QString path = Prompts::Current().AskSaveFileName(suggested, Tr(texts.filter));
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + kSuffix;

    const auto table =
        ExportChannelTable(m_files.Document().Image(), m_profile.rules.validation.greatestSplit, ExportRows::Configured);
    // Replaces an old file only when the new one is complete.
    QSaveFile file(path);
    const auto size = static_cast<qint64>(table.text.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(table.text.data(), size) != size || !file.commit()) {
        file.cancelWriting();
        Prompts::Current().ShowMessage(Tr(m_profile.shell.cannotWriteFile).arg(QDir::toNativeSeparators(path)));
        return false;
    }
    if (!table.unlistedCodes.empty()) {
        QStringList channels;
        for (const int c : table.unlistedCodes) channels << ChannelName(m_profile, c);
        Prompts::Current().ShowMessage(Tr(texts.unlistedCodes).arg(channels.join(QStringLiteral(", "))));
    }
    const auto rows = std::count(table.text.begin(), table.text.end(), '\n') - 1;
    emit Summary(Tr(texts.exportSummary).arg(rows).arg(QDir::toNativeSeparators(path)));
    return true;
}

bool ChannelTableFiles::Import() {
    const auto& texts = m_profile.channelTable;
    const QString path = Prompts::Current().AskOpenFileName(m_files.StartFolder(), Tr(texts.filter));
    if (path.isEmpty()) return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Prompts::Current().ShowMessage(Tr(m_profile.shell.cannotOpenFile).arg(QDir::toNativeSeparators(path)));
        return false;
    }
    const QByteArray text = file.read(static_cast<qint64>(kChannelTableMaxBytes) + 1);
    if (text.size() > static_cast<qsizetype>(kChannelTableMaxBytes)) {
        Prompts::Current().ShowMessage(Tr(m_profile.shell.unexpectedFormat).arg(QDir::toNativeSeparators(path)));
        return false;
    }

    RadioDocument& document = m_files.Document();
    const auto result =
        ImportChannelTable(document.Image(), std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    if (!AcceptTableRows(m_profile, result)) return false;
    document.TakeImportedImage(result.image);
    m_view.ShowImportedImage();
    ShowImportSummary(result);
    return true;
}

bool AcceptTableRows(const ModelProfile& profile, const ChannelTableImport& result) {
    const auto& texts = profile.channelTable;
    const bool anyRow = result.tableUsable && !result.importedRows.empty();
    if (!result.problems.empty()) {
        QStringList lines;
        for (std::size_t i = 0; i < result.problems.size() && i < kListedProblems; ++i)
            lines << TableProblemText(profile, result.problems[i]);
        if (result.problems.size() > kListedProblems)
            lines << Tr(texts.moreProblems).arg(result.problems.size() - kListedProblems);
        const QString list = lines.join(QLatin1Char('\n'));
        if (!anyRow) {
            Prompts::Current().ShowMessage(list + QStringLiteral("\n\n") + Tr(texts.nothingToImport));
            return false;
        }
        return Prompts::Current().AskYesNo(list + QStringLiteral("\n\n") + Tr(texts.importValidRows).arg(result.importedRows.size()));
    }
    if (!anyRow) {
        Prompts::Current().ShowMessage(Tr(texts.nothingToImport));
        return false;
    }
    return true;
}

void ChannelTableFiles::ShowImportSummary(const ChannelTableImport& result) {
    const auto& texts = m_profile.channelTable;
    QString summary = Tr(texts.importSummary).arg(result.importedRows.size());
    QStringList lines;
    const auto problems = ListWriteProblems(result.image, m_profile.rules.validation);
    if (!problems.empty()) {
        summary += Tr(texts.checkRefusals).arg(problems.size());
        for (const WriteProblem& problem : problems)
            lines << ChannelName(m_profile, problem.channel) + QStringLiteral(": ") + Tr(CheckMessage(m_profile.texts.check, problem.rule)).trimmed();
    }
    emit Summary(summary);
    if (!result.absentColumns.empty()) {
        QStringList columns;
        for (const std::string& column : result.absentColumns) columns << QString::fromStdString(column);
        lines << Tr(texts.absentColumns).arg(columns.join(QStringLiteral(", ")));
    }
    if (result.namesDropped) lines << Tr(texts.namesNotStored);
    // Only what the pre-write check would refuse is a warning.
    const MessageKind kind = problems.empty() ? MessageKind::Info : MessageKind::Warning;
    if (!lines.isEmpty()) Prompts::Current().ShowMessage(summary + QLatin1Char('\n') + lines.join(QLatin1Char('\n')), kind);
}

QString TableProblemText(const ModelProfile& profile, const TableProblem& problem) {
    const auto& texts = profile.channelTable;
    const QString reason = Tr(Reason(texts.reasons, problem.kind));
    if (problem.column.empty()) return Tr(texts.rowProblem).arg(problem.row).arg(reason);
    if (!problem.value.empty())
        return Tr(texts.valueProblemLine)
            .arg(problem.row)
            .arg(QString::fromStdString(problem.column), QString::fromStdString(problem.value), reason);
    return Tr(texts.problemLine).arg(problem.row).arg(QString::fromStdString(problem.column), reason);
}

}  // namespace rk
