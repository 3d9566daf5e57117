// The file menu's channel table commands in each program's real window.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QDir>
#include <QTest>
#include <functional>
#include <memory>

#include "ChannelNames.h"
#include "ChoiceList.h"
#include "DocumentFiles.h"
#include "FormView.h"
#include "ImageFile.h"
#include "MainFrame.h"
#include "RecordingPrompts.h"
#include "StatusPanes.h"
#include "Rk520App.h"
#include "Rk520Profile.h"
#include "Rk7400App.h"
#include "Rk7400Profile.h"
#include "SettingsLocation.h"
#include "TestFiles.h"
#include "TestImages.h"
#include "ProgramInput.h"
#include "Programs.h"
#include "TestRunner.h"

using rk::test::ReadFile;
using rk::test::ChooseChannel;
using rk::test::OpenSample;
using rk::test::RecordingPrompts;
using rk::test::Utf;
using rk::test::WriteFile;

namespace {

}  // namespace

class ChannelTableMenuTest : public QObject {
    Q_OBJECT
public:
    explicit ChannelTableMenuTest(const rk::ModelProfile& profile) : m_profile(profile) {}

private:
    void ImportTable(const QByteArray& text) {
        const QString path = m_dir.filePath(QStringLiteral("in.csv"));
        WriteFile(path, text);
        m_prompts->fileNames.enqueue(path);
        m_program->MainFrame().Command(rk::command::kFileImportTable)->trigger();
    }
    QString Field(int id) const { return static_cast<QLineEdit*>(m_program->View().Control(id))->text(); }
    QStringList ValidList() const {
        QStringList names;
        auto* list = static_cast<rk::ChoiceList*>(m_program->View().Control(rk::ctl::kValidList));
        for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
        return names;
    }

private slots:
    void init() {
        QVERIFY(rk::test::StartFresh(m_profile, m_prompts, m_program));
        QVERIFY(OpenSample(*m_program, m_profile, QDir(m_dir.path())));
    }
    void cleanup() {
        m_program.reset();
        m_prompts.reset();
    }

