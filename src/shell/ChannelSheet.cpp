#include "ChannelSheet.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

#include "ChannelNames.h"
#include "ChannelTableColumns.h"
#include "Conversions.h"
#include "DocumentFiles.h"
#include "Prompts.h"
#include "SettingsPanel.h"
#include "Texts.h"

namespace rk {

namespace {

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

QString GroupText(const ModelProfile& profile, const ConstSettingsBlock& settings, ScanGroup group) {
    QStringList names;
    for (const std::uint8_t slot : settings.scanGroup(group)) {
        if (slot == kEmptySlot) break;
        names << SlotText(profile, slot);
    }
    return names.join(QStringLiteral(", "));
}

QString Number(double value) { return QString::fromStdString(FormatNumber(value)); }

// The table's columns fit across a page on its side.
void Print(const QString& html, QPrinter& printer) {
    printer.setPageOrientation(QPageLayout::Landscape);
    QTextDocument document;
    document.setHtml(html);
    document.print(&printer);
}

}  // namespace

QString ChannelSheetHtml(const ModelProfile& profile, const RadioImage& image, const QString& fileName, const QDate& date) {
    const ReportTexts& r = profile.texts.report;
    const ConstSettingsBlock settings = image.Settings();
    const BandEdges band = ShownBand(settings);
    QString html = QStringLiteral("<html><body><h2>%1</h2><p>").arg(Escaped(Tr(profile.documentType.windowTitle)));
    QStringList heading{Tr(profile.tableView.sheetFile).arg(fileName),
                        Tr(profile.tableView.sheetDate).arg(QLocale().toString(date, QLocale::ShortFormat)),
                        QStringLiteral("%1: %2–%3 MHz").arg(Tr(r.band), Number(band.low), Number(band.high))};
    if (profile.hasTotLimit) heading << QStringLiteral("%1: %2").arg(Tr(r.totLimit), Number(TenthsToValue(settings.totLimit())));
    heading << QStringLiteral("%1: %2").arg(Tr(r.scanGroupA), GroupText(profile, settings, ScanGroup::A))
            << QStringLiteral("%1: %2").arg(Tr(r.scanGroupB), GroupText(profile, settings, ScanGroup::B));
    for (QString& line : heading) line = Escaped(line);
    html += heading.join(QStringLiteral("<br>"));
    html += QStringLiteral("</p><table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr><th></th>");
    const std::vector<ChannelColumn> columns = TableColumns(profile);
    for (const ChannelColumn column : columns) html += QStringLiteral("<th>%1</th>").arg(Escaped(ColumnHeading(profile, column)));
    html += QStringLiteral("</tr>");
    for (int c = 0; c < kChannelCount; ++c) {
        if (!image.IsChannelConfigured(c)) continue;
        html += QStringLiteral("<tr><td>%1</td>").arg(Escaped(ChannelName(profile, c)));
        for (const ChannelColumn column : columns)
            html += QStringLiteral("<td>%1</td>").arg(Escaped(CellText(profile, image, c, column)));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table></body></html>");
}

bool ExportChannelSheetPdf(const ModelProfile& profile, DocumentFiles& files) {
    const QString current = files.FilePath();
    const QString suffix = QStringLiteral(".pdf");
    const QString suggested =
        current.isEmpty() ? QDir(files.StartFolder()).filePath(Tr(profile.documentType.newFileName) + suffix)
                          : QFileInfo(current).dir().filePath(QFileInfo(current).completeBaseName() + suffix);
    QString path = Prompts::Current().AskSaveFileName(suggested, Tr(profile.tableView.pdfFilter));
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += suffix;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    Print(ChannelSheetHtml(profile, files.Document().Image(), files.DisplayName(), QDate::currentDate()), printer);
    if (!QFileInfo(path).isFile()) {
        Prompts::Current().ShowMessage(Tr(profile.shell.cannotWriteFile).arg(QDir::toNativeSeparators(path)));
        return false;
    }
    return true;
}

void PrintChannelSheet(const ModelProfile& profile, DocumentFiles& files, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    Print(ChannelSheetHtml(profile, files.Document().Image(), files.DisplayName(), QDate::currentDate()), printer);
}

}  // namespace rk
