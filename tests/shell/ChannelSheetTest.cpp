// The channel sheet in a PDF file, read back with pdftotext: a full radio of
// 64 channels with four-decimal frequencies and codes on both sides keeps
// every value and every heading word whole, and the heading gives the time
// limit with its unit and the date as YYYY-MM-DD.

#include <QAction>
#include <QDate>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "ChannelNames.h"
#include "ChannelTableColumns.h"
#include "MainFrame.h"
#include "PdfText.h"
#include "Programs.h"
#include "TestFiles.h"
#include "TestImages.h"
#include "Texts.h"

using rk::test::RecordingPrompts;
using rk::test::Utf;

namespace {

// Every channel in use, each frequency with four decimals (400.0125 and up
// by 25 kHz, sent 10 MHz higher), both codes on, options set.
rk::RadioImage FullRadio() {
    rk::RadioImage image = rk::test::SampleImage();
    auto settings = image.Settings();
    for (int c = 0; c < rk::kChannelCount; ++c) {
        auto record = image.Channel(c);
        const auto rx = static_cast<std::uint32_t>(40'001'250 + c * 2'500);
        record.setRxFreq(rx);
        record.setTxFreq(rx + 1'000'000);
        record.setRxCode(static_cast<std::uint8_t>(c % 40 + 1));
        record.setTxCode(static_cast<std::uint8_t>(c % 80 + 1));
        record.setCodeFlags(rk::kRxCodeOn | rk::kRxCodeIsQt | rk::kTxCodeOn);
        record.setOptionFlags(rk::kLowPower | rk::kRepeater | rk::kBeatShift);
        record.setRepeaterDelay(255);
        settings.SetChannelBit(c, true);
    }
    settings.setLastUsedChannel(63);
    return image;
}

// Ligatures ("ﬀ" of "Off") as the letters they join, full-width brackets as
// brackets: the text as pdftotext gives it and as the program's texts are.
QString Plain(const QString& text) { return text.normalized(QString::NormalizationForm_KC); }

}  // namespace

class ChannelSheetTest : public QObject {
    Q_OBJECT
public:
    explicit ChannelSheetTest(const rk::ModelProfile& profile) : m_profile(profile) {}

private slots:
    void everyValueAndHeadingStaysWhole() {
        std::unique_ptr<RecordingPrompts> prompts;
        std::unique_ptr<rk::ProgramShell> program;
        QVERIFY(rk::test::StartFresh(m_profile, prompts, program));
        program->Document().LoadImage(FullRadio());
        QTemporaryDir dir;
        prompts->fileNames.enqueue(dir.filePath("sheet.pdf"));
        program->MainFrame().Command(rk::command::kFileExportTablePdf)->trigger();
        QVERIFY(prompts->messages.isEmpty());
        const QString printed = rk::test::PdfText(dir.filePath("sheet.pdf"));
        QVERIFY2(!printed.isEmpty(), "pdftotext (poppler-utils) reads the PDF");
        const QStringList words = Plain(printed).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        const QSet<QString> whole(words.begin(), words.end());

        const rk::RadioImage& image = program->Document().Image();
        const std::vector<rk::ChannelColumn> columns = rk::TableColumns(m_profile);
        for (int c = 0; c < rk::kChannelCount; ++c) {
            QVERIFY2(whole.contains(Plain(rk::ChannelName(m_profile, c))), qPrintable(rk::ChannelName(m_profile, c)));
            for (const rk::ChannelColumn column : columns) {
                const QString value = rk::CellText(m_profile, image, c, column);
                for (const QString& word : Plain(value).split(' ', Qt::SkipEmptyParts))
                    QVERIFY2(whole.contains(word), qPrintable(QStringLiteral("%1 of channel %2").arg(word).arg(c + 1)));
            }
        }
        QVERIFY(whole.contains("400.0125") && whole.contains("401.5875") && whole.contains("411.5875"));
        for (const rk::ChannelColumn column : columns)
            for (const QString& word : Plain(rk::ColumnHeading(m_profile, column)).split(' ', Qt::SkipEmptyParts))
                QVERIFY2(whole.contains(word), qPrintable(word));

        const QString date = QDate::currentDate().toString(Qt::ISODate);
        QVERIFY(Plain(printed).contains(Plain(Utf(m_profile.tableView.sheetDate).arg(date))));
        const QString limit = Utf(m_profile.texts.report.totLimit) + ": " + Utf(m_profile.tableView.sheetMinutes).arg(5);
        QCOMPARE(Plain(printed).contains(Plain(limit)), m_profile.hasTotLimit);
    }

private:
    const rk::ModelProfile& m_profile;
};

RK_TEST_MAIN_PER_MODEL(ChannelSheetTest)

#include "ChannelSheetTest.moc"
