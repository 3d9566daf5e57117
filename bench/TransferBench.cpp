// Times a full read and a full write through the programs' own transfer and
// serial port code, at the protocol's periods, against the radio simulator
// sending at 2400-baud pace. Usage: transfer_bench [rk520|rk7400]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cmath>
#include <cstdio>

#include "CloneLink.h"
#include "RadioSimulator.h"
#include "Rk520Rules.h"
#include "Rk7400Rules.h"
#include "TestImages.h"

namespace {

constexpr double kScheduleMs = 10'500;
constexpr int kGiveUpMs = 30'000;

// Ends the wait at the transfer's closing report.
class Stopwatch {
public:
    explicit Stopwatch(rk::CloneLink& link) {
        const auto stop = [this](const QString& text) {
            elapsedMs = clock.elapsed();
            message = text;
            loop.quit();
        };
        QObject::connect(&link, &rk::CloneLink::readCompleted, stop);
        QObject::connect(&link, &rk::CloneLink::writeCompleted, stop);
        QObject::connect(&link, &rk::CloneLink::failed, stop);
        QObject::connect(&link, &rk::CloneLink::writeRefused, [stop](int, const QString& text) { stop(text); });
    }

    QEventLoop loop;
    QString message;
    qint64 elapsedMs = -1;
    QElapsedTimer clock;
};

template <typename Command>
bool Time(Stopwatch& stopwatch, Command command) {
    stopwatch.message.clear();
    stopwatch.elapsedMs = -1;
    stopwatch.clock.start();
    command();
    if (stopwatch.elapsedMs < 0) {
        QTimer::singleShot(kGiveUpMs, &stopwatch.loop, &QEventLoop::quit);
        stopwatch.loop.exec();
    }
    return stopwatch.elapsedMs >= 0;
}

void Report(const char* what, const Stopwatch& stopwatch, bool bytesMatch) {
    const double ms = static_cast<double>(stopwatch.elapsedMs);
    const double off = (ms - kScheduleMs) / kScheduleMs * 100.0;
    std::printf("%-6s %8.1f ms  schedule %.0f ms  %+6.2f %%  %s  bytes on the line %s  \"%s\"\n", what, ms, kScheduleMs,
                off, std::fabs(off) <= 1.0 ? "within 1%" : "OUTSIDE 1%", bytesMatch ? "equal the image" : "DIFFER",
                stopwatch.message.toUtf8().constData());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const bool second = argc > 1 && QByteArray(argv[1]) == "rk7400";
    const rk::ModelRules& rules = second ? Rk7400Rules() : Rk520Rules();

    const rk::RadioImage radioImage = rk::test::SampleImage();
    rk::test::RadioSimulator radio(radioImage);
    rk::test::RadioSimulator::Behaviour behaviour;
    behaviour.paced = true;
    if (!radio.Start(behaviour)) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return 1;
    }
    qputenv("RK_COM1", QByteArray::fromStdString(radio.SlavePath()));

    rk::RadioDocument document;
    document.OnNewDocument();
    rk::CloneLink link(rules, document);
    Stopwatch stopwatch(link);
    std::printf("%s, simulator at 2400 baud on %s\n", rules.programName, radio.SlavePath().c_str());

    int status = 0;
    if (!Time(stopwatch, [&] { link.OnReadRadio(); })) {
        std::printf("read   no outcome after %d ms\n", kGiveUpMs);
        status = 1;
    } else {
        Report("read", stopwatch, document.Image() == radioImage);
    }

    // Write back what was read, with one channel changed so that the write
    // cannot pass by echoing the radio's own bytes.
    document.EditChannel(12, [](const rk::ChannelRecord& r) {
        r.setRxFreq(41'500'000);
        r.setTxFreq(41'500'000);
    });
    rk::RadioImage expected = document.Image();
    expected.Settings().SetChannelBit(12, true);
    expected.Settings().setLastUsedChannel(12);
    if (!Time(stopwatch, [&] { link.OnWriteRadio(); })) {
        std::printf("write  no outcome after %d ms\n", kGiveUpMs);
        status = 1;
    } else {
        const auto written = radio.WrittenBytes();
        const bool match = written.size() == 1280 &&
                           std::equal(expected.Bytes().begin(), expected.Bytes().end(), written.begin());
        Report("write", stopwatch, match);
        const auto handshakes = radio.HandshakeTimes();
        std::printf("       write blocks began at");
        for (const auto& block : radio.WrittenBlocks()) std::printf(" %.0f", block.ms - handshakes.back());
        std::printf(" ms after the handshake (due 500 2500 4500 6500 8500)\n");
    }
    return status;
}
