#pragma once
// One image written to radio after radio: a loop of write sessions on the
// program's one TransferSession, one radio at a time, each radio's backups
// named after the series and the radio, and a log with one row per attempt
// written as each attempt ends. The front end decides when the next radio is
// connected (a button, Enter on stdin); the series never touches a document.
// QtCore only.

#include <QDateTime>
#include <QObject>
#include <QString>
#include <optional>
#include <vector>

#include "SeriesLog.h"
#include "SeriesResult.h"
#include "TransferSession.h"

namespace rk {

// One attempt at one radio.
struct SeriesRadio {
    int radio = 0;  // 1, 2, ... (a retry keeps its radio's number)
    QDateTime start;
    QDateTime end;
    std::string port;  // the port the attempt ended on
    SeriesResult result = SeriesResult::NotWritten;
    int blocksWritten = 0;            // of kImageBlocks
    std::optional<int> fieldsChanged;  // none without the backup read
    std::string backup;                // the radio's data from before the write
    TransferOutcome outcome;           // everything else: differences, failure, read-back
};

class WriteSeries final : public QObject {
    Q_OBJECT
public:
    // `programName` as in the rules ("rk520"); the log goes beside the backups.
    WriteSeries(TransferSession& session, const QString& programName, QObject* parent = nullptr);

    // Starts a series and writes its first radio. `image` has passed the
    // pre-write check; the preview (options.previewFirst) is asked until one
    // radio has been written. False when the session is busy or a series
    // is open.
    bool Begin(const RadioImage& image, WriteOptions options, std::vector<PortCandidate> ports);
    // Between radios: the next radio, or the last one again.
    void WriteNext();
    void Retry();
    // Ends the series (stops a radio in progress first).
    void Finish();

    bool IsOpen() const;      // from Begin to Finish
    bool IsWriting() const;   // a radio's write is running
    int Radio() const;        // the radio in progress, or the last one
    QDateTime Start() const;  // names the backups and the log
    QString LogPath() const;
    const std::vector<SeriesRadio>& Attempts() const;

signals:
    void radioStarted(int radio);
    void radioFinished(const rk::SeriesRadio& attempt);
    // The log could not be written: its path and the system's reason; once
    // a series, which goes on without it.
    void logFailed(const QString& path, const QString& reason);
    void finished();

private:
    void StartRadio(int radio);
    void OnStep(const TransferStep& step);
    void OnFinished(const TransferOutcome& outcome);
    void Close();

    TransferSession& m_session;
    SeriesLog m_log;
    RadioImage m_image;
    WriteOptions m_options;
    std::vector<PortCandidate> m_ports;
    std::vector<SeriesRadio> m_attempts;
    QDateTime m_radioStart;
    std::string m_port;  // the port of the radio's last step
    int m_radio = 0;
    bool m_open = false;
    bool m_writing = false;
    bool m_anyWritten = false;  // the preview is asked no more
    bool m_finishing = false;   // Finish() waits for the radio in progress
    bool m_logFailed = false;   // logFailed has been emitted
};

}  // namespace rk

Q_DECLARE_METATYPE(rk::SeriesRadio)
