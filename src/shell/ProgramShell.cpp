#include "ProgramShell.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

#include "DocumentFiles.h"
#include "FormView.h"
#include "MainFrame.h"
#include "ProgramIcon.h"
#include "Prompts.h"
#include "RecentFiles.h"
#include "Texts.h"

namespace rk {

void PrepareApplication(QApplication& app, const ModelProfile& profile) {
    QCoreApplication::setOrganizationName(QString::fromLatin1(kSettingsOrganization));
    QCoreApplication::setApplicationName(Tr(profile.shell.programTitle));
    QGuiApplication::setDesktopFileName(Tr(profile.programName));
    QApplication::setWindowIcon(ProgramIcon());
    // Qt's own dialogs and buttons speak the program's language.
    const QLocale locale(Tr(profile.language));
    QLocale::setDefault(locale);
    auto* translator = new QTranslator(&app);
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

ProgramShell::ProgramShell(const ModelProfile& profile, std::unique_ptr<RadioDocument> document,
                           const ViewFactory& makeView)
    : m_profile(profile), m_document(std::move(document)) {
    m_recent = std::make_unique<RecentFiles>(QString::fromLatin1(kSettingsOrganization),
                                             Tr(profile.shell.programTitle));
    m_files = std::make_unique<DocumentFiles>(*m_document, profile);
    m_files->SetLastFolder(m_recent->LastFolder());
    m_view = makeView(*m_document, profile);
    m_frame = std::make_unique<CMainFrame>(profile, *m_files, *m_recent, *m_view);
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
    const bool started = arguments.isEmpty() ? m_files->New() : m_files->Load(arguments.first());
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
