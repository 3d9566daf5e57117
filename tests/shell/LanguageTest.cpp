// The interface languages of both programs: every shown text has its English
// translation, and the language is chosen by --lang for one run or in the View
// menu for the next start.

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <bit>
#include <QTranslator>
#include <algorithm>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "CloneLink.h"
#include "DocumentFiles.h"
#include "FormView.h"
#include "MainFrame.h"
#include "ModelProfile.h"
#include "RecordingPrompts.h"
#include "Rk520App.h"
#include "Rk520Profile.h"
#include "Rk520View.h"
#include "Rk7400App.h"
#include "Rk7400Profile.h"
#include "Rk7400View.h"
#include "SettingsLocation.h"
#include "CommandLine.h"
#include "ProgramShell.h"
#include "StatusPanes.h"
#include "TestFiles.h"
#include "Programs.h"
#include "TestRunner.h"

using rk::test::RecordingPrompts;
using rk::test::Utf;

namespace {


struct Model {
    const rk::ModelProfile& profile;
    std::function<std::unique_ptr<rk::FormView>(rk::RadioDocument&)> makeView;
    QString ownCode;
    QStringList englishMenus;
    QString englishTitle;
    QString englishValidation;  // what writing a new document's image refuses with
};

// Every profile and rules text a user sees. The port names are left out: they
// read the same in every language. The counts stop a text added to the
// profile from slipping past unlisted.
constexpr std::size_t kPointer = sizeof(const char*);

std::vector<const char*> ShownTexts(const rk::ModelProfile& p) {
    const auto& m = p.menu;
    std::vector<const char*> texts{m.file,      m.fileNew,   m.fileOpen,       m.fileSave,      m.fileSaveAs,
                                   m.recentPlaceholder,      m.fileExit,       m.view,          m.viewToolbar,
                                   m.viewStatusBar,          m.port,           m.operation,     m.operationWrite,
                                   m.operationRead,          m.help,           m.helpAbout,     m.language,
                                   m.languageName,           m.operationBackup, m.operationVerify,
                                   m.operationOpenBackups,   m.edit,           m.editUndo,      m.editRedo};
    const auto& c = p.prompts;
    for (const rk::CommandPrompt& prompt : {c.fileNew, c.fileOpen, c.fileSave, c.fileSaveAs, c.recentFile, c.fileExit,
                                            c.viewToolbar, c.viewStatusBar, c.portCom1, c.portCom2, c.write, c.read,
                                            c.language, c.backup, c.verify, c.openBackups}) {
        texts.push_back(prompt.prompt);
        texts.push_back(prompt.tooltip);
    }
    const auto& s = p.shell;
    texts.insert(texts.end(), {s.idleStatus, s.capsIndicator, s.numIndicator, s.scrollIndicator, s.aboutTitle,
                               s.aboutVersion, s.aboutCopyright, s.untitledName, s.cannotOpenFile, s.unexpectedFormat,
                               s.cannotWriteFile, s.saveChangesQuestion, s.quitDuringWriteQuestion, s.stopWriteQuestion,
                               s.writeStopped, s.noBeforeWriteBackup, s.stop,
                               s.progressConnect, s.progressRead, s.progressBackup, s.progressWrite,
                               s.progressVerify, s.portDevicePrompt, s.portNoDevice, s.languageRestartQuestion,
                               s.backupFolderIs});
    const auto& d = p.documentType;
    texts.insert(texts.end(), {d.windowTitle, d.filterName, d.bothTypesFilter, d.otherTypeFilter, d.allFilesFilter});
    const auto& e = p.editor;
    texts.insert(texts.end(), {e.channelName, e.codeTone, e.codeDigital, e.codeNone, e.optionNo, e.optionYes,
                               e.powerHigh, e.powerLow, e.numberRequired, e.bandHighTip});
    const auto& v = p.texts.check;
    texts.insert(texts.end(), {v.sameFreqTalkaround, v.sameFreqRepeater, v.sameFreqReverse, v.split, v.band,
                               v.rxOutOfBand, v.txOutOfBand, v.rxStep, v.txStep, v.totLimit, v.repeaterDelay});
    const auto& t = p.texts.transfer;
    texts.insert(texts.end(), {t.openFailedHandshake, t.openFailedBlockRequest, t.openFailedWriteBlock,
                               t.noHandshakeReply, t.readDone, t.writeDone, t.incompleteRead, t.portDevice,
                               t.portLine, t.portsTried, t.noSerialDevices, t.portUnassigned, t.portAbsent,
                               t.portPermission, t.portInUse, t.portOpenFailed, t.noReply, t.wrongReply,
                               t.nothingWritten, t.backupSaved, t.backupNotSaved, t.verifyMatches, t.verifyDiffers,
                               t.verifyReadFailed, t.partlyWritten, t.blockOnLine});
    // The report's texts are fields of the same structure throughout.
    const auto report = std::bit_cast<std::array<const char*, sizeof(rk::ReportTexts) / kPointer>>(p.texts.report);
    texts.insert(texts.end(), report.begin(), report.end());
    const auto history = std::bit_cast<std::array<const char*, sizeof(rk::HistoryTexts) / kPointer>>(p.history);
    texts.insert(texts.end(), history.begin(), history.end());
    const auto& ct = p.channelTable;
    texts.insert(texts.end(), {ct.exportCommand, ct.importCommand, ct.exportPrompt.prompt, ct.exportPrompt.tooltip,
                               ct.importPrompt.prompt, ct.importPrompt.tooltip, ct.filter, ct.semicolonFilter, ct.problemLine,
                               ct.rowProblem, ct.moreProblems, ct.importValidRows, ct.nothingToImport,
                               ct.unlistedCodes, ct.valueProblemLine, ct.exportSummary, ct.importSummary,
                               ct.checkRefusals, ct.absentColumns, ct.namesNotStored});
    const auto& r = ct.reasons;
    texts.insert(texts.end(), {r.missingColumn, r.unclosedQuote, r.required, r.notANumber, r.locationOutOfRange,
                               r.duplicateLocation, r.frequencyOutOfRange, r.unknownDuplex, r.unknownToneMode,
                               r.unknownCrossMode, r.toneNotInTable, r.dcsNotInTable, r.unknownPolarity,
                               r.unknownMode, r.unknownPower, r.squelchOutOfRange, r.delayOutOfRange,
                               r.notYesOrNo, r.scanGroupFull});
    const auto& b = p.backups;
    texts.insert(texts.end(), {b.command, b.prompt.prompt, b.prompt.tooltip, b.title, b.timeColumn, b.kindColumn,
                               b.channelsColumn, b.comparedColumn, b.kindRead, b.kindBeforeWrite, b.kindVerify,
                               b.kindSeries, b.kindSeriesVerify, b.unreadable, b.sameAsDocument, b.differences,
                               b.showOther, b.open, b.change});
    const auto& tv = p.tableView;
    texts.insert(texts.end(), {tv.command, tv.prompt.prompt, tv.prompt.tooltip, tv.copy, tv.paste, tv.clear, tv.moveUp,
                               tv.moveDown, tv.sort, tv.setOnSelected, tv.cellRefused, tv.outOfRange, tv.notInList,
                               tv.optionExcluded, tv.needsFrequency, tv.pasteUnchanged, tv.print, tv.printPrompt.prompt,
                               tv.printPrompt.tooltip, tv.exportPdf, tv.exportPdfPrompt.prompt,
                               tv.exportPdfPrompt.tooltip, tv.pdfFilter, tv.sheetFile, tv.sheetDate, tv.sheetMinutes});
    const auto& g = p.guide;
    texts.insert(texts.end(), {g.command, g.prompt.prompt, g.prompt.tooltip, g.notOpened, g.location, g.title, g.back,
                               g.forward, g.contents, g.openInBrowser});
    const auto& w = p.preview;
    texts.insert(texts.end(), {w.command, w.prompt.prompt, w.prompt.tooltip, w.write, w.cancel, w.same, w.openBackup,
                               w.heading, w.empty});
    const auto& sr = p.series;
    texts.insert(texts.end(), {sr.command, sr.prompt.prompt, sr.prompt.tooltip, sr.title, sr.image,
                               sr.previewFirstOnly, sr.writeNext, sr.finish, sr.retry, sr.next, sr.radioColumn,
                               sr.timeColumn, sr.portColumn, sr.resultColumn, sr.fieldsColumn, sr.backupColumn,
                               sr.verified, sr.written, sr.differs, sr.stopped, sr.summary, sr.openLog,
                               sr.logNotOpened, sr.logFailed});
    return texts;
}

static_assert(sizeof(rk::MenuTexts) == 26 * kPointer, "a menu text is missing from ShownTexts");
static_assert(sizeof(rk::CommandPrompts) == 16 * sizeof(rk::CommandPrompt), "a prompt is missing from ShownTexts");
// The program title names the settings and captions the message boxes as it is.
static_assert(sizeof(rk::ShellTexts) == 27 * kPointer, "a shell text is missing from ShownTexts");
// The new file's name serves the file, not the user.
static_assert(sizeof(rk::DocumentTypeTexts) == 6 * kPointer, "a document type text is missing from ShownTexts");
static_assert(sizeof(rk::EditorTexts) == 10 * kPointer, "an editor text is missing from ShownTexts");
static_assert(sizeof(rk::CheckTexts) == 11 * kPointer, "a check text is missing from ShownTexts");
static_assert(sizeof(rk::TransferTexts) == 26 * kPointer, "a transfer text is missing from ShownTexts");
static_assert(sizeof(rk::ChannelTableTexts) == 16 * kPointer + 2 * sizeof(rk::CommandPrompt) +
                                                   sizeof(rk::TableReasonTexts),
              "a channel table text is missing from ShownTexts");
static_assert(sizeof(rk::TableReasonTexts) == 19 * kPointer, "a table reason is missing from ShownTexts");
// The other program's name and extension read the same in every language.
static_assert(sizeof(rk::ChannelTableViewTexts) == 26 * kPointer, "a channel table text is missing from ShownTexts");
static_assert(sizeof(rk::BackupListTexts) == 21 * kPointer, "a backup list text is missing from ShownTexts");
static_assert(sizeof(rk::GuideTexts) == 8 * kPointer + sizeof(rk::CommandPrompt), "a guide text is missing from ShownTexts");
static_assert(sizeof(rk::WritePreviewTexts) == 7 * kPointer + sizeof(rk::CommandPrompt),
              "a write preview text is missing from ShownTexts");
static_assert(sizeof(rk::SeriesTexts) == 22 * kPointer + sizeof(rk::CommandPrompt),
              "a series text is missing from ShownTexts");

// Words of the model's own language; an arrow or a dash alone is not one.
bool HasNonAscii(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0x7F && c.isLetter(); });
}

