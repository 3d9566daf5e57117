#include "TransferPresenter.h"

#include <QDir>
#include <QTimer>

#include "FormView.h"
#include "ModelProfile.h"
#include "Prompts.h"
#include "StatusPanes.h"
#include "Texts.h"
#include "TransferCommands.h"
#include "TransferReport.h"
#include "TranslatedTexts.h"
#include "WritePreviewDialog.h"

namespace rk {

namespace {
void Show(const char* text, MessageKind kind) { Prompts::Current().ShowMessage(QString::fromUtf8(text), kind); }
void Show(const std::string& text, MessageKind kind) {
    Prompts::Current().ShowMessage(QString::fromStdString(text), kind);
}
}  // namespace

TransferPresenter::TransferPresenter(const ModelProfile& profile, const TranslatedTexts& texts, TransferSession& session,
                                     RadioDocument& document, FormView& view, StatusPanes& panes,
                                     const TransferCommands& commands, QObject* parent)
    : QObject(parent),
      m_profile(profile),
      m_texts(texts),
      m_session(session),
      m_document(document),
      m_view(view),
      m_panes(panes),
      m_commands(commands) {
    connect(&session, &TransferSession::stepStarted, this, &TransferPresenter::OnStepStarted);
    connect(&session, &TransferSession::writeAwaiting, this, &TransferPresenter::OnWriteAwaiting);
    connect(&session, &TransferSession::finished, this, &TransferPresenter::OnFinished);
}

QString TransferPresenter::StepText(const ModelProfile& profile, const TransferStep& step) {
    const auto& shell = profile.shell;
    if (step.block == 0) return Tr(shell.progressConnect).arg(QString::fromStdString(step.port));
    const char* format = shell.progressRead;
    switch (step.phase) {
    case TransferPhase::Read: format = shell.progressRead; break;
    case TransferPhase::Backup: format = shell.progressBackup; break;
    case TransferPhase::Write: format = shell.progressWrite; break;
    case TransferPhase::Verify: format = shell.progressVerify; break;
    }
    return Tr(format).arg(step.block).arg(kImageBlocks);
}

QString TransferPresenter::BeforeWriteBackupText(const ModelProfile& profile, const TranslatedTexts& texts,
                                                const BackupCopy& before) {
    if (!before.Saved()) return Tr(profile.shell.noBeforeWriteBackup);
    return QString::fromUtf8(texts.Transfer().backupSaved)
        .arg(QDir::toNativeSeparators(QString::fromStdString(before.path)));
}

void TransferPresenter::OnStepStarted(const TransferStep& step) {
    m_panes.ShowTransfer(StepText(m_profile, step), step.done, step.total);
}

// The status bar is back to idle before a message box stands over the window.
// The image read becomes the document's, channel 0 on screen.
void TransferPresenter::OnReadCompleted(const ReadResult& result) {
    m_document.TakeReadImage(result.image);
    m_view.ShowReadImage();
    Show(DescribeRead(m_texts.Transfer(), result),
         result.backup.Failed() ? MessageKind::Warning : MessageKind::Info);
}

// The question waits for the transfer's own report to be over: nothing is on
// the line and no timer runs while the user reads it.
void TransferPresenter::OnWriteAwaiting(const WritePreview& preview) {
    QTimer::singleShot(0, this, [this, preview] { AskToWrite(preview); });
}

void TransferPresenter::AskToWrite(const WritePreview& preview) {
    if (!m_session.IsAwaiting()) return;  // stopped before the question came up
    if (ConfirmWrite(m_profile, m_texts, preview.differences)) {
        m_session.Proceed();
        return;
    }
    m_session.Cancel();  // reported as stopped before the write
}

void TransferPresenter::OnFinished(const TransferOutcome& outcome) {
    m_panes.ClearTransfer();
    if (m_commands.InSeries()) return;
    switch (outcome.end) {
    case TransferEnd::Done:
        if (outcome.asked == TransferAsk::Write)
            OnWriteCompleted(outcome.write);
        else
            OnReadCompleted(outcome.read);
        break;
    case TransferEnd::Refused: ShowRefusal(outcome.refusal); break;
    case TransferEnd::PortProblem:
    case TransferEnd::RadioProblem:
    case TransferEnd::BackupNotSaved: OnFailed(outcome); break;
    case TransferEnd::Stopped: OnStopped(outcome); break;
    }
}

void TransferPresenter::OnWriteCompleted(const WriteResult& result) {
    const std::string text = DescribeWrite(m_texts.Transfer(), m_texts.Report(), result);
    if (result.verify == VerifyOutcome::Differs || result.verify == VerifyOutcome::ReadFailed)
        ShowWriteTrouble(text, result.before);
    else
        Show(text, WriteHasTrouble(result) ? MessageKind::Warning : MessageKind::Info);
}

// With the radio's data from before the write at hand, one more write puts
// the radio back.
void TransferPresenter::ShowWriteTrouble(const std::string& text, const BackupCopy& before) {
    if (!before.Saved()) return Show(text, MessageKind::Warning);
    const QString path = QString::fromStdString(before.path);
    if (Prompts::Current().ShowMessageWithAction(QString::fromStdString(text), MessageKind::Warning,
                                                 Tr(m_profile.preview.openBackup)))
        emit backupChosen(path);
}

// The failing channel is on screen before its message appears.
void TransferPresenter::ShowRefusal(const WriteRefusal& refusal) {
    if (refusal.channel >= 0) m_view.ShowRefusedChannel(refusal.channel);
    if (refusal.rule != WriteRule::None)
        Show(DescribeRefusal(m_texts.Check(), m_texts.Report(), refusal), MessageKind::Warning);
}

// Stopped before a block went out (while the radio's data were kept, or at
// the preview) the radio holds what it held; stopped while it was read back,
// the whole image.
void TransferPresenter::OnStopped(const TransferOutcome& outcome) {
    if (outcome.phase == TransferPhase::Read) return;
    switch (outcome.radio) {
    case RadioHolds::OldData: Show(m_texts.Transfer().nothingWritten, MessageKind::Info); break;
    case RadioHolds::NewData: Show(m_texts.Transfer().writeDone, MessageKind::Info); break;
    case RadioHolds::PartlyWritten:
        Prompts::Current().ShowMessage(
            Tr(m_profile.shell.writeStopped)
                .arg(BeforeWriteBackupText(m_profile, m_texts, outcome.before)),
            MessageKind::Warning);
        break;
    }
}

// A write that failed part way says how much reached the radio and offers
// the data from before it back.
void TransferPresenter::OnFailed(const TransferOutcome& outcome) {
    const std::string text = DescribeOutcomeFailure(m_texts.Transfer(), outcome);
    if (outcome.phase == TransferPhase::Write)
        ShowWriteTrouble(text, outcome.before);
    else
        Show(text, MessageKind::Warning);
}

}  // namespace rk
