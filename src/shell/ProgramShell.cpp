#include "ProgramShell.h"

#include <QAction>
#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <cstdio>

#include "CloneLink.h"
#include "SystemPorts.h"
#include "TransferSession.h"
#include "CommandLine.h"
#include "DocumentFiles.h"
#include "FormView.h"
#include "Languages.h"
#include "MainFrame.h"
#include "ProgramIcon.h"
#include "Prompts.h"
#include "RecentFiles.h"
#include "SettingsLocation.h"
#include "Texts.h"
#include "TransferCommands.h"
#include "TransferPresenter.h"
#include "TranslatedTexts.h"

namespace rk {

void PrepareApplication(QApplication& app, const ModelProfile& profile, const QStringList& arguments) {
    QCoreApplication::setOrganizationName(SettingsOrganization());
    QCoreApplication::setApplicationName(QString::fromUtf8(profile.shell.programTitle));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(profile.rules.programName));
    QApplication::setWindowIcon(ProgramIcon(QString::fromUtf8(profile.rules.programName)));
    const QString requested = ParseCommandLine(arguments).language;
    if (!requested.isEmpty() && !HasLanguage(profile, requested)) {
        QStringList choices;
        for (const Language& language : AvailableLanguages(profile)) choices << language.code;
        std::fprintf(stderr, "%s: no language \"%s\"; --lang takes %s\n", profile.rules.programName,
                     qPrintable(requested), qPrintable(choices.join(QStringLiteral(", "))));
    }
    InstallLanguage(app, profile, StartLanguage(profile, requested));
}

std::optional<int> AnswerCommandLine(const ModelProfile& profile, const QStringList& arguments) {
    const CommandLine line = ParseCommandLine(arguments);
    const QString program = QString::fromLatin1(profile.rules.programName);
    if (line.help) {
        QStringList codes;
        for (const Language& language : AvailableLanguages(profile)) codes << language.code;
        std::fputs(qPrintable(Usage(program, codes)), stdout);
        return 0;
    }
    if (line.version) {
        std::printf("%s %s\n", profile.rules.programName, RK_VERSION);
        return 0;
    }
    return std::nullopt;
}

ProgramShell::ProgramShell(const ModelProfile& profile, std::unique_ptr<RadioDocument> document,
                           const ViewFactory& makeView)
    : m_profile(profile),
      m_document(std::move(document)),
      m_texts(std::make_unique<TranslatedTexts>(profile.texts)),
      m_port(MakeSystemPort()),
      m_link(std::make_unique<CloneLink>(profile.rules, *m_port)),
      m_session(std::make_unique<TransferSession>(*m_link)) {
    SetTextContext(profile.rules.programName);
    m_recent = std::make_unique<RecentFiles>(profile.shell.programTitle);
    m_files = std::make_unique<DocumentFiles>(*m_document, profile);
    m_transfer = std::make_unique<TransferCommands>(profile, *m_texts, *m_session, *m_files);
    m_files->SetLastFolder(m_recent->LastFolder());
    m_makeView = makeView;
    BuildWindow();

    // The platform's default size; the first form shown shrinks it.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        m_frame->resize(screen->availableGeometry().size() * 3 / 4);
}

void ProgramShell::BuildWindow() {
    m_view = m_makeView(*m_document, m_profile);
    m_frame = std::make_unique<CMainFrame>(m_profile, *m_files, *m_recent, *m_view, *m_link, *m_transfer);
    m_presenter = std::make_unique<TransferPresenter>(m_profile, *m_texts, *m_session, *m_document, *m_view,
                                                      *m_frame->StatusPanes(), *m_transfer);
    QObject::connect(m_presenter.get(), &TransferPresenter::backupChosen, m_files.get(), &DocumentFiles::OpenCopy);
    QObject::connect(m_transfer.get(), &TransferCommands::seriesRefused, m_presenter.get(),
                     &TransferPresenter::ShowRefusal);
    Prompts::SetDialogContext(m_frame.get(), Tr(m_profile.shell.programTitle));
    QObject::connect(m_files.get(), &DocumentFiles::DocumentReplaced, m_frame.get(), [this] { StartOver(); });
    // After the menu that chose it has closed, since the window goes.
    QObject::connect(m_frame.get(), &CMainFrame::languageChosen, m_frame.get(),
                     [this] { SwitchLanguage(); }, Qt::QueuedConnection);
}

void ProgramShell::SwitchLanguage() {
    const QString code = ChosenLanguage(m_profile);
    if (code == CurrentLanguage()) return;
    // Between two radios of a series the link rests, but the series window
    // stays in the language it began in.
    if (!m_link->IsIdle() || m_transfer->InSeries()) {
        if (Prompts::Current().AskYesNo(Tr(m_profile.shell.languageRestartQuestion))) return Restart();
        // The window keeps its language until the next start; so does the tick.
        if (auto* tick = m_frame->findChild<QAction*>(QStringLiteral("language-") + CurrentLanguage()))
            tick->setChecked(true);
        return;
    }
    InstallLanguage(*qApp, m_profile, code);
    m_texts->Retranslate(m_profile.texts);
    const QPoint position = m_frame->pos();
    const bool shown = m_frame->isVisible();
    m_presenter.reset();
    // The old window goes once the event that chose the language is over.
    m_frame->hide();
    m_frame.release()->deleteLater();
    BuildWindow();
    m_view->OnInitialUpdate();
    // The texts of the new language may need more room: from the default
    // size, as at the start, the window shrinks to the form.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        m_frame->resize(screen->availableGeometry().size() * 3 / 4);
    m_frame->move(position);
    if (shown) m_frame->show();
    m_frame->FitToForm();
    m_frame->activateWindow();
}

void ProgramShell::Restart() {
    // The window asks what it asks on closing: about the write, the changes.
    if (!m_frame->close()) return;
    const QString path = m_files->FilePath();
    QProcess::startDetached(QCoreApplication::applicationFilePath(), path.isEmpty() ? QStringList{} : QStringList{path});
    QCoreApplication::quit();
}

ProgramShell::~ProgramShell() {
    Prompts::SetDialogContext(nullptr, QString());
}

bool ProgramShell::Start(const QStringList& arguments) {
    const QStringList files = ParseCommandLine(arguments).files;
    const bool started = files.isEmpty() ? m_files->New() : m_files->Load(files.first());
    if (!started) return false;
    m_frame->show();
    m_frame->FitToForm();
    m_frame->activateWindow();
    return true;
}

void ProgramShell::StartOver() {
    m_view->OnInitialUpdate();
    m_frame->FitToForm();
}

}  // namespace rk
