// The write to several radios through the real main window and a radio
// simulator on COM1 that another radio replaces between two writes: the
// menu item in each language, the series window's rows for three radios of
// which the second stays silent and the third keeps a byte wrongly, Enter
// for the next radio, the main window's edits locked while the series runs
// and its document unchanged after, the check that refuses as a single
// write does, Stop and Esc and closing during a radio's write.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include "ChannelTablePanel.h"
#include "DocumentFiles.h"
#include "FormView.h"
#include "ImageDiff.h"
#include "MainFrame.h"
#include "OpenedUrls.h"
#include "ProgramOnRadio.h"
#include "SeriesRadios.h"
#include "SeriesWindow.h"
#include "SettingsLocation.h"
#include "StatusPanes.h"
#include "TestFiles.h"
#include "TestImages.h"
#include "TransferCommands.h"
#include "TransferReport.h"
#include "TransferSession.h"
#include "TranslatedTexts.h"
#include "WriteOptions.h"
#include "WriteValidation.h"

using namespace rk;
using namespace rk::test;

namespace {

constexpr int kJobMs = 20000;
using Column = SeriesWindow::Column;

// The image as every write of the series sends it: the check's refresh
// changes nothing in it, so the document's history stays where it was.
RadioImage SentImage() {
    RadioImage image = SeriesImage();
    RefreshDerivedFields(image);
    return image;
}

// What a radio held before the series reached it: the sample with one
// channel of its own.
RadioImage HeldBy(int radio) {
    RadioImage held = SampleImage();
    held.Channel(radio).setRxFreq(40'000'000 + radio * 12'500);
    return held;
}

QStringList Cells(const QTreeWidget& rows, int row) {
    QStringList cells;
    for (int column = 0; column < rows.columnCount(); ++column) cells << rows.topLevelItem(row)->text(column);
    return cells;
}

QStringList OperationMenu(CMainFrame& frame) {
    QStringList items;
    for (QAction* action : frame.menuBar()->actions().at(4)->menu()->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return items;
}

// The first backup written for `radio` of a series, by its name alone.
QRegularExpression SeriesBackupName(const ModelProfile& profile, int radio) {
    return QRegularExpression(QStringLiteral("^%1-\\d{8}-\\d{6}-series-%2-before-write\\%3$")
                                  .arg(QString::fromUtf8(profile.rules.programName))
                                  .arg(radio, 2, 10, QLatin1Char('0'))
                                  .arg(QString::fromUtf8(profile.rules.extension)));
}

// The commands a series locks, by id.
QList<int> LockedIds(const ModelProfile& profile) {
    return {command::kFileNew, command::kFileOpen,  command::kFileImportTable, command::kEditUndo,
            command::kEditRedo, profile.ids.read, profile.ids.write,         command::kOperationSeries};
}

}  // namespace

class SeriesWindowTest : public QObject {
    Q_OBJECT
public:
    explicit SeriesWindowTest(const ModelProfile& profile) : m_profile(profile) {}

private:
    // The series window over the main window, once the item has run.
    SeriesWindow* StartSeries(ProgramOnRadio& rig) {
        rig.Frame().Command(command::kOperationSeries)->trigger();
        return rig.Frame().Series();
    }
    static bool WaitForRows(SeriesWindow& window, int finished) {
        return QTest::qWaitFor(
            [&] {
                return window.Rows()->topLevelItemCount() >= finished &&
                       window.NextButton()->isEnabled();
            },
            kJobMs);
    }

    const ModelProfile& m_profile;

private slots:
    // Every test starts as on a first start, in the program's own language.
    void init() {
        ForgetComNames();
        QSettings(QString::fromLatin1(kSettingsOrganization), QString::fromUtf8(m_profile.shell.programTitle)).clear();
    }
    void cleanup() {
        init();
        PrepareApplication(*qApp, m_profile);
    }

    // The item follows Write in the program's own language and in English;
    // the window speaks the same language (Finish is not the idle "Ready"
    // that "Готово" also reads as).
    void menuItemAndButtonsInEachLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("texts");  // the item, Write next, Finish, Retry, Next
        const bool rk520 = QString::fromUtf8(m_profile.rules.programName) == QLatin1String("rk520");
        QTest::newRow("own") << QString()
                             << (rk520 ? QStringList{Utf("写入多台对讲机…"), Utf("写入下一台"), Utf("完成"),
                                                     Utf("重新写入这一台"), Utf("下一台")}
                                       : QStringList{Utf("Записать в несколько раций…"), Utf("Записать в следующую"),
                                                     Utf("Готово"), Utf("Записать в эту ещё раз"),
                                                     Utf("Следующая рация")});
        QTest::newRow("en") << QStringLiteral("en")
                            << QStringList{Utf("Write to several radios…"), "Write next radio", "Finish",
                                           "Retry this radio", "Next radio"};
    }
    void menuItemAndButtonsInEachLanguage() {
        QFETCH(QString, language);
        QFETCH(QStringList, texts);
        PrepareApplication(*qApp, m_profile,
                           language.isEmpty() ? QStringList{} : QStringList{QStringLiteral("--lang"), language});
        ProgramOnRadio rig(m_profile, SampleImage());
        QVERIFY(rig.Start(kTestPeriods, SilentRadio()));
        rig.program->Document().LoadImage(SentImage());
        CMainFrame& frame = rig.Frame();
        const QStringList items = OperationMenu(frame);
        QCOMPARE(items.value(1), texts[0]);
        QCOMPARE(items.value(0), frame.Command(m_profile.ids.write)->text());
        QCOMPARE(frame.Command(command::kOperationSeries)->text(), texts[0]);

        SeriesWindow* window = StartSeries(rig);
        QVERIFY(window && window->isVisible());
        QVERIFY(!window->isModal());
        QVERIFY(WaitForRows(*window, 1));
        // A silent radio is a failure: the same radio again is the default.
        QCOMPARE(window->NextButton()->text(), texts[4]);
        QCOMPARE(window->FinishButton()->text(), texts[2]);
        QCOMPARE(window->RetryButton()->text(), texts[3]);
        QVERIFY(window->RetryButton()->isVisible() && window->RetryButton()->isDefault());
        QTest::mouseClick(window->FinishButton(), Qt::LeftButton);
        QTRY_VERIFY(!frame.Series());
        QCOMPARE(rig.prompts.actions.size(), 1);
        QVERIFY(frame.Command(command::kOperationSeries)->isEnabled());
    }

    // Three radios on the one port, swapped between their writes, with the
    // preview asked for the first radio only. The second radio is silent,
    // so its row (the second, not the first) says so and the series waits
    // with Retry as the default; Next radio goes on to the third, which
    // keeps one byte wrongly and is never counted as verified.
    void threeRadiosSecondSilentThirdStoresAByteWrongly() {
        ProgramOnRadio rig(m_profile, HeldBy(1));
        QVERIFY(rig.Start(kTestPeriods));
        CMainFrame& frame = rig.Frame();
        const TranslatedTexts& texts = rig.program->Transfer().Texts();
        SetWriteOptions(frame, m_profile, true, true, true);
        RadioDocument& document = rig.program->Document();
        document.LoadImage(SentImage());
        const RadioImage before = document.Image();
        const bool modified = document.IsModified();
        const bool canUndo = document.History().CanUndo();

        rig.prompts.choiceAnswers << true;  // the preview of the first radio
        SeriesWindow* window = StartSeries(rig);
        QVERIFY(window);
        QCOMPARE(window->ImageLine()->text(),
                 Utf(m_profile.series.image).arg(rig.program->Files().DisplayName()).arg(SentImage().ConfiguredChannelCount()));
        QTRY_VERIFY_WITH_TIMEOUT(window->Rows()->topLevelItemCount() == 1 &&
                                     window->Rows()->topLevelItem(0)->text(Column::kResult).contains(QLatin1Char('/')),
                                 kJobMs);  // the row in progress shows its phase and block
        QVERIFY(WaitForRows(*window, 1));
        QCOMPARE(rig.prompts.questions.size(), 1);
        QVERIFY(window->NextButton()->isDefault() && !window->RetryButton()->isVisible());

        // Locked between two radios as while one is written.
        for (int id : LockedIds(m_profile)) QVERIFY2(!frame.Command(id)->isEnabled(), qPrintable(QString::number(id)));
        auto* rx = qobject_cast<QLineEdit*>(rig.program->View().Control(ctl::kRxFreq));
        QVERIFY(rx);
        QTest::keyClicks(rx, "1");
        frame.Command(command::kViewChannelTable)->setChecked(true);
        ChannelTablePanel* table = frame.ChannelTable();
        QVERIFY(table);
        QCOMPARE(table->Table()->editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(table->RowActions().first()->isEnabled());   // Copy
        QVERIFY(!table->RowActions().at(1)->isEnabled());    // Paste
        QVERIFY(!frame.OpenFile(QStringLiteral("/nonexistent.rkd")));
        QCOMPARE(document.Image(), before);

        // Enter starts the second radio, which never answers.
        QVERIFY(rig.radio.Swap(HeldBy(2), SilentRadio()));
        window->activateWindow();
        QTest::keyClick(window, Qt::Key_Return);
        QCOMPARE(window->Rows()->topLevelItemCount(), 2);
        QVERIFY(!window->NextButton()->isEnabled());
        QVERIFY(WaitForRows(*window, 2));
        QVERIFY(window->RetryButton()->isVisible() && window->RetryButton()->isDefault());

        QVERIFY(rig.radio.Swap(HeldBy(3), StoresWrongly()));
        QTest::mouseClick(window->NextButton(), Qt::LeftButton);
        QVERIFY(WaitForRows(*window, 3));
        QTest::keyClicks(rx, "2");
        QCOMPARE(document.Image(), before);

        // The rows: number, time, port, result, fields changed, backup.
        const QTreeWidget& rows = *window->Rows();
        QCOMPARE(rows.topLevelItemCount(), 3);
        const QRegularExpression time(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"));
        const auto changed = [](int radio) {
            return QString::number(CompareImages(HeldBy(radio), SentImage()).size());
        };
        const QStringList first = Cells(rows, 0);
        QCOMPARE(first.value(Column::kRadio), QStringLiteral("1"));
        QVERIFY2(time.match(first.value(Column::kTime)).hasMatch(), qPrintable(first.value(Column::kTime)));
        QCOMPARE(first.value(Column::kPort), QStringLiteral("COM1"));
        QCOMPARE(first.value(Column::kResult), Utf(m_profile.series.verified));
        QCOMPARE(first.value(Column::kFields), changed(1));
        QVERIFY2(SeriesBackupName(m_profile, 1).match(first.value(Column::kBackup)).hasMatch(),
                 qPrintable(first.value(Column::kBackup)));

        const QStringList second = Cells(rows, 1);
        QCOMPARE(second.value(Column::kRadio), QStringLiteral("2"));
        QVERIFY(time.match(second.value(Column::kTime)).hasMatch());
        // The message a single write gives first (a search that ended on
        // names without a device gives the open failure's), then of the
        // names tried the one with a device, and that nothing was written.
        const TransferTexts& transfer = texts.Transfer();
        const bool searched = m_profile.rules.searchesPorts;
        QCOMPARE(second.value(Column::kResult).split('\n'),
                 (QStringList{Utf(searched ? transfer.openFailedHandshake : transfer.noHandshakeReply),
                              Utf(transfer.portLine)
                                  .arg(Utf(transfer.portDevice).arg("COM1", QString::fromStdString(rig.radio.SlavePath())),
                                       Utf(transfer.noReply)),
                              Utf(transfer.nothingWritten)}));
        QCOMPARE(second.value(Column::kFields), QString());
        QCOMPARE(second.value(Column::kBackup), QString());

        const QStringList third = Cells(rows, 2);
        QCOMPARE(third.value(Column::kRadio), QStringLiteral("3"));
        QStringList differs;
        for (const std::string& line : DifferenceLines(texts.Report(), CompareImages(SentImage(), rig.radio.Image()), 3))
            differs << QString::fromStdString(line);
        QCOMPARE(differs.size(), 1);
        QCOMPARE(third.value(Column::kResult), Utf(m_profile.series.differs).arg(differs.join('\n')));
        QCOMPARE(third.value(Column::kFields), changed(3));
        QVERIFY(SeriesBackupName(m_profile, 3).match(third.value(Column::kBackup)).hasMatch());
        QVERIFY(window->RetryButton()->isDefault());

        // No message box per radio; at the end the offer to open the log.
        QVERIFY(rig.prompts.messages.isEmpty());
        rig.prompts.actionAnswers << true;
        const QList<QUrl> opened = FileUrlsOpenedBy([&] { QTest::mouseClick(window->FinishButton(), Qt::LeftButton); });
        QTRY_VERIFY(!frame.Series());
        QCOMPARE(rig.prompts.actions, QStringList{Utf(m_profile.series.openLog)});
        QCOMPARE(rig.prompts.messages.size(), 1);
        QCOMPARE(opened.size(), 1);
        const QString log = opened.first().toLocalFile();
        QVERIFY2(rig.prompts.messages.first().startsWith(Utf(m_profile.series.summary).arg(3).arg(1).section('\n', 0, 0)),
                 qPrintable(rig.prompts.messages.first()));
        QVERIFY(rig.prompts.messages.first().endsWith(QDir::toNativeSeparators(log)));
        // The log's rows say what the window's rows say.
        const std::vector<csv::Record> records = LogRecords(log);
        QCOMPARE(records.size(), std::size_t{4});
        QStringList results;
        for (std::size_t row = 1; row < records.size(); ++row)
            results << QString::fromStdString(records[row].cells.at(4));
        // A search that heard nothing on the radio's port is silent too,
        // though it ends on the open failures of the names after it.
        QCOMPARE(results, (QStringList{"verified", "silent", "differs"}));
        QCOMPARE(QString::fromStdString(records[2].cells.at(3)), QStringLiteral("COM1"));

        // Unlocked again; the document is as it was.
        for (int id : LockedIds(m_profile)) {
            if (id == command::kEditUndo || id == command::kEditRedo) continue;
            QVERIFY(frame.Command(id)->isEnabled());
        }
        QCOMPARE(frame.Command(command::kEditUndo)->isEnabled(), canUndo);
        QCOMPARE(table->Table()->editTriggers() & QAbstractItemView::DoubleClicked, QAbstractItemView::DoubleClicked);
        QCOMPARE(document.Image(), before);
        QCOMPARE(document.IsModified(), modified);
        QCOMPARE(document.History().CanUndo(), canUndo);
        QCOMPARE(rig.prompts.questions.size(), 1);
    }

    // A refused image: the same message and the same channel on screen as
    // a single write, and no series.
    void refusalShowsAsASingleWritesDoes() {
        ProgramOnRadio rig(m_profile, SampleImage());
        QVERIFY(rig.Start(kTestPeriods));
        RadioImage image = SampleImage();
        image.Channel(7).setTxFreq(40'000'001);  // off the channel step
        // The check refuses before anything goes to the port.
        const auto refuse = [&](int id) -> std::pair<QString, int> {
            rig.program->Document().LoadImage(image);
            rig.program->Document().SetCurrentChannel(0);
            rig.prompts.messages.clear();
            rig.Frame().Command(id)->trigger();
            return {rig.prompts.messages.join('|'), rig.program->View().EditChannel()};
        };
        const auto single = refuse(m_profile.ids.write);
        QCOMPARE(single.second, 7);
        QVERIFY(!single.first.isEmpty() && !single.first.contains('|'));
        QCOMPARE(refuse(command::kOperationSeries), single);
        QVERIFY(!rig.Frame().Series());
        QVERIFY(rig.Frame().Command(m_profile.ids.write)->isEnabled());
        QCOMPARE(rig.prompts.kinds.last(), MessageKind::Warning);
    }

    // Closing the main window while a radio's blocks go out asks what it
    // asks during a write; Esc in the series window asks what Stop asks in
    // a single write, and the row says the radio was stopped part way.
    void stopAndCloseWhileARadioIsWritten() {
        ProgramOnRadio rig(m_profile, HeldBy(1));
        QVERIFY(rig.Start(kTestPeriods));
        CMainFrame& frame = rig.Frame();
        SetWriteOptions(frame, m_profile, false, false);
        rig.program->Document().LoadImage(SentImage());
        SeriesWindow* window = StartSeries(rig);
        QVERIFY(window);
        TransferSession& session = rig.program->Transfer().Session();
        QTRY_VERIFY_WITH_TIMEOUT(session.IsWriting() && session.BlockOnLine() >= 2, kJobMs);

        rig.prompts.yesNoAnswers << false;
        QVERIFY(!frame.close());
        QCOMPARE(rig.prompts.questions, QStringList{Utf(m_profile.shell.quitDuringWriteQuestion)});
        QVERIFY(frame.Series());

        rig.prompts.yesNoAnswers << true;
        QTest::keyClick(window, Qt::Key_Escape);
        QCOMPARE(rig.prompts.questions.size(), 2);
        QVERIFY2(rig.prompts.questions.at(1).startsWith(Utf(m_profile.shell.stopWriteQuestion).section('\n', 0, 0)),
                 qPrintable(rig.prompts.questions.at(1)));
        QVERIFY(WaitForRows(*window, 1));
        QVERIFY(window->isVisible());  // Esc stops the radio, not the series
        const QString result = window->Rows()->topLevelItem(0)->text(Column::kResult);
        QVERIFY2(result.section('\n', 0, 0) == Utf(m_profile.series.stopped), qPrintable(result));
        QVERIFY2(result.section('\n', 1).contains(QRegularExpression(QStringLiteral("[1-4]"))), qPrintable(result));
        QVERIFY(window->RetryButton()->isDefault());

        // Between two radios the link rests, but the window keeps its
        // language: another one is offered at a restart, as during a write.
        rig.prompts.yesNoAnswers << false;
        frame.findChild<QAction*>(QStringLiteral("language-en"))->trigger();
        QTRY_COMPARE(rig.prompts.questions.size(), 3);
        QCOMPARE(rig.prompts.questions.last(), Utf(m_profile.shell.languageRestartQuestion));
        QCOMPARE(&rig.Frame(), &frame);
        QCOMPARE(frame.Series(), window);
        window->close();
        QTRY_VERIFY(!frame.Series());
        QVERIFY(rig.prompts.messages.size() == 1);
    }
};

RK_TEST_MAIN_PER_MODEL(SeriesWindowTest)
#include "SeriesWindowTest.moc"
