// The Edit menu of both programs through their real windows: what Undo and
// Redo are called in each language, typed keystrokes as one step, Ctrl+Z in
// an edit field, undoing a read and an import, and the save question after
// undoing back to the saved state.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "ChoiceList.h"
#include "DocumentFiles.h"
#include "FormView.h"
#include "MainFrame.h"
#include "ProgramShell.h"
#include "RecordingPrompts.h"
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

using rk::test::ChooseChannel;
using rk::test::OpenSample;
using rk::test::TypeInto;
using rk::test::RecordingPrompts;
using rk::test::Utf;
using namespace rk::command;

namespace {

// What the menu says in one language: its title, the items with no step,
// and the items naming an edit of channel 05's receive frequency, a read
// and an import.
struct Words {
    QString lang;  // empty: the program's own
    QString menu, undo, redo, undoField, redoField, undoRead, undoImport, undoBand;
};

struct Model {
    const rk::ModelProfile& profile;
    QList<Words> words;
};

}  // namespace

class EditMenuTest : public QObject {
    Q_OBJECT
public:
    explicit EditMenuTest(Model model) : m_model(std::move(model)) {}

private:
    const rk::ModelProfile& Profile() const { return m_model.profile; }
    QAction* Undo() const { return m_program->MainFrame().Command(kEditUndo); }
    QAction* Redo() const { return m_program->MainFrame().Command(kEditRedo); }
    QLineEdit* Edit(int id) const { return static_cast<QLineEdit*>(m_program->View().Control(id)); }
    rk::ChoiceList* List(int id) const { return static_cast<rk::ChoiceList*>(m_program->View().Control(id)); }
    const rk::RadioImage& Image() const { return m_program->Document().Image(); }

