// A series of writes: the word for each way a write can end, and radio after
// radio on one pseudo-terminal with the results, the log's rows and the
// backups' names each radio leaves.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include "LinkRecord.h"
#include "RadioRig.h"
#include "Rk520Rules.h"
#include "SeriesLog.h"
#include "SeriesRadios.h"
#include "SeriesResult.h"
#include "TestRunner.h"

using namespace rk;
using namespace rk::test;

Q_DECLARE_METATYPE(rk::SeriesResult)
Q_DECLARE_METATYPE(rk::TransferEnd)
Q_DECLARE_METATYPE(rk::VerifyOutcome)
Q_DECLARE_METATYPE(rk::RadioHolds)
Q_DECLARE_METATYPE(rk::PortProblem)

namespace {

// A radio that holds the sample with channel 03's repeater delay other too:
// the write changes two fields in it.
RadioImage TwoFieldsOff() {
    RadioImage image = SampleImage();
    image.Channel(2).setRepeaterDelay(99);
    return image;
}

constexpr WriteOptions kFull{.backupFirst = true, .verifyAfter = true, .previewFirst = true};

QString FileName(const std::string& path) { return QFileInfo(QString::fromStdString(path)).fileName(); }

}  // namespace

class WriteSeriesTest : public QObject {
    Q_OBJECT
private slots:
    void resultOfEveryEnd_data();
    void resultOfEveryEnd();
    void threeRadiosAndRetries();
    void declinedPreviewIsAskedAgain();
    void twoSeriesNeverShareALog();
    void logThatCannotBeWrittenLetsTheSeriesGoOn();
};

void WriteSeriesTest::resultOfEveryEnd_data() {
    QTest::addColumn<TransferEnd>("end");
    QTest::addColumn<VerifyOutcome>("verify");
    QTest::addColumn<RadioHolds>("radio");
    QTest::addColumn<bool>("declined");
    QTest::addColumn<PortProblem>("heard");
    QTest::addColumn<SeriesResult>("result");
    QTest::addColumn<QString>("word");
    using E = TransferEnd;
    using V = VerifyOutcome;
    using H = RadioHolds;
    using R = SeriesResult;
    const auto row = [](const char* name, E end, V verify, H radio, bool declined, R result, const char* word,
                        PortProblem heard = PortProblem::Absent) {
        QTest::newRow(name) << end << verify << radio << declined << heard << result << QString::fromLatin1(word);
    };
    row("read back the same", E::Done, V::Matches, H::NewData, false, R::Verified, "verified");
    row("not read back", E::Done, V::NotAsked, H::NewData, false, R::Written, "written");
    row("read back other data", E::Done, V::Differs, H::NewData, false, R::Differs, "differs");
    row("read-back failed", E::Done, V::ReadFailed, H::NewData, false, R::Written, "written");
    row("port would not open", E::PortProblem, V::NotAsked, H::OldData, false, R::PortProblem, "port-problem");
    row("searched past a silent radio", E::PortProblem, V::NotAsked, H::OldData, false, R::Silent, "silent",
        PortProblem::NoReply);
    row("searched past a garbled reply", E::PortProblem, V::NotAsked, H::OldData, false, R::Silent, "silent",
        PortProblem::WrongReply);
    row("port gone mid-write", E::PortProblem, V::NotAsked, H::PartlyWritten, false, R::PartlyWritten, "partly-written");
    row("no handshake reply", E::RadioProblem, V::NotAsked, H::OldData, false, R::Silent, "silent");
    row("short reply", E::RadioProblem, V::NotAsked, H::OldData, false, R::Silent, "silent");
    row("stopped in the backup", E::Stopped, V::NotAsked, H::OldData, false, R::Stopped, "stopped");
    row("stopped mid-write", E::Stopped, V::NotAsked, H::PartlyWritten, false, R::PartlyWritten, "partly-written");
    row("stopped after block 5", E::Stopped, V::NotAsked, H::NewData, false, R::Written, "written");
    row("preview declined", E::Stopped, V::NotAsked, H::OldData, true, R::NotWritten, "not-written");
    row("backup not kept", E::BackupNotSaved, V::NotAsked, H::OldData, false, R::NotWritten, "not-written");
    row("refused", E::Refused, V::NotAsked, H::OldData, false, R::NotWritten, "not-written");
}

void WriteSeriesTest::resultOfEveryEnd() {
    QFETCH(TransferEnd, end);
    QFETCH(VerifyOutcome, verify);
    QFETCH(RadioHolds, radio);
    QFETCH(bool, declined);
    QFETCH(PortProblem, heard);
    QFETCH(SeriesResult, result);
    QFETCH(QString, word);
    TransferOutcome outcome;
    // The first port as found, the second one that would not open.
    outcome.failure.tried = {{"COM1", "/dev/ttyUSB0", heard}, {"COM2", "", PortProblem::Unassigned}};
    outcome.asked = TransferAsk::Write;
    outcome.end = end;
    outcome.write.verify = verify;
    outcome.radio = radio;
    outcome.declined = declined;
    QCOMPARE(SeriesResultOf(outcome), result);
    QCOMPARE(QString::fromLatin1(SeriesResultWord(result)), word);
    QCOMPARE(ParseSeriesResult(word.toStdString()), std::optional(result));
    QCOMPARE(ParseSeriesResult(word.toUpper().toStdString()), std::nullopt);
}

