#include "WriteSeries.h"

namespace rk {
namespace {

// Where the attempt ended: the port its failure names, else the one of its
// last step.
std::string PortOf(const TransferOutcome& outcome, const std::string& lastStep) {
    const auto& tried = outcome.end == TransferEnd::Done ? outcome.write.readFailure.tried : outcome.failure.tried;
    // A port that reached a radio which said nothing names the radio's port.
    for (const PortAttempt& attempt : tried)
        if (attempt.problem == PortProblem::NoReply || attempt.problem == PortProblem::WrongReply) return attempt.name;
    return tried.empty() ? lastStep : tried.back().name;
}

// How many fields the write changed: known once the radio's data were read
// before it; none changed when nothing reached the radio.
std::optional<int> FieldsChanged(const TransferOutcome& outcome) {
    if (!outcome.write.beforeImage) return std::nullopt;
    if (!outcome.Written()) return 0;
    return static_cast<int>(CompareImages(*outcome.write.beforeImage, outcome.write.sent).size());
}

}  // namespace

WriteSeries::WriteSeries(TransferSession& session, const QString& programName, QObject* parent)
    : QObject(parent), m_session(session), m_log(programName) {
    connect(&session, &TransferSession::stepStarted, this, &WriteSeries::OnStep);
    connect(&session, &TransferSession::finished, this, &WriteSeries::OnFinished);
}

bool WriteSeries::Begin(const RadioImage& image, WriteOptions options, std::vector<PortCandidate> ports) {
    if (m_open || !m_session.IsIdle()) return false;
    m_image = image;
    m_options = options;
    m_ports = std::move(ports);
    m_attempts.clear();
    m_radio = 0;
    m_open = true;
    m_anyWritten = false;
    m_finishing = false;
    m_logFailed = false;
    if (!m_log.Open(QDateTime::currentDateTime())) {
        m_logFailed = true;
        emit logFailed(m_log.Path(), m_log.Error());
    }
    StartRadio(1);
    return true;
}

void WriteSeries::WriteNext() {
    if (m_open && !m_writing) StartRadio(m_radio + 1);
}

void WriteSeries::Retry() {
    if (m_open && !m_writing && m_radio > 0) StartRadio(m_radio);
}

void WriteSeries::Finish() {
    if (!m_open) return;
    if (m_writing) {
        m_finishing = true;
        m_session.StopAfterBlock();
        return;
    }
    Close();
}

bool WriteSeries::IsOpen() const { return m_open; }
bool WriteSeries::IsWriting() const { return m_writing; }
int WriteSeries::Radio() const { return m_radio; }
QDateTime WriteSeries::Start() const { return m_log.Start(); }
QString WriteSeries::LogPath() const { return m_log.Path(); }
const std::vector<SeriesRadio>& WriteSeries::Attempts() const { return m_attempts; }

void WriteSeries::StartRadio(int radio) {
    if (!m_session.IsIdle()) return;
    m_radio = radio;
    m_writing = true;
    m_radioStart = QDateTime::currentDateTime();
    m_port = m_ports.empty() ? std::string() : m_ports.front().name;
    WriteOptions options = m_options;
    options.previewFirst = options.previewFirst && !m_anyWritten;
    emit radioStarted(radio);
    m_session.Write(m_image, options, m_ports, BackupSeries{m_log.Start(), radio});
}

void WriteSeries::OnStep(const TransferStep& step) {
    if (m_writing) m_port = step.port;
}

void WriteSeries::OnFinished(const TransferOutcome& outcome) {
    if (!m_writing) return;
    m_writing = false;
    SeriesRadio attempt;
    attempt.radio = m_radio;
    attempt.start = m_radioStart;
    attempt.end = QDateTime::currentDateTime();
    attempt.port = PortOf(outcome, m_port);
    attempt.result = SeriesResultOf(outcome);
    attempt.blocksWritten = outcome.blocksWritten;
    attempt.fieldsChanged = FieldsChanged(outcome);
    if (outcome.before.Saved()) attempt.backup = outcome.before.path;
    attempt.outcome = outcome;
    if (outcome.Written()) m_anyWritten = true;
    m_attempts.push_back(attempt);
    if (!m_log.Append(attempt) && !m_logFailed) {
        m_logFailed = true;
        emit logFailed(m_log.Path(), m_log.Error());
    }
    emit radioFinished(attempt);
    if (m_finishing) Close();
}

void WriteSeries::Close() {
    m_open = false;
    m_finishing = false;
    emit finished();
}

}  // namespace rk
