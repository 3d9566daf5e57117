#include "ProgramShell.h"

#include <QApplication>
#include <QScreen>

#include "CloneLink.h"
#include "CommandLine.h"
#include "DocumentFiles.h"
#include "FormView.h"
#include "Languages.h"
#include "MainFrame.h"
#include "ProgramIcon.h"
#include "Prompts.h"
#include "RecentFiles.h"
#include "Texts.h"
#include "TransferCommands.h"
#include "TransferPresenter.h"
#include "TranslatedTexts.h"

namespace rk {

void PrepareApplication(QApplication& app, const ModelProfile& profile, const QStringList& arguments) {
    QCoreApplication::setOrganizationName(QString::fromLatin1(kSettingsOrganization));
    QCoreApplication::setApplicationName(QString::fromUtf8(profile.shell.programTitle));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(profile.rules.programName));
    QApplication::setWindowIcon(ProgramIcon(QString::fromUtf8(profile.rules.programName)));
    InstallLanguage(app, profile, StartLanguage(profile, ParseCommandLine(arguments).language));
}

ProgramShell::ProgramShell(const ModelProfile& profile, std::unique_ptr<RadioDocument> document,
                           const ViewFactory& makeView)
    : m_profile(profile),
      m_document(std::move(document)),
      m_texts(std::make_unique<TranslatedTexts>(profile.rules, profile.report)),
      m_link(std::make_unique<CloneLink>(m_texts->Rules())) {
    SetTextContext(profile.rules.programName);
    m_recent = std::make_unique<RecentFiles>(QString::fromLatin1(kSettingsOrganization),
                                             QString::fromUtf8(profile.shell.programTitle));
    m_files = std::make_unique<DocumentFiles>(*m_document, profile);
    m_transfer = std::make_unique<TransferCommands>(profile, *m_link, *m_files);
    m_files->SetLastFolder(m_recent->LastFolder());
    m_view = makeView(*m_document, profile);
    m_frame = std::make_unique<CMainFrame>(profile, *m_files, *m_recent, *m_view, *m_link, *m_transfer);
    m_presenter = std::make_unique<TransferPresenter>(profile, *m_texts, *m_link, *m_document, *m_view,
                                                      *m_frame->StatusPanes());
    Prompts::SetDialogContext(m_frame.get(), Tr(profile.shell.programTitle));
    QObject::connect(m_files.get(), &DocumentFiles::DocumentReplaced, m_frame.get(), [this] { StartOver(); });

    // The platform's default size; the first form shown shrinks it.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        m_frame->resize(screen->availableGeometry().size() * 3 / 4);
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
