#include "TransferCommands.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

#include "BackupsDialog.h"
#include "ChangeLines.h"
#include "DocumentFiles.h"
#include "ModelProfile.h"
#include "PortSearch.h"
#include "ProgramShell.h"
#include "Prompts.h"
#include "SettingsLocation.h"
#include "Texts.h"
#include "TransferPresenter.h"
#include "TransferReport.h"
#include "TranslatedTexts.h"
#include "TransferSession.h"
#include "WriteSeries.h"
#include "WriteValidation.h"

namespace rk {
namespace {

// Beside the recent-file list, in the program's own settings.
const char* const kBackupKey = "Settings/BackupBeforeWrite";
const char* const kVerifyKey = "Settings/VerifyAfterWrite";
const char* const kPreviewKey = "Settings/PreviewBeforeWrite";

// What the link reports of an image its check refuses.
WriteRefusal RefusalOf(const ValidationVerdict& verdict, const RadioImage& checked) {
    WriteRefusal refusal;
    refusal.rule = verdict.rule;
    refusal.bandEdge = static_cast<std::int32_t>(checked.Settings().bandLow() * 4);
    if (verdict.failingChannel >= 0 && verdict.failingChannel < kChannelCount) refusal.channel = verdict.failingChannel;
    return refusal;
}

}  // namespace

TransferCommands::TransferCommands(const ModelProfile& profile, const TranslatedTexts& texts,
                                   TransferSession& session, DocumentFiles& files, QObject* parent)
    : QObject(parent), m_profile(profile), m_texts(texts), m_session(session), m_files(files) {
    const QSettings settings = ProgramSettings(profile.shell.programTitle);
    m_options.backupFirst = settings.value(QLatin1String(kBackupKey), true).toBool();
    m_options.verifyAfter = settings.value(QLatin1String(kVerifyKey), true).toBool();
    m_options.previewFirst = settings.value(QLatin1String(kPreviewKey), true).toBool();
}

TransferCommands::~TransferCommands() = default;

void TransferCommands::SetBackupFirst(bool on) {
    m_options.backupFirst = on;
    SaveOptions();
}

void TransferCommands::SetVerifyAfter(bool on) {
    m_options.verifyAfter = on;
    SaveOptions();
}

void TransferCommands::SetPreviewFirst(bool on) {
    m_options.previewFirst = on;
    SaveOptions();
}

void TransferCommands::SaveOptions() const {
    QSettings settings = ProgramSettings(m_profile.shell.programTitle);
    settings.setValue(QLatin1String(kBackupKey), m_options.backupFirst);
    settings.setValue(QLatin1String(kVerifyKey), m_options.verifyAfter);
    settings.setValue(QLatin1String(kPreviewKey), m_options.previewFirst);
}

void TransferCommands::Read() {
    if (!m_session.IsIdle() || m_inSeries) return;
    if (!m_files.ConfirmDiscard()) return;
    m_session.Read(ProgramPorts(m_profile.rules, m_menuPort.toStdString()));
}

// The document keeps the refreshed derived fields whether or not the check
// lets the write go.
void TransferCommands::Write() {
    if (!m_session.IsIdle() || m_inSeries) return;
    RadioDocument& document = m_files.Document();
    document.RefreshDerived([this](RadioImage& image) { ValidateForWrite(image, m_profile.rules.validation); });
    m_session.Write(document.Image(), m_options, ProgramPorts(m_profile.rules, m_menuPort.toStdString()));
}

// The question stays open while the write runs on. A write that has ended
// by the answer is not stopped: its read-back runs and is reported as usual.
void TransferCommands::Stop() {
    if (m_session.IsIdle()) return;
    if (m_session.IsWriting()) {
        const QString block = QString::fromUtf8(m_texts.Transfer().blockOnLine)
                                  .arg(m_session.BlockOnLine())
                                  .arg(kImageBlocks);
        const QString backup = TransferPresenter::BeforeWriteBackupText(m_profile, m_texts, m_session.Before());
        const QString question = Tr(m_profile.shell.stopWriteQuestion).arg(block + QLatin1Char('\n') + backup);
        if (!Prompts::Current().AskYesNo(question)) return;
        if (!m_session.IsWriting()) return;
    }
    m_session.Stop();
}

// The same refresh and check as Write's; the link checks the image again
// for every radio and finds it as passed here.
WriteSeries* TransferCommands::BeginSeries() {
    if (!m_session.IsIdle() || m_inSeries) return nullptr;
    RadioDocument& document = m_files.Document();
    ValidationVerdict verdict;
    document.RefreshDerived(
        [this, &verdict](RadioImage& image) { verdict = ValidateForWrite(image, m_profile.rules.validation); });
    if (!verdict.passed) {
        emit seriesRefused(RefusalOf(verdict, document.Image()));
        return nullptr;
    }
    m_series = std::make_unique<WriteSeries>(m_session, QString::fromUtf8(m_profile.rules.programName));
    connect(m_series.get(), &WriteSeries::finished, this, [this] {
        m_inSeries = false;
        emit seriesEnded();
    });
    m_inSeries = true;
    if (!m_series->Begin(document.Image(), m_options, ProgramPorts(m_profile.rules, m_menuPort.toStdString()))) {
        m_inSeries = false;
        return nullptr;
    }
    return m_series.get();
}

bool TransferCommands::OpenOnDesktop(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void TransferCommands::OpenSeriesLog(const QString& path) {
    if (!OpenOnDesktop(path))
        Prompts::Current().ShowMessage(Tr(m_profile.series.logNotOpened).arg(QDir::toNativeSeparators(path)));
}

void TransferCommands::OpenBackupFolder() {
    const QString folder = m_session.Backups().Folder();
    QDir().mkpath(folder);
    if (!OpenOnDesktop(folder))
        Prompts::Current().ShowMessage(Tr(m_profile.shell.backupFolderIs).arg(QDir::toNativeSeparators(folder)));
}

}  // namespace rk

namespace rk {

void TransferCommands::ShowBackups(QWidget* window) {
    auto wording = [this](const std::vector<FieldDifference>& differences) {
        return ChangeLines(m_profile, m_texts, differences);
    };
    auto* dialog = new BackupsDialog(m_profile, m_files.Document().Image(), wording, window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // A series writes the image it began with: the document stays.
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        if (!m_inSeries) m_files.OpenCopy(dialog->ChosenPath());
    });
    dialog->open();
}

}  // namespace rk
