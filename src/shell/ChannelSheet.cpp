#include "ChannelSheet.h"

#include <algorithm>
#include <cmath>

#include <QDir>
#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

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

// A table cell broken over lines: a value at all, a heading (the first row)
// inside a word; a heading may wrap between its words.
bool BreaksACell(const QTextDocument& document) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        if (!layout || layout->lineCount() < 2) continue;
        QTextCursor at(block);
        const QTextTable* table = at.currentTable();
        if (!table) continue;
        if (table->cellAt(at).row() > 0) return true;
        const QString text = block.text();
        for (int i = 0; i + 1 < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const int end = line.textStart() + line.textLength();
            if (end > 0 && end <= text.size() && !text.at(end - 1).isSpace()) return true;
        }
    }
    return false;
}

// The screen's dots per inch, in which the layout takes frame margins and
// scales them to the printer (as Qt's own text printing does).
qreal LayoutDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? std::round(screen->logicalDotsPerInchY()) : 100;
}

// The sheet laid out on the pages of `printer` (its page less 2 cm margins,
// in the printer's own pixels), as it is printed.
void LayOut(QTextDocument& document, const QString& html, const QFont& font, QPrinter& printer) {
    document.documentLayout()->setPaintDevice(&printer);
    document.setDefaultFont(font);
    document.setHtml(html);
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setMargin(2 / 2.54 * LayoutDpi());
    document.rootFrame()->setFrameFormat(frame);
    document.setPageSize(QSizeF(printer.width(), printer.height()));
}

bool FitsOnPage(const QString& html, const QFont& font, QPrinter& printer) {
    QTextDocument document;
    LayOut(document, html, font, printer);
    (void)document.size();  // lays it out
    return !BreaksACell(document);
}

constexpr int kSmallestPoints = 5;

// Upright in the program's font if the columns fit so, else on its side,
// then in ever smaller type until no value or heading breaks; at the
// smallest a cell runs over rather than breaks.
void Print(const QString& html, QPrinter& printer) {
    QFont font = QTextDocument().defaultFont();
    int points = std::max(font.pointSize(), kSmallestPoints);
    font.setPointSize(points);
    QString laidOut = html;
    printer.setPageOrientation(QPageLayout::Portrait);
    if (!FitsOnPage(html, font, printer)) {
        printer.setPageOrientation(QPageLayout::Landscape);
        while (!FitsOnPage(html, font, printer)) {
            if (points == kSmallestPoints) {
                laidOut.replace(QStringLiteral("<td>"), QStringLiteral("<td style=\"white-space: nowrap\">"));
                break;
            }
            font.setPointSize(--points);
        }
    }
    QTextDocument document;
    LayOut(document, laidOut, font, printer);
    document.print(&printer);
}

}  // namespace

QString ChannelSheetHtml(const ModelProfile& profile, const RadioImage& image, const QString& fileName, const QDate& date) {
    const ReportTexts& r = profile.texts.report;
    const ConstSettingsBlock settings = image.Settings();
    const BandEdges band = ShownBand(settings);
    QString html = QStringLiteral("<html><body><h2>%1</h2><p>").arg(Escaped(Tr(profile.documentType.windowTitle)));
    QStringList heading{Tr(profile.tableView.sheetFile).arg(fileName),
                        Tr(profile.tableView.sheetDate).arg(date.toString(Qt::ISODate)),
                        QStringLiteral("%1: %2–%3 MHz").arg(Tr(r.band), Number(band.low), Number(band.high))};
    if (profile.hasTotLimit) 
        heading << QStringLiteral("%1: %2").arg(Tr(r.totLimit), Tr(profile.tableView.sheetMinutes).arg(Number(TenthsToValue(settings.totLimit()))));
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
