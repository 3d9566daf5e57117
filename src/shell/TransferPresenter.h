#pragma once
// Shows what the program's clone transfer reports: its progress in the status
// bar, its outcomes in message boxes, and the form redrawn after a read or a
// refused write. A write paused after its backup asks whether to go on, with
// what it would change in the radio; a write that went wrong offers its
// backup back. During a series of writes it stands aside: the status bar
// still shows each step and the first radio's preview is asked here, but
// each radio's end is the series window's to show.

#include <QObject>

#include "TransferSession.h"

namespace rk {

class FormView;
class RadioDocument;
class StatusPanes;
class TransferCommands;
class TranslatedTexts;
struct ModelProfile;

class TransferPresenter : public QObject {
    Q_OBJECT
public:
    // `texts` are the rules and report names in the interface language.
    // A read is applied to `document` here.
    TransferPresenter(const ModelProfile& profile, const TranslatedTexts& texts, TransferSession& session,
                      RadioDocument& document, FormView& view, StatusPanes& panes, const TransferCommands& commands,
                      QObject* parent = nullptr);

    // A write the check refused: its channel on screen, then its message.
    void ShowRefusal(const WriteRefusal& refusal);

    // The status text of a step, in the model's language.
    static QString StepText(const ModelProfile& profile, const TransferStep& step);
    // The sentence on the backup kept before a write: its file, or that none
    // was taken.
    static QString BeforeWriteBackupText(const ModelProfile& profile, const TranslatedTexts& texts,
                                         const BackupCopy& before);

signals:
    // The user chose to open the radio's data from before a failed or
    // mismatched write, kept in `path`.
    void backupChosen(const QString& path);

private:
    void OnStepStarted(const TransferStep& step);
    void OnWriteAwaiting(const WritePreview& preview);
    void AskToWrite(const WritePreview& preview);
    void ShowWriteTrouble(const std::string& text, const BackupCopy& before);
    void OnFinished(const TransferOutcome& outcome);
    void OnReadCompleted(const ReadResult& result);
    void OnWriteCompleted(const WriteResult& result);
    void OnFailed(const TransferOutcome& outcome);
    void OnStopped(const TransferOutcome& outcome);

    const ModelProfile& m_profile;
    const TranslatedTexts& m_texts;
    TransferSession& m_session;
    RadioDocument& m_document;
    FormView& m_view;
    StatusPanes& m_panes;
    const TransferCommands& m_commands;
};

}  // namespace rk