// Radio 1 takes the image, radio 2 stays silent and is written again once
// it answers, radio 3 keeps a byte wrongly and is written again once it does
// not.
void WriteSeriesTest::threeRadiosAndRetries() {
    SeriesRig rig(Rk520Rules());
    QSignalSpy finished(&rig.series, &WriteSeries::radioFinished);
    QVERIFY(rig.Begin(SeriesImage(), kFull));
    QVERIFY(rig.Next(SampleImage(), SilentRadio()));
    QVERIFY(rig.Next(SampleImage(), {}, true));
    QVERIFY(rig.Next(TwoFieldsOff(), StoresWrongly()));
    QVERIFY(rig.Next(TwoFieldsOff(), {}, true));
    QCOMPARE(rig.series.Radio(), 3);
    QCOMPARE(rig.previews, 1);  // asked until a radio was written
    QCOMPARE(rig.radio.Image(), SeriesImage());

    const auto& attempts = rig.series.Attempts();
    QCOMPARE(attempts.size(), std::size_t{5});
    QCOMPARE(finished.count(), 5);
    struct Expected {
        int radio;
        SeriesResult result;
        int blocks;
        std::optional<int> fields;
        const char* backup;
    };
    const QString stem = QStringLiteral("rk520-") + rig.series.Start().toString("yyyyMMdd-HHmmss") + "-series-";
    const Expected expected[] = {
        {1, SeriesResult::Verified, 5, 1, "01-before-write.rkd"},
        {2, SeriesResult::Silent, 0, std::nullopt, ""},
        {2, SeriesResult::Verified, 5, 1, "02-before-write.rkd"},
        {3, SeriesResult::Differs, 5, 2, "03-before-write.rkd"},
        {3, SeriesResult::Verified, 5, 2, "03-before-write-2.rkd"},
    };
    const auto records = LogRecords(rig.series.LogPath());
    QCOMPARE(records.size(), std::size_t{6});
    QCOMPARE(records[0].cells, (std::vector<std::string>{"Radio", "Start", "End", "Port", "Result", "BlocksWritten",
                                                         "FieldsChanged", "Backup", "Differences"}));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const Expected& e = expected[i];
        const SeriesRadio& a = attempts[i];
        QCOMPARE(a.radio, e.radio);
        QCOMPARE(a.result, e.result);
        QCOMPARE(a.blocksWritten, e.blocks);
        QCOMPARE(a.fieldsChanged, e.fields);
        QCOMPARE(a.port, std::string("COM1"));
        QCOMPARE(FileName(a.backup), *e.backup ? stem + e.backup : QString());
        QVERIFY(a.start <= a.end && (i == 0 || attempts[i - 1].end <= a.start));
        const std::vector<std::string>& cells = records[i + 1].cells;
        QCOMPARE(cells.size(), std::size_t{9});
        QCOMPARE(cells[0], std::to_string(e.radio));
        QCOMPARE(QDateTime::fromString(QString::fromStdString(cells[1]), Qt::ISODate),
                 a.start.addMSecs(-a.start.time().msec()));
        QCOMPARE(cells[3], std::string("COM1"));
        QCOMPARE(cells[4], std::string(SeriesResultWord(e.result)));
        QCOMPARE(cells[5], std::to_string(e.blocks));
        QCOMPARE(cells[6], e.fields ? std::to_string(*e.fields) : std::string());
        QCOMPARE(cells[7], a.backup);
        QCOMPARE(cells[8], std::string(e.result == SeriesResult::Differs ? "CH08 RxFrequency" : ""));
    }
    // Each radio's read-back is its own file, named after it.
    const QDir folder(BackupStore::FolderFor("rk520"));
    QCOMPARE(folder.entryList({stem + "*-check-after-write*.rkd"}, QDir::Files, QDir::Name),
             (QStringList{stem + "01-check-after-write.rkd", stem + "02-check-after-write.rkd",
                          stem + "03-check-after-write-2.rkd", stem + "03-check-after-write.rkd"}));
    rig.series.Finish();
    QVERIFY(!rig.series.IsOpen());
    rig.series.WriteNext();  // after the end, nothing
    QVERIFY(!rig.series.IsWriting());
}

