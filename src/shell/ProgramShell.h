#pragma once
// One program's objects for its whole life: the document, the transfer, the
// main window and the form view, and the start-up that acts on the command
// line.

#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "ModelProfile.h"
#include "RadioDocument.h"

class QApplication;
class CMainFrame;

namespace rk {

class CloneLink;
class TransferSession;
class SerialPort;
class DocumentFiles;
class FormView;
class RecentFiles;
class TransferCommands;
class TransferPresenter;
class TranslatedTexts;

// Interface language, settings names, window icon. Call right after the
// QApplication exists, with the command line without the program's name: its
// --lang chooses the language of this run (Languages.h).
void PrepareApplication(QApplication& app, const ModelProfile& profile, const QStringList& arguments = {});

// --help and --version: prints the usage or the version on stdout and gives
// the exit status; nothing for a command line that starts the program.
std::optional<int> AnswerCommandLine(const ModelProfile& profile, const QStringList& arguments);

class ProgramShell {
public:
    using ViewFactory = std::function<FormView*(RadioDocument&, const ModelProfile&)>;

    ProgramShell(const ModelProfile& profile, std::unique_ptr<RadioDocument> document, const ViewFactory& makeView);
    virtual ~ProgramShell();

    // Without a file name a new document; with one that file (a --lang among
    // the arguments is PrepareApplication's). False when the file cannot be
    // opened: its message has been shown and the program must end.
    bool Start(const QStringList& arguments);

    CMainFrame& MainFrame() { return *m_frame; }
    DocumentFiles& Files() { return *m_files; }
    RadioDocument& Document() { return *m_document; }
    FormView& View() { return *m_view; }
    CloneLink& Link() { return *m_link; }
    TransferCommands& Transfer() { return *m_transfer; }

private:
    void StartOver();
    // The window, the form and the status bar in the language now chosen:
    // built anew around the same document while no transfer runs, else the
    // offer to restart.
    void SwitchLanguage();
    void BuildWindow();
    void Restart();

    const ModelProfile& m_profile;
    std::unique_ptr<RadioDocument> m_document;
    // The transfer belongs to the program, beside the document: it outlives
    // the window and keeps the port choice for the whole run.
    // The rules' texts in the interface language, for the transfer's messages.
    std::unique_ptr<TranslatedTexts> m_texts;
    std::unique_ptr<SerialPort> m_port;
    std::unique_ptr<CloneLink> m_link;
    std::unique_ptr<TransferSession> m_session;
    std::unique_ptr<RecentFiles> m_recent;
    std::unique_ptr<DocumentFiles> m_files;
    std::unique_ptr<TransferCommands> m_transfer;
    ViewFactory m_makeView;
    FormView* m_view;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<TransferPresenter> m_presenter;
};

}  // namespace rk
