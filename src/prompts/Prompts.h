#pragma once
// Every modal question and message of the programs goes through here, so that
// tests can answer them without a dialog appearing.

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

namespace rk {

enum class SaveChoice { Save, Discard, Cancel };

// What a message says: a success shows the information icon, a failure or a
// refusal the warning icon.
enum class MessageKind { Info, Warning };

class Prompts {
public:
    virtual ~Prompts() = default;

    // Modal message, one OK button, the program title as caption.
    virtual void ShowMessage(const QString& text, MessageKind kind) = 0;
    // A message that reports a problem.
    void ShowMessage(const QString& text) { ShowMessage(text, MessageKind::Warning); }
    // Questions show the question icon.
    // Save / Discard / Cancel for unsaved changes.
    virtual SaveChoice AskSaveChanges(const QString& question) = 0;
    // Yes / No; No is the default.
    virtual bool AskYesNo(const QString& question) = 0;
    // Two buttons with the caller's texts; `reject` is the default and Esc.
    // True when the user chose `accept`.
    virtual bool AskChoice(const QString& question, const QString& accept, const QString& reject) = 0;
    // A message with its OK button (the default) and one more, `action`.
    // True when the user chose `action`.
    virtual bool ShowMessageWithAction(const QString& text, MessageKind kind, const QString& action) = 0;
    // A question in a dialog of the caller's own, made with DialogParent()
    // and DialogCaption(); `summary` is its text line by line, as a recorder
    // keeps it. True when the dialog was accepted.
    virtual bool AskInDialog(QDialog& dialog, const QStringList& summary) = 0;
    // File dialogs; an empty result means the user cancelled.
    virtual QString AskOpenFileName(const QString& folder, const QString& filter) = 0;
    virtual QString AskSaveFileName(const QString& suggestedPath, const QString& filter) = 0;

    // The prompts in use: real dialogs unless a test installed its own.
    static Prompts& Current();
    // Installs replacement prompts (not owned); nullptr restores the dialogs.
    static void Install(Prompts* prompts);
    // Parent and caption of the real dialogs.
    static void SetDialogContext(QWidget* parent, const QString& caption);
    static QWidget* DialogParent();
    static QString DialogCaption();
};

}  // namespace rk
