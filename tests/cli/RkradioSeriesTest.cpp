// rkradio write --series as its users run it: the built program, radio after
// radio on one simulated radio's pseudo-terminal, answered on stdin as each
// prompt comes; the lines it prints, the log it keeps and its exit status.

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <functional>
#include <optional>
#include <sys/types.h>

#include "FreshBackupFolder.h"
#include "SeriesRadios.h"
#include "TestFiles.h"
#include "TestRunner.h"

using namespace rk;
using namespace rk::test;

namespace {

const QString kPrompt = QStringLiteral("connect it and press Enter");

// What the user does at a prompt: connects the next radio, then types, or
// presses Ctrl+C.
struct Answer {
    std::optional<RadioImage> radio;  // none: the same radio stays
    RadioSimulator::Behaviour behaviour;
    QByteArray typed;
    bool interrupt = false;
};

struct Series {
    int code = -1;
    QStringList out;
    QStringList err;
};

// Runs the series on `radio`, giving `answers` one per prompt in turn; after
// the last, stdin ends. Once `interruptWhen` holds of the prompts answered
// so far, Ctrl+C.
Series RunSeries(RadioSimulator& radio, const QStringList& args, const std::vector<Answer>& answers,
                 const std::function<bool(std::size_t)>& interruptWhen = {}) {
    QProcess process;
    process.start(QStringLiteral(RKRADIO),
                  QStringList{"write", "--series", "--port", QString::fromStdString(radio.SlavePath())} + args);
    Series series;
    if (!process.waitForStarted()) return series;
    QByteArray err;
    std::size_t answered = 0;
    bool interrupted = false;
    QElapsedTimer clock;
    clock.start();
    while (process.state() == QProcess::Running && clock.elapsed() < 60'000) {
        process.waitForReadyRead(20);
        err += process.readAllStandardError();
        if (interruptWhen && !interrupted && interruptWhen(answered)) {
            ::kill(static_cast<pid_t>(process.processId()), SIGINT);
            interrupted = true;
        }
        if (static_cast<std::size_t>(err.count(kPrompt.toUtf8())) <= answered) continue;
        if (answered == answers.size()) {
            process.closeWriteChannel();
        } else {
            const Answer& answer = answers[answered];
            if (answer.radio && !radio.Swap(*answer.radio, answer.behaviour)) return series;
            if (answer.interrupt)
                ::kill(static_cast<pid_t>(process.processId()), SIGINT);
            else
                process.write(answer.typed);
        }
        ++answered;
    }
    if (process.state() != QProcess::NotRunning && !process.waitForFinished(10'000)) return series;
    if (process.exitStatus() != QProcess::NormalExit) return series;
    err += process.readAllStandardError();
    series.code = process.exitCode();
    series.out = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    series.err = QString::fromUtf8(err).split('\n', Qt::SkipEmptyParts);
    return series;
}

QString Prompt(int radio, int retry = 0) {
    const QString r = retry ? QStringLiteral("r and Enter to retry radio %1, ").arg(retry) : QString();
    return QStringLiteral("radio %1: connect it and press Enter (%2q and Enter to finish)").arg(radio).arg(r);
}

// The log named on the last line of stdout.
QString LogPath(const Series& series) {
    const QString lead = QStringLiteral("series log kept in ");
    return !series.out.isEmpty() && series.out.last().startsWith(lead) ? series.out.last().mid(lead.size()) : QString();
}

}  // namespace

class RkradioSeriesTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_backups.emplace();
        WriteFile(m_dir.filePath("series.rkd"), FileBytes(SeriesImage()));
    }
    void cleanup() { m_backups.reset(); }

    // Radio 1 takes the image, radio 2 stays silent, radio 3 keeps a byte
    // wrongly, then q: radio 2 failed on the radio, so the series exits 4.
    void silentAndWrongRadios() {
        RadioSimulator radio(SampleImage());
        QVERIFY(radio.Start({}));
        const Series series = RunSeries(radio, {"--quiet", m_dir.filePath("series.rkd")},
                                        {{SampleImage(), SilentRadio(), "\n"}, {SampleImage(), StoresWrongly(), "\n"},
                                         {std::nullopt, {}, "q\n"}});
        QCOMPARE(series.code, 4);
        QCOMPARE(series.err, (QStringList{Prompt(2), Prompt(3, 2), Prompt(4, 3)}));
        QCOMPARE(series.out.size(), 4);
        QCOMPARE(series.out[0], QStringLiteral("radio 1: verified"));
        // The cause as write says it, its lines made one.
        QVERIFY2(series.out[1].startsWith("radio 2: silent: check the cable from the COM port to the radio, and the "
                                          "port settings. " + QString::fromStdString(radio.SlavePath()) +
                                          ": the radio does not answer. Check that the radio is on and the cable is "
                                          "plugged in. Nothing was written to the radio."),
                 qPrintable(series.out[1]));
        QVERIFY2(series.out[2].startsWith("radio 3: differs: channel 08 receive frequency: "), qPrintable(series.out[2]));
        QVERIFY(!series.out[2].contains(';'));  // one field only
        const auto records = LogRecords(LogPath(series));
        QCOMPARE(records.size(), std::size_t{4});
        const char* results[] = {"verified", "silent", "differs"};
        for (std::size_t r = 1; r <= 3; ++r) {
            QCOMPARE(records[r].cells.at(0), std::to_string(r));
            QCOMPARE(records[r].cells.at(4), std::string(results[r - 1]));
        }
        QCOMPARE(records[3].cells.at(8), std::string("CH08 RxFrequency"));
        QVERIFY(QFileInfo(QString::fromStdString(records[3].cells.at(7))).fileName().contains("-series-03-before-write"));
    }

