// The channel table panel in each program's real window: shown from the View
// menu, cells edited through their editors, rows copied, pasted, cleared and
// moved with the keyboard, and the form following the table and back.

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <functional>
#include <numeric>
#include <memory>

#include "ChannelNames.h"
#include "ChannelSheet.h"
#include "ChannelTable.h"
#include "ChannelTableModel.h"
#include "ChannelTablePanel.h"
#include "ChoiceList.h"
#include "DocumentFiles.h"
#include "FormView.h"
#include "ImageFile.h"
#include "MainFrame.h"
#include "PdfText.h"
#include "RecordingPrompts.h"
#include "Rk520App.h"
#include "Rk520Profile.h"
#include "Rk7400App.h"
#include "Rk7400Profile.h"
#include "SettingsLocation.h"
#include "TestFiles.h"
#include "TestImages.h"
#include "Programs.h"
#include "TestRunner.h"

using rk::test::RecordingPrompts;

namespace {

using rk::test::Utf;

}  // namespace

class ChannelTablePanelTest : public QObject {
    Q_OBJECT
public:
    explicit ChannelTablePanelTest(const rk::ModelProfile& profile) : m_profile(profile) {}

private:
    void Start(const rk::ModelProfile& profile, bool sample) {
        m_program.reset();
        m_program = rk::test::MakeProgram(profile);
        QVERIFY(m_program->Start({}));
        if (sample) m_program->Document().LoadImage(rk::test::SampleImage());
        m_program->View().OnInitialUpdate();
        CMainFrame& frame = m_program->MainFrame();
        frame.Command(rk::command::kViewChannelTable)->setChecked(true);
        QApplication::setActiveWindow(&frame);
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QVERIFY(frame.ChannelTable());
        Table()->setFocus();
    }
    QTableView* Table() const { return m_program->MainFrame().ChannelTable()->Table(); }
    rk::ChannelTableModel* Model() const { return m_program->MainFrame().ChannelTable()->Model(); }
    int ColumnOf(rk::ChannelColumn column) const {
        for (int i = 0; i < Model()->columnCount(); ++i)
            if (Model()->Column(i) == column) return i;
        return -1;
    }
    void ClickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
        const QModelIndex index = Model()->index(row, 0);
        Table()->scrollTo(index);
        QTest::mouseClick(Table()->viewport(), Qt::LeftButton, modifiers, Table()->visualRect(index).center());
    }
    // Types into the cell's editor and presses Enter.
    void TypeInto(int row, rk::ChannelColumn column, const QString& text) {
        const QModelIndex index = Model()->index(row, ColumnOf(column));
        Table()->setCurrentIndex(index);
        Table()->edit(index);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits on a queued call and deletes its editor later.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString FormField(int id) const { return static_cast<QLineEdit*>(m_program->View().Control(id))->text(); }
    const rk::RadioImage& Image() const { return m_program->Document().Image(); }

private slots:
    void init() {
        rk::ProgramSettings(m_profile.shell.programTitle).clear();
        m_prompts = std::make_unique<RecordingPrompts>();
    }
    void cleanup() {
        m_program.reset();
        m_prompts.reset();
    }

    void hiddenUntilAskedForAndKeptForTheNextRun() {
        m_program = rk::test::MakeProgram(m_profile);
        QVERIFY(m_program->Start({}));
        CMainFrame& frame = m_program->MainFrame();
        QVERIFY(!frame.ChannelTable());
        QAction* item = frame.Command(rk::command::kViewChannelTable);
        QCOMPARE(item->text(), Utf(m_profile.tableView.command));
        QCOMPARE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
        item->trigger();
        QVERIFY(frame.ChannelTable() && frame.ChannelTable()->isVisible());
        QCOMPARE(frame.dockWidgetArea(frame.ChannelTable()), Qt::RightDockWidgetArea);
        frame.ChannelTable()->Table()->setColumnWidth(1, 123);
        frame.removeDockWidget(frame.ChannelTable());
        frame.addDockWidget(Qt::LeftDockWidgetArea, frame.ChannelTable());
        frame.ChannelTable()->show();
        QVERIFY(frame.close());

        m_program = rk::test::MakeProgram(m_profile);
        QVERIFY(m_program->Start({}));
        CMainFrame& again = m_program->MainFrame();
        QVERIFY(again.ChannelTable() && !again.ChannelTable()->isHidden());
        QVERIFY(again.Command(rk::command::kViewChannelTable)->isChecked());
        QCOMPARE(again.dockWidgetArea(again.ChannelTable()), Qt::LeftDockWidgetArea);
        QCOMPARE(again.ChannelTable()->Table()->columnWidth(1), 123);
        again.Command(rk::command::kViewChannelTable)->trigger();
        QVERIFY(again.ChannelTable()->isHidden());
        QVERIFY(again.close());

        // Widths saved under another language's headers are refitted.
        rk::ProgramSettings(m_profile.shell.programTitle).setValue("ChannelTable/ColumnsLanguage", "xx");
        m_program = rk::test::MakeProgram(m_profile);
        QVERIFY(m_program->Start({}));
        m_program->MainFrame().Command(rk::command::kViewChannelTable)->trigger();
        QVERIFY(m_program->MainFrame().ChannelTable()->Table()->columnWidth(1) != 123);
    }

    void modelPassesTheTesterThroughEdits() {
        Start(m_profile, true);
        QAbstractItemModelTester tester(Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(Model()->rowCount(), 64);
        // Only the options the form has.
        QCOMPARE(ColumnOf(rk::ChannelColumn::Talkaround) >= 0, m_profile.hasTalkaround);
        QCOMPARE(ColumnOf(rk::ChannelColumn::TxInhibit) >= 0, m_profile.hasTxInhibit);
        // Channel 4 is not configured: empty frequency, grey row.
        QCOMPARE(Model()->index(3, ColumnOf(rk::ChannelColumn::RxFrequency)).data().toString(), QString());
        QVERIFY(Model()->index(3, 0).data(Qt::ForegroundRole).isValid());
        QCOMPARE(Model()->index(0, ColumnOf(rk::ChannelColumn::RxFrequency)).data().toString(), QStringLiteral("400.125"));
        QCOMPARE(Model()->index(1, ColumnOf(rk::ChannelColumn::RxCode)).data().toString(), QStringLiteral("74.4"));
        QCOMPARE(Model()->headerData(4, Qt::Vertical).toString(), rk::ChannelName(m_profile, 4));
        TypeInto(1, rk::ChannelColumn::SquelchLevel, "9");
        ClickRow(3);
        QTest::keyClick(Table(), Qt::Key_Down, Qt::AltModifier);
    }

    void aCellEditReachesTheBytesAndTheForm() {
        Start(m_profile, true);
        ClickRow(2);
        QCOMPARE(m_program->View().EditChannel(), 2);
        // The form's number rules: rk7400 takes a decimal comma.
        const QString typed = m_profile.rules.acceptsDecimalComma ? "435,125" : "435.125";
        TypeInto(2, rk::ChannelColumn::RxFrequency, typed);
        QCOMPARE(Image().Channel(2).rxFreq(), 43'512'500u);
        QCOMPARE(FormField(rk::ctl::kRxFreq), QStringLiteral("435.125"));
        QVERIFY(m_program->Document().IsModified());
        // A channel becoming configured joins the form's list.
        TypeInto(3, rk::ChannelColumn::RxFrequency, "401");
        TypeInto(3, rk::ChannelColumn::TxFrequency, "401");
        auto* valid = static_cast<rk::ChoiceList*>(m_program->View().Control(rk::ctl::kValidList));
        QCOMPARE(Image().Channel(3).txFreq(), 40'100'000u);
        QCOMPARE(valid->count(), 10);
        // The form's edit shows in the table at once.
        ClickRow(0);
        auto* delay = static_cast<QLineEdit*>(m_program->View().Control(rk::ctl::kDelay));
        delay->selectAll();
        QTest::keyClicks(delay, "2.5");
        QCOMPARE(Model()->index(0, ColumnOf(rk::ChannelColumn::RepeaterDelay)).data().toString(), QStringLiteral("2.5"));
        // A form channel change selects the row.
        auto* selector = static_cast<rk::ChoiceList*>(m_program->View().Control(rk::ctl::kChannelSelector));
        QListWidgetItem* item = selector->item(7);
        selector->scrollToItem(item);
        QTest::mouseClick(selector->viewport(), Qt::LeftButton, {}, selector->visualItemRect(item).center());
        QCOMPARE(Table()->currentIndex().row(), 7);
    }

    void aRefusedCellChangesNothingAndSaysWhy_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not a number") << int(rk::ChannelColumn::RxFrequency) << "4x5" << Utf(m_profile.editor.numberRequired);
        QTest::newRow("squelch 10") << int(rk::ChannelColumn::SquelchLevel) << "10" << Utf(m_profile.tableView.outOfRange);
        QTest::newRow("delay 25.6") << int(rk::ChannelColumn::RepeaterDelay) << "25.6" << Utf(m_profile.tableView.outOfRange);
        QTest::newRow("negative") << int(rk::ChannelColumn::TxFrequency) << "-1" << Utf(m_profile.tableView.outOfRange);
    }
    void aRefusedCellChangesNothingAndSaysWhy() {
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QString, reason);
        Start(m_profile, true);
        const rk::RadioImage before = Image();
        m_prompts->messages.clear();
        TypeInto(1, rk::ChannelColumn(column), text);
        QVERIFY(Image() == before);
        QVERIFY(!m_program->Document().IsModified());
        const QString message = m_program->MainFrame().statusBar()->currentMessage();
        QVERIFY2(message.endsWith(reason), qPrintable(message));
        QVERIFY(message.contains(Utf(m_profile.texts.report.channel).arg("02")));
        QVERIFY(m_prompts->messages.isEmpty());
    }

    void escapeCancelsAnEdit() {
        Start(m_profile, true);
        const QModelIndex index = Model()->index(1, ColumnOf(rk::ChannelColumn::RxFrequency));
        Table()->setCurrentIndex(index);
        QTest::keyClick(Table(), Qt::Key_F2);
        QPointer<QLineEdit> editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        QTest::keyClicks(editor, "9");
        QTest::keyClick(editor, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!editor);
        QVERIFY(!m_program->Document().IsModified());
    }

    void rowsCopiedFromRk520PasteIntoRk7400() {
        Start(Rk520Profile(), true);
        ClickRow(0);
        ClickRow(2, Qt::ShiftModifier);
        QTest::keyClick(Table(), Qt::Key_C, Qt::ControlModifier);
        const QMimeData* mime = QApplication::clipboard()->mimeData();
        QVERIFY(mime->text().startsWith("Location\tName\tFrequency\t"));
        QCOMPARE(mime->text().count('\n'), 4);
        QVERIFY(mime->data("text/csv").startsWith("Location,Name,Frequency,"));
        const rk::RadioImage source = Image();

        // Pasted where the user points: rows 01-03 go to 21-23.
        Start(Rk7400Profile(), false);
        ClickRow(20);
        QTest::keyClick(Table(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(m_prompts->questions.isEmpty() && m_prompts->messages.isEmpty());
        for (int c = 0; c < 3; ++c) {
            const auto a = source.Channel(c).Bytes();
            const auto b = Image().Channel(20 + c).Bytes();
            QVERIFY2(std::equal(a.begin(), a.begin() + 14, b.begin()), qPrintable(QString::number(c)));
        }
        QCOMPARE(Image().Settings().scanGroupA()[0], std::uint8_t{20});
        QCOMPARE(Image().Settings().scanGroupA()[1], std::uint8_t{22});
        QCOMPARE(Image().Channel(0).rxFreq(), 0u);
        QCOMPARE(Image().Channel(23).rxFreq(), 0u);
    }

    void spreadsheetRowsPasteAtTheSelectedRow() {
        Start(m_profile, true);
        ClickRow(40);
        QApplication::clipboard()->setText("Frequency\tDuplex\tOffset\tScanB\n146.52\t\t\tY\n147\t+\t0.6\tN\n148\t\t\tmaybe\n");
        m_prompts->yesNoAnswers.enqueue(false);
        QTest::keyClick(Table(), Qt::Key_V, Qt::ControlModifier);
        // The bad row is listed as the import lists it; No changes nothing.
        QCOMPARE(m_prompts->questions.size(), 1);
        QVERIFY(m_prompts->questions[0].startsWith(
            Utf(m_profile.channelTable.valueProblemLine).arg(4).arg("ScanB", "maybe", Utf(m_profile.channelTable.reasons.notYesOrNo))));
        QCOMPARE(Image().Channel(40).rxFreq(), 0u);
        m_prompts->yesNoAnswers.enqueue(true);
        QTest::keyClick(Table(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Image().Channel(40).rxFreq(), 14'652'000u);
        QCOMPARE(Image().Channel(41).txFreq(), 14'760'000u);
        QCOMPARE(Image().Channel(42).rxFreq(), 0u);
        QCOMPARE(Image().Settings().scanGroupB()[1], std::uint8_t{40});
    }

    // A transmit-inhibited split channel copied onto itself stays as it is,
    // and the status bar says that nothing changed.
    void anInhibitedSplitChannelPastedOntoItselfIsUnchanged() {
        Start(m_profile, true);
        m_program->Document().EditChannel(1, [](const rk::ChannelRecord& r) {
            r.setTxFreq(44'000'500);
            r.SetCodeFlag(rk::kTxInhibit, true);
        });
        const rk::RadioImage before = Image();
        const auto steps = m_program->Document().History().StepCount();
        ClickRow(1);
        QTest::keyClick(Table(), Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(Table(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(Image() == before);
        QCOMPARE(m_program->Document().History().StepCount(), steps);
        QCOMPARE(m_program->MainFrame().statusBar()->currentMessage(), Utf(m_profile.tableView.pasteUnchanged));
    }

    // A receive frequency typed into an empty row sets both: the row comes
    // into use. A frequency stored on a channel not in use shows, greyed.
    void aFrequencyTypedIntoAnEmptyRowShows() {
        Start(m_profile, true);
        QVERIFY(!Image().IsChannelConfigured(3));
        TypeInto(3, rk::ChannelColumn::RxFrequency, "437.5");
        QCOMPARE(Image().Channel(3).rxFreq(), 43'750'000u);
        QCOMPARE(Image().Channel(3).txFreq(), 43'750'000u);
        QCOMPARE(Model()->index(3, ColumnOf(rk::ChannelColumn::RxFrequency)).data().toString(), QStringLiteral("437.5"));
        QVERIFY(!Model()->index(3, 0).data(Qt::ForegroundRole).isValid());
        auto* valid = static_cast<rk::ChoiceList*>(m_program->View().Control(rk::ctl::kValidList));
        QCOMPARE(valid->count(), 10);
        // The transmit frequency cleared: stored receive frequency, grey row.
        TypeInto(3, rk::ChannelColumn::TxFrequency, "0");
        QCOMPARE(Model()->index(3, ColumnOf(rk::ChannelColumn::RxFrequency)).data().toString(), QStringLiteral("437.5"));
        QCOMPARE(Model()->index(3, ColumnOf(rk::ChannelColumn::TxFrequency)).data().toString(), QString());
        QVERIFY(Model()->index(3, 0).data(Qt::ForegroundRole).isValid());
        QCOMPARE(valid->count(), 9);
    }

    // The form, the table and a table file take the repeater delay alike:
    // finer digits dropped, refused past what its byte holds.
    void theDelayIsTakenAlikeThroughEachDoor_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");  // -1: refused
        QTest::newRow("25.5") << "25.5" << 255;
        QTest::newRow("25.55") << "25.55" << 255;
        QTest::newRow("25.6") << "25.6" << -1;
    }
    void theDelayIsTakenAlikeThroughEachDoor() {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        Start(m_profile, true);
        const std::uint8_t before = Image().Channel(1).repeaterDelay();
        const int expected = stored < 0 ? before : stored;
        // The table.
        TypeInto(1, rk::ChannelColumn::RepeaterDelay, typed);
        QCOMPARE(int(Image().Channel(1).repeaterDelay()), expected);
        QCOMPARE(m_program->MainFrame().statusBar()->currentMessage().endsWith(Utf(m_profile.tableView.outOfRange)), stored < 0);
        // The form, on channel 03.
        ClickRow(2);
        const int formBefore = Image().Channel(2).repeaterDelay();
        auto* delay = static_cast<QLineEdit*>(m_program->View().Control(rk::ctl::kDelay));
        delay->setFocus();
        delay->selectAll();
        delay->insert(m_profile.rules.acceptsDecimalComma ? QString(typed).replace('.', ',') : typed);
        QCOMPARE(int(Image().Channel(2).repeaterDelay()), stored < 0 ? formBefore : stored);
        QCOMPARE(m_prompts->messages, stored < 0 ? QStringList{Utf(m_profile.tableView.outOfRange)} : QStringList{});
        // A table file.
        const auto file = rk::ImportChannelTable(Image(), ("Location,Frequency,RepeaterDelay\n2,400.125," + typed).toStdString());
        QCOMPARE(file.importedRows.size(), stored < 0 ? 0u : 1u);
        QCOMPARE(int(file.image.Channel(1).repeaterDelay()), expected);
    }

    // A cell refused on one of many rows names that row's channel.
    void aRefusalOnManyRowsNamesTheRefusedChannel() {
        Start(m_profile, true);
        std::vector<int> channels(rk::kScanGroupSlots + 1);
        std::iota(channels.begin(), channels.end(), 0);
        QVERIFY(Model()->SetOnChannels(ColumnOf(rk::ChannelColumn::RxFrequency), channels, "401"));
        const QString yes = Utf(m_profile.editor.optionYes);
        // Group A holds 01 and 03: 16 slots are full at 16, so 17 is refused.
        QVERIFY(!Model()->SetOnChannels(ColumnOf(rk::ChannelColumn::ScanGroupA), channels, yes));
        const QString message = m_program->MainFrame().statusBar()->currentMessage();
        QVERIFY2(message.contains(Utf(m_profile.texts.report.channel).arg("17")), qPrintable(message));
        QVERIFY(!message.contains(Utf(m_profile.texts.report.channel).arg("01")));
        QVERIFY(Model()->SetOnChannels(ColumnOf(rk::ChannelColumn::ScanGroupA), {channels.begin(), channels.end() - 1}, yes));
        QCOMPARE(Image().Settings().scanGroupA()[rk::kScanGroupSlots - 1], std::uint8_t{rk::kScanGroupSlots - 1});
    }

    // A value set on many rows is one step named by the field and the count.
    void aValueOnManyRowsNamesItsStepByTheCount() {
        Start(m_profile, true);
        const int power = ColumnOf(rk::ChannelColumn::Power);
        QVERIFY(Model()->SetOnChannels(power, {4, 5, 6, 7}, Utf(m_profile.editor.powerHigh)));
        QVERIFY(Model()->SetOnChannels(power, {4, 5, 6, 7}, Utf(m_profile.editor.powerLow)));
        const QString expected = m_profile.hasTxInhibit ? QStringLiteral("撤销 4个频道 功率选择")
                                                        : QStringLiteral("Отменить: мощность, 4 канала");
        QAction* undo = m_program->MainFrame().Command(rk::command::kEditUndo);
        QCOMPARE(undo->text(), expected);
        QTest::keyClick(Table(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_program->MainFrame().Command(rk::command::kEditRedo)->text(),
                 QString(expected).replace(QStringLiteral("撤销"), QStringLiteral("重做")).replace(QStringLiteral("Отменить"), QStringLiteral("Повторить")));
    }

    void clearAndMoveKeepScanGroupsRight() {
        Start(m_profile, true);
        // Channels 1 and 2 (group A holds 1 and 3) move down over channel 3.
        ClickRow(1);
        ClickRow(2, Qt::ShiftModifier);
        const rk::RadioImage before = Image();
        const QString rowOneBefore = Model()->index(1, ColumnOf(rk::ChannelColumn::RxFrequency)).data().toString();
        QTest::keyClick(Table(), Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(Image().Channel(2).rxFreq(), before.Channel(1).rxFreq());
        QCOMPARE(Image().Channel(1).rxFreq(), before.Channel(3).rxFreq());
        QCOMPARE(Image().Settings().scanGroupA()[0], std::uint8_t{0});
        QCOMPARE(Image().Settings().scanGroupA()[1], std::uint8_t{3});
        QCOMPARE(Table()->selectionModel()->selectedRows().size(), 2);
        QCOMPARE(m_program->View().EditChannel(), 2);
        // Channel 1 in group A is cleared and leaves it.
        ClickRow(0);
        QTest::keyClick(Table(), Qt::Key_Delete);
        QCOMPARE(Image().Channel(0).rxFreq(), 0u);
        QCOMPARE(Image().Channel(0).squelchLevel(), std::uint8_t{3});
        QCOMPARE(Image().Settings().scanGroupA()[0], std::uint8_t{3});
        QCOMPARE(Image().Settings().scanGroupA()[1], rk::kEmptySlot);
        QCOMPARE(FormField(rk::ctl::kRxFreq), QStringLiteral("0"));

        // One row selected sorts every channel: the unconfigured go last and
        // group B's channel 10 becomes channel 8.
        const rk::RadioImage unsorted = Image();
        ClickRow(5);
        m_program->MainFrame().ChannelTable()->RowActions().last()->trigger();
        QCOMPARE(Image().Channel(0).rxFreq(), unsorted.Channel(2).rxFreq());
        QCOMPARE(Image().Settings().scanGroupB()[0], std::uint8_t{7});
        QVERIFY(!Image().IsChannelConfigured(8));

        // A value set on the selection at once.
        const int squelch = ColumnOf(rk::ChannelColumn::SquelchLevel);
        QVERIFY(Model()->SetOnChannels(squelch, {0, 1, 2}, "7"));
        for (int c = 0; c < 3; ++c) QCOMPARE(Image().Channel(c).squelchLevel(), std::uint8_t{7});
        QCOMPARE(Model()->index(2, squelch).data().toString(), QStringLiteral("7"));
        QVERIFY(!Model()->SetOnChannels(squelch, {0, 1}, "12"));
        QCOMPARE(Image().Channel(0).squelchLevel(), std::uint8_t{7});

        // Each of these is one step, named by its command, undone by one
        // Ctrl+Z from the table; the table and the form show the result.
        QAction* undo = m_program->MainFrame().Command(rk::command::kEditUndo);
        const auto& h = m_profile.history;
        const auto& t = m_profile.tableView;
        QTest::keyClick(Table(), Qt::Key_Z, Qt::ControlModifier);  // the squelch set on three
        QCOMPARE(undo->text(), Utf(h.undoField).arg(Utf(t.sort)));
        QTest::keyClick(Table(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Image(), unsorted);
        QCOMPARE(undo->text(), Utf(h.undoField).arg(Utf(t.clear)));
        QTest::keyClick(Table(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(undo->text(), Utf(h.undoField).arg(Utf(t.moveDown)));
        QTest::keyClick(Table(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Image(), before);
        QCOMPARE(Model()->index(1, ColumnOf(rk::ChannelColumn::RxFrequency)).data().toString(), rowOneBefore);
        // The row commands stand in the Edit menu too, after Undo and Redo.
        const QList<QAction*> edit = m_program->MainFrame().menuBar()->actions().at(1)->menu()->actions();
        QCOMPARE(edit.mid(3), m_program->MainFrame().ChannelTable()->RowActions());
    }

    void sheetListsTheConfiguredChannels() {
        Start(m_profile, true);
        const QString html = rk::ChannelSheetHtml(m_profile, Image(), "radio", QDate(2026, 12, 7));
        QTextDocument sheet;
        sheet.setHtml(html);
        const QStringList lines = sheet.toPlainText().split('\n');
        // Nine configured channels, each starting its row with its name.
        for (int c = 0; c < 10; ++c) QCOMPARE(lines.contains(rk::ChannelName(m_profile, c)), c != 3);
        QVERIFY(lines.contains("400.125") && lines.contains("400.625"));
        QVERIFY(lines.contains(Utf(m_profile.texts.report.scanGroupA) + ": " + rk::ChannelName(m_profile, 0) + ", " +
                               rk::ChannelName(m_profile, 2)));
        QVERIFY(lines.contains(Utf(m_profile.texts.report.band) + QStringLiteral(": 400–420 MHz")));
        QCOMPARE(lines.contains(Utf(m_profile.texts.report.totLimit) + ": " + Utf(m_profile.tableView.sheetMinutes).arg(5)),
                 m_profile.hasTotLimit);

        QTemporaryDir dir;
        m_prompts->fileNames.enqueue(dir.filePath("sheet"));
        m_program->MainFrame().Command(rk::command::kFileExportTablePdf)->trigger();
        QFile pdf(dir.filePath("sheet.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        // The file itself holds the sheet: its text, taken out of the PDF.
        const QString printed = rk::test::PdfText(pdf.fileName());
        QVERIFY2(!printed.isEmpty(), "pdftotext (poppler-utils) reads the PDF");
        for (int c = 0; c < 10; ++c) QCOMPARE(printed.contains(rk::ChannelName(m_profile, c)), c != 3);
        QVERIFY(printed.contains("400.125") && printed.contains("400.625"));
        QVERIFY(printed.contains(QStringLiteral("400–420 MHz")));
        QCOMPARE(m_program->MainFrame().Command(rk::command::kFilePrintTable)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    }

private:
    const rk::ModelProfile& m_profile;
    std::unique_ptr<RecordingPrompts> m_prompts;
    std::unique_ptr<rk::ProgramShell> m_program;
};

RK_TEST_MAIN_PER_MODEL(ChannelTablePanelTest)

#include "ChannelTablePanelTest.moc"