// Declined at the preview: nothing written, so the next radio is asked again.
void WriteSeriesTest::declinedPreviewIsAskedAgain() {
    SeriesRig rig(Rk520Rules());
    rig.preview = false;
    QVERIFY(rig.Begin(SeriesImage(), kFull));
    QCOMPARE(rig.series.Attempts().back().result, SeriesResult::NotWritten);
    QCOMPARE(rig.series.Attempts().back().fieldsChanged, std::optional(0));
    rig.preview = true;
    QVERIFY(rig.Next(SampleImage(), SilentRadio(), true));  // radio 1 again, silent now: the preview is never reached
    QCOMPARE(rig.series.Attempts().back().result, SeriesResult::Silent);
    QVERIFY(rig.Next(SampleImage(), {}, true));
    QCOMPARE(rig.previews, 2);
    QCOMPARE(rig.series.Attempts().back().result, SeriesResult::Verified);
    QCOMPARE(rig.radio.Image(), SeriesImage());
    // A stop at the backup read is a stop: something was under way.
    QVERIFY(rig.radio.Swap(SampleImage(), {}));
    QObject::connect(&rig.session, &TransferSession::stepStarted, &rig.series, [&](const TransferStep& step) {
        if (step.phase == TransferPhase::Backup && step.block == 2) rig.series.Finish();
    });
    QSignalSpy done(&rig.series, &WriteSeries::finished);
    rig.series.WriteNext();
    QVERIFY(done.wait(kTransferWaitMs));
    QCOMPARE(rig.series.Attempts().back().result, SeriesResult::Stopped);
    QCOMPARE(rig.series.Attempts().back().fieldsChanged, std::nullopt);
    QVERIFY(!rig.series.IsOpen());
    const auto records = LogRecords(rig.series.LogPath());
    QCOMPARE(records.size(), std::size_t{5});
    QCOMPARE(records[1].cells[4], std::string("not-written"));
    QCOMPARE(records[4].cells[4], std::string("stopped"));
}

// A start whose log name is taken moves on a second until one is free; the
// backups follow the start the series took.
void WriteSeriesTest::twoSeriesNeverShareALog() {
    FreshBackupFolder backups;
    SeriesLog first(QStringLiteral("rk520"));
    SeriesLog second(QStringLiteral("rk520"));
    const QDateTime wanted(QDate(2026, 12, 8), QTime(10, 15, 2, 750));
    QVERIFY(first.Open(wanted));
    QVERIFY(second.Open(wanted.addMSecs(100)));
    QCOMPARE(first.Start(), QDateTime(QDate(2026, 12, 8), QTime(10, 15, 2)));
    QCOMPARE(second.Start(), QDateTime(QDate(2026, 12, 8), QTime(10, 15, 3)));
    QCOMPARE(QFileInfo(second.Path()).fileName(), QStringLiteral("rk520-20261208-101503-series.csv"));

    SeriesRig rig(Rk520Rules());
    const QDateTime now = QDateTime::currentDateTime();
    QDir().mkpath(BackupStore::FolderFor("rk520"));
    QStringList taken;
    for (int s = 0; s < 4; ++s) {
        SeriesLog log(QStringLiteral("rk520"));
        QVERIFY(log.Open(now.addSecs(s)));
        taken << log.Path();
    }
    QVERIFY(rig.Begin(SeriesImage(), {.backupFirst = true}));
    QVERIFY(!taken.contains(rig.series.LogPath()));
    QVERIFY(rig.series.Start() >= now.addSecs(4).addMSecs(-now.time().msec()));
    for (const QString& path : taken) QCOMPARE(LogRecords(path).size(), std::size_t{1});
    QCOMPARE(LogRecords(rig.series.LogPath()).size(), std::size_t{2});
    QCOMPARE(FileName(rig.series.Attempts().front().backup),
             "rk520-" + rig.series.Start().toString("yyyyMMdd-HHmmss") + "-series-01-before-write.rkd");
    QCOMPARE(rig.series.Attempts().front().result, SeriesResult::Written);
}

// No log can be made where the backups go; the radios are written all the same.
void WriteSeriesTest::logThatCannotBeWrittenLetsTheSeriesGoOn() {
    SeriesRig rig(Rk520Rules());
    const QString folder = BackupStore::FolderFor("rk520");
    QVERIFY(QDir().mkpath(QFileInfo(folder).path()));
    QFile blocker(folder);  // a file where the folder should be
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSignalSpy failed(&rig.series, &WriteSeries::logFailed);
    QVERIFY(rig.Begin(SeriesImage(), {.verifyAfter = true}));
    QVERIFY(rig.Next(SampleImage()));
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.front().at(0).toString(), rig.series.LogPath());
    QVERIFY(!failed.front().at(1).toString().isEmpty());
    QCOMPARE(rig.series.Attempts().size(), std::size_t{2});
    QCOMPARE(rig.series.Attempts().back().result, SeriesResult::Verified);
    QCOMPARE(rig.series.Attempts().back().fieldsChanged, std::nullopt);
}

RK_TEST_GUILESS_MAIN(WriteSeriesTest)
#include "WriteSeriesTest.moc"