    // Only a read-back that differed, and stdin ending instead of q: 1.
    void differsOnlyExitsOne() {
        RadioSimulator radio(SampleImage());
        QVERIFY(radio.Start({}));
        const Series series = RunSeries(radio, {"--quiet", "--no-backup", m_dir.filePath("series.rkd")},
                                        {{SampleImage(), StoresWrongly(), "\n"}});
        QCOMPARE(series.code, 1);
        QCOMPARE(series.err, (QStringList{Prompt(2), Prompt(3, 2)}));
        QCOMPARE(series.out.size(), 3);
        QVERIFY2(series.out[1].startsWith("radio 2: differs: "), qPrintable(series.out[1]));
        QCOMPARE(LogRecords(LogPath(series)).size(), std::size_t{3});
    }

    // A silent radio written again once it answers counts by that last
    // attempt; then another, and q: 0. Without --quiet the first radio's
    // changes are listed on stderr, as write lists them.
    void retriedRadioCountsByItsLastAttempt() {
        RadioSimulator radio(SampleImage());
        QVERIFY(radio.Start(SilentRadio()));
        const Series series = RunSeries(radio, {m_dir.filePath("series.rkd")},
                                        {{SampleImage(), {}, "x\n"}, {std::nullopt, {}, "r\n"},
                                         {SampleImage(), {}, "\n"}, {std::nullopt, {}, "q\n"}});
        QCOMPARE(series.code, 0);
        QCOMPARE(series.out.size(), 4);
        QVERIFY2(series.out[0].startsWith("radio 1: silent: "), qPrintable(series.out[0]));
        QCOMPARE(series.out[1], QStringLiteral("radio 1: verified"));
        QCOMPARE(series.out[2], QStringLiteral("radio 2: verified"));
        QVERIFY(series.err.contains(Prompt(2, 1)));
        QCOMPARE(series.err.count(Prompt(2, 1)), 2);  // "x" is asked again
        QVERIFY(series.err.contains("rkradio: write: channel 10 squelch level: 9 -> 3"));
        QCOMPARE(series.err.filter("squelch level").size(), 1);  // for the first radio written only
        QCOMPARE(LogRecords(LogPath(series)).size(), std::size_t{4});
    }

    // Ctrl+C while radio 2's blocks go out: the block on the line has its
    // time, the radio's row says so and the series ends there.
    void ctrlCEndsTheSeries() {
        RadioSimulator radio(SampleImage());
        QVERIFY(radio.Start({}));
        const Series series = RunSeries(radio, {"--quiet", "--no-verify", m_dir.filePath("series.rkd")},
                                        {{SampleImage(), {}, "\n"}},
                                        [&](std::size_t answered) { return answered == 1 && !radio.WrittenBlocks().empty(); });
        QCOMPARE(series.code, 4);
        QCOMPARE(series.err, QStringList{Prompt(2)});
        QCOMPARE(series.out.size(), 3);
        QCOMPARE(series.out[0], QStringLiteral("radio 1: written"));
        QVERIFY2(QRegularExpression("^radio 2: partly-written: [12] of 5 blocks; stopped$").match(series.out[1]).hasMatch(),
                 qPrintable(series.out[1]));
        const auto records = LogRecords(LogPath(series));
        QCOMPARE(records.size(), std::size_t{3});
        QCOMPARE(records[2].cells.at(4), std::string("partly-written"));

        // At a prompt nothing is on the line: the series ends as with q.
        QVERIFY(radio.Swap(SampleImage(), {}));  // not the one left in mid-write
        const Series atPrompt =
            RunSeries(radio, {"--quiet", m_dir.filePath("series.rkd")}, {{SampleImage(), {}, {}, true}});
        QCOMPARE(atPrompt.code, 0);
        QCOMPARE(atPrompt.out.size(), 2);
        QCOMPARE(atPrompt.out[0], QStringLiteral("radio 1: verified"));
    }

    // Refused by the check: no radio is touched and no log is kept.
    void refusedImageTouchesNoRadio() {
        RadioImage bad = SampleImage();
        bad.Channel(4).setRxFreq(42'100'000);
        bad.Channel(4).setTxFreq(42'100'000);
        WriteFile(m_dir.filePath("bad.rkd"), FileBytes(bad));
        RadioSimulator radio(SampleImage());
        QVERIFY(radio.Start({}));
        const Series series = RunSeries(radio, {m_dir.filePath("bad.rkd")}, {});
        QCOMPARE(series.code, 1);
        QVERIFY(series.out.isEmpty());
        QCOMPARE(series.err.size(), 1);
        QVERIFY2(series.err[0].startsWith("rkradio: write: channel 05: "), qPrintable(series.err[0]));
        QVERIFY(radio.HandshakeTimes().empty());
    }

private:
    QTemporaryDir m_dir;
    std::optional<FreshBackupFolder> m_backups;
};

RK_TEST_GUILESS_MAIN(RkradioSeriesTest)
#include "RkradioSeriesTest.moc"