    void Start(const QString& lang = {}) {
        const QStringList arguments = lang.isEmpty() ? QStringList{} : QStringList{QStringLiteral("--lang"), lang};
        rk::PrepareApplication(*qApp, Profile(), arguments);
        m_program = rk::test::MakeProgram(Profile());
        QVERIFY(m_program->Start(arguments));
        m_program->MainFrame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_program->MainFrame()));
    }
    void Key(int id, Qt::Key key) { QTest::keyClick(Edit(id), key, Qt::ControlModifier); }
    // A completed read: the image the radio sent, taken as the program takes it.
    void CompleteRead(const rk::RadioImage& image) {
        m_program->Document().TakeReadImage(image);
        m_program->View().ShowReadImage();
    }
    void Import(const QByteArray& csv) {
        const QString path = m_dir.filePath(QStringLiteral("in.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(csv);
        file.close();
        m_prompts->fileNames.enqueue(path);
        m_program->MainFrame().Command(kFileImportTable)->trigger();
    }

private slots:
    void init() {
        rk::ProgramSettings(Profile().shell.programTitle).clear();
        m_prompts = std::make_unique<RecordingPrompts>();
    }
    void cleanup() {
        m_program.reset();
        m_prompts.reset();
        rk::PrepareApplication(*qApp, Profile());
    }

    void itemsNameTheStepInEachLanguage() {
        for (const Words& w : m_model.words) {
            Start(w.lang);
            CMainFrame& frame = m_program->MainFrame();
            // After the File menu, with nothing to act on.
            QCOMPARE(frame.menuBar()->actions().at(1)->text(), w.menu);
            QCOMPARE(frame.menuBar()->actions().at(1)->menu()->actions(), (QList<QAction*>{Undo(), Redo()}));
            QCOMPARE(Undo()->text(), w.undo);
            QCOMPARE(Redo()->text(), w.redo);
            QVERIFY(!Undo()->isEnabled() && !Redo()->isEnabled());

            ChooseChannel(*m_program, 4);
            TypeInto(*m_program, rk::ctl::kRxFreq, QStringLiteral("435.125"));
            QCOMPARE(Undo()->text(), w.undoField);
            QVERIFY(Undo()->isEnabled() && !Redo()->isEnabled());
            Undo()->trigger();
            QCOMPARE(Redo()->text(), w.redoField);
            QCOMPARE(Undo()->text(), w.undo);
            QVERIFY(!Undo()->isEnabled() && Redo()->isEnabled());

            TypeInto(*m_program, rk::ctl::kBandLow, QStringLiteral("136"));
            QCOMPARE(Undo()->text(), w.undoBand);
            CompleteRead(rk::test::SampleImage());
            QCOMPARE(Undo()->text(), w.undoRead);
            Import("Location,Frequency,Duplex,Offset,Power\n3,410.5,+,1,Low\n");
            QCOMPARE(Undo()->text(), w.undoImport);
            m_prompts->saveChoices.enqueue(rk::SaveChoice::Discard);
            m_program.reset();
        }
    }

    // Keystrokes in one field of one channel are one step; another field or
    // channel starts the next. Ctrl+Z and Ctrl+Y in the field act on the
    // document and the field shows what they restored.
    void typingIsOneStepAndTheKeysWinInTheField() {
        Start();
        const rk::RadioImage start = Image();
        ChooseChannel(*m_program, 2);
        TypeInto(*m_program, rk::ctl::kRxFreq, QStringLiteral("145.5"));
        const rk::RadioImage rxTyped = Image();
        TypeInto(*m_program, rk::ctl::kTxFreq, QStringLiteral("146"));
        const rk::RadioImage txTyped = Image();
        ChooseChannel(*m_program, 3);
        ChooseChannel(*m_program, 2);
        TypeInto(*m_program, rk::ctl::kTxFreq, QStringLiteral("147"));
        QCOMPARE(m_program->Document().History().StepCount(), std::size_t{3});

        Key(rk::ctl::kTxFreq, Qt::Key_Z);
        QCOMPARE(Image(), txTyped);
        QCOMPARE(Edit(rk::ctl::kTxFreq)->text(), QStringLiteral("146"));
        Key(rk::ctl::kTxFreq, Qt::Key_Z);
        QCOMPARE(Image(), rxTyped);
        QCOMPARE(Edit(rk::ctl::kTxFreq)->text(), QStringLiteral("0"));
        QCOMPARE(Edit(rk::ctl::kRxFreq)->text(), QStringLiteral("145.5"));
        Key(rk::ctl::kTxFreq, Qt::Key_Z);
        QCOMPARE(Image(), start);
        QCOMPARE(Edit(rk::ctl::kRxFreq)->text(), QStringLiteral("0"));
        QVERIFY(!m_program->Document().IsModified());
        Key(rk::ctl::kRxFreq, Qt::Key_Y);
        QCOMPARE(Image(), rxTyped);
        QCOMPARE(Edit(rk::ctl::kRxFreq)->text(), QStringLiteral("145.5"));
    }

    // A read over edited work and an import undo back to the edited work;
    // the step's channel is shown with both channel lists and the scan groups.
    void readAndImportUndoToTheWorkBefore() {
        Start();
        QVERIFY(OpenSample(*m_program, Profile(), QDir(m_dir.path())));
        ChooseChannel(*m_program, 5);
        const int groupA = List(rk::ctl::kGroupAList)->count();
        QTest::mouseClick(static_cast<QPushButton*>(m_program->View().Control(rk::ctl::kAddToGroupA)), Qt::LeftButton);
        QCOMPARE(List(rk::ctl::kGroupAList)->count(), groupA + 1);
        const rk::RadioImage edited = Image();
        const QStringList validBefore = [&] {
            QStringList names;
            for (int i = 0; i < List(rk::ctl::kValidList)->count(); ++i) names << List(rk::ctl::kValidList)->item(i)->text();
            return names;
        }();

        rk::RadioImage read;
        read.Channel(0).setRxFreq(43'512'500);
        read.Channel(0).setTxFreq(43'512'500);
        CompleteRead(read);
        QCOMPARE(m_program->View().EditChannel(), 0);
        QCOMPARE(List(rk::ctl::kValidList)->count(), 1);
        Undo()->trigger();
        QCOMPARE(Image(), edited);
        QCOMPARE(m_program->View().EditChannel(), 5);
        QCOMPARE(List(rk::ctl::kChannelSelector)->SelectedRow(), 5);
        QCOMPARE(List(rk::ctl::kValidList)->count(), validBefore.size());
        QCOMPARE(List(rk::ctl::kGroupAList)->count(), groupA + 1);

        Import("Location,Frequency,Duplex,Offset,Power\n3,410.5,+,1,Low\n");
        // Only the summary of the radio's own columns the table lacks.
        QCOMPARE(m_prompts->messages.size(), 1);
        QVERIFY(m_prompts->messages[0].contains(QStringLiteral("Squelch")));
        QVERIFY(Image() != edited);
        Undo()->trigger();
        QCOMPARE(Image(), edited);
        // The scan group step: undone, channel 06 leaves group A on screen too.
        Undo()->trigger();
        QCOMPARE(Image(), rk::test::SampleImage());
        QCOMPARE(List(rk::ctl::kGroupAList)->count(), groupA);
        QVERIFY(!m_program->Document().IsModified());
        Redo()->trigger();
        QCOMPARE(List(rk::ctl::kGroupAList)->count(), groupA + 1);

        // Saved files agree byte for byte with what undo restored.
        Undo()->trigger();
        const QString path = m_dir.filePath(QStringLiteral("undone.rkd"));
        m_prompts->fileNames.enqueue(path);
        m_program->MainFrame().Command(kFileSaveAs)->trigger();
        QCOMPARE(rk::test::ReadFile(path), rk::test::FileBytes(rk::test::SampleImage()));
    }

    void closeAsksOnlyAwayFromTheSavedState() {
        Start();
        QVERIFY(OpenSample(*m_program, Profile(), QDir(m_dir.path())));
        CMainFrame& frame = m_program->MainFrame();
        TypeInto(*m_program, rk::ctl::kRxFreq, QStringLiteral("400.5"));
        QVERIFY(frame.isWindowModified());
        m_prompts->saveChoices.enqueue(rk::SaveChoice::Cancel);
        QVERIFY(!frame.close());
        QCOMPARE(m_prompts->questions.size(), 1);

        Key(rk::ctl::kRxFreq, Qt::Key_Z);
        QVERIFY(!frame.isWindowModified());
        // Past the saved state and back again: still nothing to ask.
        Key(rk::ctl::kRxFreq, Qt::Key_Y);
        Key(rk::ctl::kRxFreq, Qt::Key_Z);
        QVERIFY(frame.close());
        QCOMPARE(m_prompts->questions.size(), 1);
    }

private:
    Model m_model;
    QTemporaryDir m_dir;
    std::unique_ptr<RecordingPrompts> m_prompts;
    std::unique_ptr<rk::ProgramShell> m_program;
};

RK_TEST_PROGRAM(
    QApplication,
    rk::test::ForEachModel<EditMenuTest>(
        Model{Rk520Profile(),
                      {{{}, Utf("编辑(&E)"), Utf("撤销(&U)"), Utf("重做(&R)"), Utf("撤销 05频道 接收频率"),
                        Utf("重做 05频道 接收频率"), Utf("撤销 读取对讲机"), Utf("撤销 导入频道表"), Utf("撤销 频段")},
                       {"en", "&Edit", "&Undo", "&Redo", "Undo channel 05 Receive frequency",
                        "Redo channel 05 Receive frequency", "Undo read from radio", "Undo table import",
                        "Undo Band"}}},
        Model{Rk7400Profile(),
                       {{{}, Utf("Правка"), Utf("Отменить"), Utf("Повторить"), Utf("Отменить: Канал 05, Rx-частота"),
                         Utf("Повторить: Канал 05, Rx-частота"), Utf("Отменить: чтение с рации"),
                         Utf("Отменить: импорт каналов"), Utf("Отменить: Диапазон частот")},
                        {"en", "Edit", "Undo", "Redo", "Undo channel 05 RX frequency", "Redo channel 05 RX frequency",
                         "Undo read from radio", "Undo table import", "Undo Band"}}}))


#include "EditMenuTest.moc"