    // The dialog's second file type is the table a European spreadsheet
    // writes: ';' between cells and decimal commas.
    void exportWritesTheConfiguredChannels_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("firstRow");
        QTest::newRow("commas") << 0 << "Location,Name,Frequency," << "1,,400.125000,+,5.000000,Cross,88.5,71.9,";
        QTest::newRow("semicolons") << 1 << "Location;Name;Frequency;" << "1;;400,125000;+;5,000000;Cross;88,5;71,9;";
    }
    void exportWritesTheConfiguredChannels() {
        QFETCH(int, type);
        QFETCH(QString, header);
        QFETCH(QString, firstRow);
        m_prompts->fileNames.enqueue(m_dir.filePath(QStringLiteral("out")));
        m_prompts->chosenTypes.enqueue(type);
        m_program->MainFrame().Command(rk::command::kFileExportTable)->trigger();
        QCOMPARE(m_prompts->filters, QStringList{Utf(m_profile.channelTable.filter) + ";;" +
                                                 Utf(m_profile.channelTable.semicolonFilter)});
        QCOMPARE(m_prompts->suggestedPaths, QStringList{m_dir.filePath(QStringLiteral("radio.csv"))});
        const QStringList lines = QString::fromUtf8(ReadFile(m_dir.filePath(QStringLiteral("out.csv")))).split('\n');
        QCOMPARE(lines.size(), 1 + 9 + 1);  // header, nine channels, the last line's end
        QVERIFY2(lines[0].startsWith(header), qPrintable(lines[0]));
        QVERIFY2(lines[1].startsWith(firstRow), qPrintable(lines[1]));
        QVERIFY(m_prompts->messages.isEmpty());
        QVERIFY(!m_program->Document().IsModified());
        QCOMPARE(m_program->MainFrame().StatusPanes()->currentMessage(),
                 Utf(m_profile.channelTable.exportSummary).arg(9).arg(QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("out.csv")))));
    }

    void importShowsTheResultAroundTheCurrentChannel() {
        ChooseChannel(*m_program, 2);
        const std::uint8_t options = m_program->Document().Image().Channel(2).optionFlags();
        ImportTable("Location,Frequency,Duplex,Offset,Power\n3,410.5,+,1,Low\n4,411,,,\n");
        // The summary in the status bar; the columns the table lacked, kept
        // from the image, in a message below it.
        const auto& texts = m_profile.channelTable;
        const QString summary = Utf(texts.importSummary).arg(2);
        QCOMPARE(m_program->MainFrame().StatusPanes()->currentMessage(), summary);
        QCOMPARE(m_prompts->messages,
                 QStringList{summary + "\n" +
                             Utf(texts.absentColumns)
                                 .arg("Squelch, RepeaterDelay, Scrambler, BeatShift, Talkaround, Reverse, Repeater, "
                                      "TxInhibit, ScanA, ScanB")});
        // Nothing refused: the information icon.
        QCOMPARE(m_prompts->kinds, QList<rk::MessageKind>{rk::MessageKind::Info});
        QVERIFY(m_prompts->questions.isEmpty());
        QVERIFY(m_program->Document().IsModified());
        QVERIFY(m_program->MainFrame().isWindowModified());
        QCOMPARE(m_program->View().EditChannel(), 2);
        QCOMPARE(Field(rk::ctl::kRxFreq), QStringLiteral("410.5"));
        QCOMPARE(Field(rk::ctl::kTxFreq), QStringLiteral("411.5"));
        // Channel 4 was not configured before; the list now holds it.
        QVERIFY(ValidList().contains(rk::ChannelName(m_profile, 3)));
        auto* valid = static_cast<rk::ChoiceList*>(m_program->View().Control(rk::ctl::kValidList));
        QCOMPARE(valid->SelectedRow(), 2);
        // Power is in the table; the options it lacks stay.
        QCOMPARE(m_program->Document().Image().Channel(2).optionFlags(), std::uint8_t(options | rk::kLowPower));
    }

    void invalidRowsAreListedAndAskedAbout() {
        const rk::RadioImage before = m_program->Document().Image();
        const QByteArray table = "Location,Frequency\n12,401\n13,x\n";
        const auto& texts = m_profile.channelTable;
        const QString question =
            Utf(texts.valueProblemLine).arg(3).arg("Frequency", "x", Utf(texts.reasons.notANumber)) +
                                 "\n\n" + Utf(texts.importValidRows).arg(1);
        m_prompts->yesNoAnswers.enqueue(false);
        ImportTable(table);
        QCOMPARE(m_prompts->questions, QStringList{question});
        QVERIFY(m_program->Document().Image() == before);
        QVERIFY(!m_program->Document().IsModified());

        m_prompts->yesNoAnswers.enqueue(true);
        ImportTable(table);
        QCOMPARE(m_program->Document().Image().Channel(11).rxFreq(), 40'100'000u);
        QVERIFY(ValidList().contains(rk::ChannelName(m_profile, 11)));
    }

    void aTableWithNothingValidOnlyTellsSo() {
        const rk::RadioImage before = m_program->Document().Image();
        ImportTable("Name,Frequency\nx,145\n");
        const auto& texts = m_profile.channelTable;
        QCOMPARE(m_prompts->messages,
                 QStringList{Utf(texts.problemLine).arg(1).arg("Location", Utf(texts.reasons.missingColumn)) + "\n\n" +
                             Utf(texts.nothingToImport)});
        QVERIFY(m_prompts->questions.isEmpty());
        QVERIFY(m_program->Document().Image() == before);
    }

private:
    const rk::ModelProfile& m_profile;
    QTemporaryDir m_dir;
    std::unique_ptr<RecordingPrompts> m_prompts;
    std::unique_ptr<rk::ProgramShell> m_program;
};

RK_TEST_MAIN_PER_MODEL(ChannelTableMenuTest)

#include "ChannelTableMenuTest.moc"
