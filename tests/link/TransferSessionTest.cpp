// One operation's outcome, from the session over the real link on a
// pseudo-terminal radio: how a write ended, how much of it reached the radio,
// what the radio holds and where its data from before the write are.

#include <QTest>

#include "LinkRecord.h"
#include "RadioSimulator.h"
#include "Rk520Rules.h"
#include "SystemPorts.h"
#include "TestImages.h"
#include "TestRunner.h"
#include "TransferReport.h"
#include "TransferSession.h"

using namespace rk;
using namespace rk::test;

Q_DECLARE_METATYPE(rk::test::RadioSimulator::Behaviour)
Q_DECLARE_METATYPE(rk::TransferEnd)
Q_DECLARE_METATYPE(rk::RadioHolds)

namespace {

// A write of an image that differs from the radio's, with the backup and the
// read-back; `stopAtBlock` asks for a stop once that block is on the line.
TransferOutcome WriteOnRadio(const RadioSimulator::Behaviour& behaviour, int stopAtBlock) {
    RadioSimulator radio(SampleImage());
    if (!radio.Start(behaviour)) return {};
    const auto port = MakeSystemPort();
    CloneLink link(Rk520Rules(), *port, kTestPeriods);
    TransferSession session(link);
    std::vector<TransferOutcome> outcomes;
    QObject::connect(&session, &TransferSession::finished, [&](const TransferOutcome& o) { outcomes.push_back(o); });
    QObject::connect(&session, &TransferSession::stepStarted, [&](const TransferStep& step) {
        if (step.phase == TransferPhase::Write && step.block == stopAtBlock) session.StopAfterBlock();
    });
    RadioImage image = SampleImage();
    image.Channel(9).setSquelchLevel(3);
    session.Write(image, {.backupFirst = true, .verifyAfter = true}, {{"radio", radio.SlavePath()}});
    if (!QTest::qWaitFor([&] { return !outcomes.empty(); }, 20000)) return {};
    QTest::qWait(kTestPeriods.writeBlockMs);  // a second outcome would come by now
    if (outcomes.size() != 1) return {};
    return outcomes.front();
}

}  // namespace

class TransferSessionTest : public QObject {
    Q_OBJECT
private slots:
    void writeEndsSayingWhatTheRadioHolds_data();
    void writeEndsSayingWhatTheRadioHolds();
};

void TransferSessionTest::writeEndsSayingWhatTheRadioHolds_data() {
    QTest::addColumn<RadioSimulator::Behaviour>("behaviour");
    QTest::addColumn<int>("stopAtBlock");
    QTest::addColumn<TransferEnd>("end");
    QTest::addColumn<TransferPhase>("phase");
    QTest::addColumn<int>("blocks");
    QTest::addColumn<RadioHolds>("radio");
    QTest::addColumn<QString>("partly");
    RadioSimulator::Behaviour plain;
    RadioSimulator::Behaviour gone;
    gone.vanishAfterWritten = 2 * 256;
    RadioSimulator::Behaviour silent;
    silent.silentAfterWrite = true;
    const QString two = QString::fromUtf8("对讲机中的数据只写入了一部分（2/5块）。");
    QTest::newRow("stopped after block 2")
        << plain << 2 << TransferEnd::Stopped << TransferPhase::Write << 2 << RadioHolds::PartlyWritten << two;
    QTest::newRow("stopped after block 5")
        << plain << 5 << TransferEnd::Stopped << TransferPhase::Write << 5 << RadioHolds::NewData << QString();
    QTest::newRow("radio gone after block 2")
        << gone << -1 << TransferEnd::PortProblem << TransferPhase::Write << 2 << RadioHolds::PartlyWritten << two;
    QTest::newRow("silent at the read-back")
        << silent << -1 << TransferEnd::Done << TransferPhase::Verify << 5 << RadioHolds::NewData << QString();
}

void TransferSessionTest::writeEndsSayingWhatTheRadioHolds() {
    QFETCH(RadioSimulator::Behaviour, behaviour);
    QFETCH(int, stopAtBlock);
    QFETCH(TransferEnd, end);
    QFETCH(TransferPhase, phase);
    QFETCH(int, blocks);
    QFETCH(RadioHolds, radio);
    QFETCH(QString, partly);
    const TransferOutcome outcome = WriteOnRadio(behaviour, stopAtBlock);
    QCOMPARE(outcome.asked, TransferAsk::Write);
    QCOMPARE(outcome.end, end);
    QCOMPARE(outcome.phase, phase);
    QCOMPARE(outcome.blocksWritten, blocks);
    QCOMPARE(outcome.radio, radio);
    QVERIFY2(outcome.before.Saved() && QString::fromStdString(outcome.before.path).endsWith("-before-write.rkd"),
             outcome.before.path.c_str());
    const TransferTexts& texts = TextsOf(Rk520Rules()).transfer;
    QCOMPARE(QString::fromStdString(PartlyWrittenLine(texts, outcome)), partly);
    if (end == TransferEnd::PortProblem) {
        // The failure names how much reached the radio and the backup.
        const QString text = QString::fromStdString(DescribeOutcomeFailure(texts, outcome));
        QVERIFY2(text.endsWith(partly + '\n' + QString::fromUtf8(texts.backupSaved).arg(outcome.before.path.c_str())),
                 qPrintable(text));
    }
    if (end == TransferEnd::Done) QCOMPARE(outcome.write.verify, VerifyOutcome::ReadFailed);
}

RK_TEST_GUILESS_MAIN(TransferSessionTest)
#include "TransferSessionTest.moc"
