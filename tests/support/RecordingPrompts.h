#pragma once
// Answers the programs' message boxes and dialogs in tests: records every
// message and question, and gives the answers queued beforehand.

#include <QQueue>
#include <QString>
#include <QStringList>

#include "Prompts.h"

class RecordingPrompts : public rk::Prompts {
public:
    RecordingPrompts() { rk::Prompts::Install(this); }
    ~RecordingPrompts() override { rk::Prompts::Install(nullptr); }
    RecordingPrompts(const RecordingPrompts&) = delete;
    RecordingPrompts& operator=(const RecordingPrompts&) = delete;

    void ShowMessage(const QString& text) override { messages << text; }

    rk::SaveChoice AskSaveChanges(const QString& question) override {
        questions << question;
        return saveChoices.isEmpty() ? rk::SaveChoice::Cancel : saveChoices.dequeue();
    }

    bool AskYesNo(const QString& question) override {
        questions << question;
        return yesNoAnswers.isEmpty() ? false : yesNoAnswers.dequeue();
    }

    QString AskOpenFileName(const QString& filter) override {
        filters << filter;
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }

    QString AskSaveFileName(const QString& suggestedPath, const QString& filter) override {
        suggestedPaths << suggestedPath;
        filters << filter;
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }

    QStringList messages;
    QStringList questions;
    QStringList filters;
    QStringList suggestedPaths;
    QQueue<rk::SaveChoice> saveChoices;
    QQueue<bool> yesNoAnswers;
    QQueue<QString> fileNames;  // answers to the open and save dialogs
};