// The form's captions and accessible names by widget, in the language
// installed when the view is built.
QHash<QString, QString> FormTexts(const Model& model) {
    rk::RadioDocument document;
    document.OnNewDocument();
    const std::unique_ptr<rk::FormView> view = model.makeView(document);
    QHash<QString, QString> texts;
    for (const QWidget* widget : view->findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (!widget->accessibleName().isEmpty()) texts.insert(name + "/accessible", widget->accessibleName());
        if (const auto* label = qobject_cast<const QLabel*>(widget)) texts.insert(name, label->text());
        if (const auto* group = qobject_cast<const QGroupBox*>(widget)) texts.insert(name, group->title());
        if (const auto* button = qobject_cast<const QPushButton*>(widget)) texts.insert(name, button->text());
    }
    return texts;
}

QStringList MenuTitles(CMainFrame& frame) {
    QStringList titles;
    for (QAction* action : frame.menuBar()->actions()) titles << action->text();
    return titles;
}

QAction* LanguageItem(CMainFrame& frame, const QString& code) {
    return frame.findChild<QAction*>(QStringLiteral("language-") + code);
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT
public:
    explicit LanguageTest(Model model) : m_model(std::move(model)) {}

private:
    const rk::ModelProfile& Profile() const { return m_model.profile; }
    const char* Context() const { return Profile().rules.programName; }

    // The program as its main() starts it with these arguments.
    std::unique_ptr<rk::ProgramShell> StartProgram(const QStringList& arguments) {
        rk::PrepareApplication(*qApp, Profile(), arguments);
        auto program = rk::test::MakeProgram(Profile());
        if (!program->Start(arguments)) return nullptr;
        return program;
    }

    QSettings Settings() const {
        return QSettings(QString::fromLatin1(rk::kSettingsOrganization), Utf(Profile().shell.programTitle));
    }

private slots:
    void init() { Settings().clear(); }
    void cleanup() {
        Settings().clear();
        rk::PrepareApplication(*qApp, Profile());
    }

    void everyShownTextHasItsEnglish() {
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(":/i18n/%1_en.qm").arg(Context())));
        for (const char* text : ShownTexts(Profile())) {
            const QString source = Utf(text);
            if (source == QLatin1String("%1")) continue;  // a bare channel number
            const QString translated = english.translate(Context(), text);
            QVERIFY2(!translated.isEmpty(), text);
            if (HasNonAscii(source)) QVERIFY2(translated != source, text);
            QVERIFY2(translated.count(QStringLiteral("%1")) == source.count(QStringLiteral("%1")), text);
            // A menu mnemonic stays a mnemonic.
            if (source.contains(QLatin1Char('&'))) QVERIFY2(translated.contains(QLatin1Char('&')), text);
        }
    }

    void everyFormCaptionHasItsEnglish() {
        const QHash<QString, QString> own = FormTexts(m_model);
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(":/i18n/%1_en.qm").arg(Context())));
        QCoreApplication::installTranslator(&english);
        const QHash<QString, QString> translated = FormTexts(m_model);
        QCoreApplication::removeTranslator(&english);

        QVERIFY(own.size() > 40);
        QCOMPARE(translated.keys().size(), own.keys().size());
        for (auto it = own.cbegin(); it != own.cend(); ++it) {
            if (!HasNonAscii(it.value())) continue;
            const QString shown = translated.value(it.key());
            QVERIFY2(!shown.isEmpty() && shown != it.value(), qPrintable(it.key() + ": " + it.value()));
        }
    }

    void langEnglishSpeaksEnglishEverywhere() {
        RecordingPrompts prompts;
        auto program = StartProgram({QStringLiteral("--lang"), QStringLiteral("en")});
        QVERIFY(program);
        CMainFrame& frame = program->MainFrame();
        QCOMPARE(MenuTitles(frame), m_model.englishMenus);
        QVERIFY(LanguageItem(frame, "en")->isChecked());
        QVERIFY(!LanguageItem(frame, m_model.ownCode)->isChecked());
        QCOMPARE(frame.windowTitle(), "Untitled[*] - " + m_model.englishTitle);
        QCOMPARE(frame.StatusPanes()->IdleText(), QStringLiteral("Ready"));
        QCOMPARE(program->View().findChild<QListWidget*>("m_powerList")->item(0)->text(), QStringLiteral("High"));
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));

        // A file message from the shell and a refusal from the rules.
        QTemporaryDir dir;
        const QString bad = dir.filePath("bad.rkd");
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("short");
        file.close();
        QVERIFY(!frame.OpenFile(bad));
        QVERIFY2(prompts.messages.value(0).startsWith("The file "), qPrintable(prompts.messages.value(0)));
        frame.Command(Profile().ids.write)->trigger();
        // A refused band is named with its value below the rule, in English too.
        QCOMPARE(prompts.messages.value(1).section(QLatin1Char('\n'), 0, 0), m_model.englishValidation);
        QCOMPARE(prompts.messages.value(1).section(QLatin1Char('\n'), 1), QString::fromUtf8("Band 0–20 MHz"));
        QVERIFY(!program->Link().IsWriting());
    }

    void menuChoiceSwitchesAtOnceAndIsKept() {
        auto program = StartProgram({});
        CMainFrame& frame = program->MainFrame();
        QAction* english = LanguageItem(frame, "en");
        QAction* own = LanguageItem(frame, m_model.ownCode);
        QVERIFY(english && own);
        QCOMPARE(english->text(), QStringLiteral("English"));
        QCOMPARE(own->text(), Utf(Profile().menu.languageName));
        QVERIFY(own->isChecked() && !english->isChecked());
        // The prompt says when the choice takes effect, in the current language.
        QCOMPARE(english->statusTip(), Utf(Profile().prompts.language.prompt).arg("English"));
        // The submenu comes last in the View menu.
        const QList<QAction*> viewItems = frame.menuBar()->actions().at(2)->menu()->actions();
        QCOMPARE(viewItems.last()->menu()->actions(), (QList<QAction*>{own, english}));

        english->trigger();
        // The window is built anew in English once the menu has closed.
        QTRY_COMPARE(MenuTitles(program->MainFrame()), m_model.englishMenus);
        CMainFrame& switched = program->MainFrame();
        QVERIFY(switched.isVisible());
        QCOMPARE(switched.StatusPanes()->IdleText(), QStringLiteral("Ready"));
        QCOMPARE(program->View().findChild<QListWidget*>("m_powerList")->item(0)->text(), QStringLiteral("High"));
        QVERIFY(LanguageItem(switched, "en")->isChecked());
        // And back: the own language's name is its own in every language.
        LanguageItem(switched, m_model.ownCode)->trigger();
        QTRY_COMPARE(MenuTitles(program->MainFrame()).first(), Utf(Profile().menu.file));
        LanguageItem(program->MainFrame(), "en")->trigger();
        QTRY_COMPARE(MenuTitles(program->MainFrame()), m_model.englishMenus);
        program.reset();

        program = StartProgram({});
        QCOMPARE(MenuTitles(program->MainFrame()), m_model.englishMenus);
        QVERIFY(LanguageItem(program->MainFrame(), "en")->isChecked());
        QCOMPARE(LanguageItem(program->MainFrame(), "en")->statusTip(),
                 QStringLiteral("Switch the interface to English"));
    }

    void helpAndVersionAnswerWithoutStarting() {
        QCOMPARE(rk::AnswerCommandLine(Profile(), {QStringLiteral("--help")}), std::optional<int>(0));
        QCOMPARE(rk::AnswerCommandLine(Profile(), {QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--version")}),
                 std::optional<int>(0));
        QCOMPARE(rk::AnswerCommandLine(Profile(), {QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("a.rkd")}),
                 std::nullopt);
        QVERIFY(rk::Usage(QStringLiteral("rk520"), {QStringLiteral("zh"), QStringLiteral("en")})
                    .contains(QStringLiteral("--lang CODE   the interface language of this run: zh, en\n")));
    }

    // Each run also names an image file, which must open beside --lang.
    void commandLineChoosesForOneRun_data() {
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<bool>("english");
        QTest::newRow("file alone") << "" << QStringList{} << QStringList{} << false;
        QTest::newRow("own language over kept English") << "en" << QStringList{"--lang", m_model.ownCode}
                                                        << QStringList{} << false;
        QTest::newRow("--lang= after the file") << "" << QStringList{} << QStringList{"--lang=en"} << true;
        QTest::newRow("language the program lacks: its own") << "en" << QStringList{"--lang", "xx"} << QStringList{} << false;
        QTest::newRow("--lang without value") << "en" << QStringList{} << QStringList{"--lang"} << true;
    }
    void commandLineChoosesForOneRun() {
        QFETCH(QString, kept);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(bool, english);
        if (!kept.isEmpty()) Settings().setValue("Settings/Language", kept);
        QTemporaryDir dir;
        const QString path = dir.filePath("fleet.rkd");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(1089, 0x11));
        file.close();

        auto program = StartProgram(before + QStringList{path} + after);
        QVERIFY(program);
        QCOMPARE(program->Files().FilePath(), path);
        QCOMPARE(program->Document().Image()[100], 0x11);
        QCOMPARE(MenuTitles(program->MainFrame()).first(),
                 english ? m_model.englishMenus.first() : Utf(Profile().menu.file));
        // --lang is never kept.
        QCOMPARE(Settings().value("Settings/Language").toString(), kept);
    }

private:
    Model m_model;
};

RK_TEST_PROGRAM(QApplication,
                rk::test::ForEachModel<LanguageTest>(
                    Model{Rk520Profile(), [](rk::RadioDocument& d) { return std::make_unique<CRk520View>(d); }, "zh",
                          QStringList{"&File", "&Edit", "&View", "&Port", "&Radio", "&Help"},
                          "Talvora RKP_520P Programming Software",
                          "The band must lie within 100–480 MHz, in steps of 1 MHz."},
                    Model{Rk7400Profile(), [](rk::RadioDocument& d) { return std::make_unique<CRk7400View>(d); }, "ru",
                          QStringList{"File", "Edit", "View", "Port", "Radio", "Help"}, "TLVR (RKP_7400) Programmer",
                          "The band must be from 100 MHz to 400 MHz, in steps of 1 MHz."}))

#include "LanguageTest.moc"
