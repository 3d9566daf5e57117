#pragma once
// Answers the programs' message boxes and dialogs in tests: records every
// message and question, and gives the answers queued beforehand.

#include <functional>

#include <QDialog>
#include <QList>
#include <QPushButton>
#include <QQueue>
#include <QString>
#include <QStringList>

#include "Prompts.h"

namespace rk::test {

class RecordingPrompts final : public Prompts {
public:
    RecordingPrompts() { Prompts::Install(this); }
    ~RecordingPrompts() override { Prompts::Install(nullptr); }
    RecordingPrompts(const RecordingPrompts&) = delete;
    RecordingPrompts& operator=(const RecordingPrompts&) = delete;

    using Prompts::ShowMessage;
    void ShowMessage(const QString& text, MessageKind kind) override {
        messages.append(text);
        kinds.append(kind);
        if (onMessage) onMessage(text);
    }

    SaveChoice AskSaveChanges(const QString& question) override {
        questions << question;
        return saveChoices.isEmpty() ? SaveChoice::Cancel : saveChoices.dequeue();
    }

    bool AskYesNo(const QString& question) override {
        questions << question;
        if (whileAsking) whileAsking();
        return yesNoAnswers.isEmpty() ? false : yesNoAnswers.dequeue();
    }

    bool AskChoice(const QString& question, const QString& accept, const QString& reject) override {
        questions << question;
        buttons << QStringList{accept, reject};
        return choiceAnswers.isEmpty() ? false : choiceAnswers.dequeue();
    }

    // Recorded as a question, its summary's lines joined, with its buttons;
    // answered as the two-button questions are, never shown.
    bool AskInDialog(QDialog& dialog, const QStringList& summary) override {
        questions << summary.join(QLatin1Char('\n'));
        QStringList texts;
        for (const QPushButton* button : dialog.findChildren<QPushButton*>()) texts << button->text();
        buttons << texts;
        if (onDialog) onDialog(dialog);
        return choiceAnswers.isEmpty() ? false : choiceAnswers.dequeue();
    }

    // Recorded as a message, with its extra button in `actions`.
    bool ShowMessageWithAction(const QString& text, MessageKind kind, const QString& action) override {
        ShowMessage(text, kind);
        actions << action;
        return actionAnswers.isEmpty() ? false : actionAnswers.dequeue();
    }

    QString AskOpenFileName(const QString& folder, const QString& filter) override {
        openFolders << folder;
        filters << filter;
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }

    QString AskSaveFileName(const QString& suggestedPath, const QString& filter) override {
        suggestedPaths << suggestedPath;
        filters << filter;
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }

    QStringList messages;
    QList<MessageKind> kinds;  // of each message
    // Called as each message appears, to look at the program at that moment.
    std::function<void(const QString&)> onMessage;
    // Called with each dialog of AskInDialog, to look at it while it exists.
    std::function<void(QDialog&)> onDialog;
    QStringList questions;  // save, yes/no and two-button questions, in order
    QStringList filters;
    QStringList openFolders;
    QStringList suggestedPaths;
    QQueue<SaveChoice> saveChoices;  // unanswered questions get Cancel
    QQueue<bool> yesNoAnswers;       // unanswered questions get No
    // Runs while a yes/no question is open, as a user taking time to answer.
    std::function<void()> whileAsking;
    QList<QStringList> buttons;      // of each two-button question and dialog: accept, reject
    QQueue<bool> choiceAnswers;      // unanswered ones get the reject button
    QStringList actions;             // extra buttons of messages
    QQueue<bool> actionAnswers;      // unanswered messages get OK
    QQueue<QString> fileNames;       // answers to the open and save dialogs
};

}  // namespace rk::test
