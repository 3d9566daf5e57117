#pragma once
// What the commands that talk to the radio share: the request checked before
// the radio is touched, and the programs' transfer session run with the same
// timing and the same backup folder, progress on stderr and Ctrl+C seen
// between the transfer's steps.

#include <QEventLoop>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "Arguments.h"
#include "Interrupt.h"
#include "Progress.h"
#include "TransferSession.h"
#include "TranslatedTexts.h"

namespace rk::cli {

// What every radio command is given, checked before the radio is touched.
struct RadioRequest {
    const ModelRules* rules = nullptr;
    std::vector<PortCandidate> ports;
    bool quiet = false;
};

// Nothing when a usage error has been reported; `exitCode` holds its status.
std::optional<RadioRequest> TakeRequest(const QString& command, const Arguments& args, const QString& file, int& exitCode);

// The request of a command whose one operand is an image file, and the
// image; nothing when either has been refused, `exitCode` holding why.
struct ImageRequest {
    RadioRequest radio;
    RadioImage image;
};
std::optional<ImageRequest> TakeImageRequest(const QString& command, const Arguments& args, int& exitCode);

// "channel 05: " and what the pre-write check refused; no channel for a
// refusal of the settings.
QString RefusalText(const ModelRules& rules, int channel, WriteRule rule);

// The session on the request's ports and the event loop it runs in.
class RadioExchange {
public:
    using Done = std::function<int(const TransferOutcome&)>;

    RadioExchange(const QString& command, const RadioRequest& request);

    TransferSession& Session() { return m_session; }
    const ModelRules& Rules() const { return m_rules; }
    const std::vector<PortCandidate>& Ports() const { return m_ports; }
    const ReportTexts& Names() const { return m_english.Report(); }
    const TransferTexts& Texts() const { return m_texts; }
    bool Quiet() const { return m_quiet; }
    // Ends the progress line before other lines go to stderr.
    void EndProgressLine() { m_progress.Finish(); }
    // The changes a write is about to make, on stderr unless quiet.
    void SayChanges(const WritePreview& preview);

    // Runs `start` for one operation and waits for its outcome; `done` words
    // an operation that went as asked and gives the exit status.
    int Run(const std::function<void(TransferSession&)>& start, Done done);
    // Runs `start` and the event loop until Finish, for a caller that
    // follows the session itself; Ctrl+C calls `interrupted`.
    int Loop(const std::function<void()>& start, std::function<void()> interrupted);
    void Finish(int exitCode);

private:
    void Say(const QString& text);
    void Finished(const TransferOutcome& outcome);
    void SayWhatTheRadioHolds(const TransferOutcome& outcome, const QString& lead);

    QString m_command;
    const ModelRules& m_rules;
    std::vector<PortCandidate> m_ports;
    bool m_quiet;
    TranslatedTexts m_english;
    TransferTexts m_texts;
    std::unique_ptr<SerialPort> m_port;
    CloneLink m_link;
    TransferSession m_session;
    Progress m_progress;
    QEventLoop m_loop;
    InterruptWatch m_interrupt;
    QTimer m_interruptPoll;
    std::function<void()> m_interrupted;
    Done m_done;
    int m_exitCode = 4;
};

}  // namespace rk::cli
