// Times a full read, a full write, a write with backup and check, the same
// paused after its backup as for the preview, and a series of three radios
// with backup and check (SeriesBench.cpp), through the programs' own
// transfer and serial port code, at the protocol's periods, against the radio
// simulator sending at 2400-baud pace. Backups go to a temporary folder.
// Usage: transfer_bench [rk520|rk7400]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "CloneLink.h"
#include "SystemPorts.h"
#include "RadioSimulator.h"
#include "SeriesBench.h"
#include "Rk520Rules.h"
#include "Rk7400Rules.h"
#include "TestImages.h"
#include "TransferRecord.h"
#include "TransferReport.h"
#include "WriteValidation.h"

namespace {

constexpr double kExchangeMs = 10'500;
constexpr int kGiveUpMs = 60'000;
constexpr int kPreviewMs = 3'000;  // how long the user looks at the preview

// Ends the wait at the transfer's closing report.
class Stopwatch {
public:
    Stopwatch(rk::CloneLink& link, const rk::ModelTexts& texts) {
        const auto stop = [this](const std::string& text) {
            elapsedMs = clock.elapsed();
            message = QString::fromStdString(text).replace(QLatin1Char('\n'), QStringLiteral(" / "));
            loop.quit();
        };
        QObject::connect(&link, &rk::CloneLink::readCompleted,
                         [stop, &texts](const rk::ReadResult& r) { stop(rk::DescribeRead(texts.transfer, r)); });
        QObject::connect(&link, &rk::CloneLink::writeCompleted, [stop, &texts](const rk::WriteResult& r) {
            stop(rk::DescribeWrite(texts.transfer, texts.report, r));
        });
        QObject::connect(&link, &rk::CloneLink::failed,
                         [stop, &texts](const rk::TransferFailure& f) {
                             stop(rk::DescribeFailure(texts.transfer, f));
                         });
        QObject::connect(&link, &rk::CloneLink::writeRefused, [stop, &texts](const rk::WriteRefusal& r) {
            stop(rk::DescribeRefusal(texts.check, texts.report, r));
        });
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
        // Its own timer, gone with this call, so that it cannot end a later wait.
        QTimer giveUp;
        giveUp.setSingleShot(true);
        QObject::connect(&giveUp, &QTimer::timeout, &stopwatch.loop, &QEventLoop::quit);
        giveUp.start(kGiveUpMs);
        stopwatch.loop.exec();
    }
    return stopwatch.elapsedMs >= 0;
}

bool Report(const char* what, const Stopwatch& stopwatch, double scheduleMs, bool bytesMatch) {
    const double ms = static_cast<double>(stopwatch.elapsedMs);
    const double off = (ms - scheduleMs) / scheduleMs * 100.0;
    const bool within = std::fabs(off) <= 1.0;
    std::printf("%-13s %8.1f ms  schedule %.0f ms  %+6.2f %%  %s  bytes on the line %s  \"%s\"\n", what, ms,
                scheduleMs, off, within ? "within 1%" : "OUTSIDE 1%", bytesMatch ? "equal the image" : "DIFFER",
                stopwatch.message.toUtf8().constData());
    return within && bytesMatch;
}

// What the write cases share: the link, its stopwatch and the radio.
struct WriteBench {
    rk::CloneLink& link;
    Stopwatch& stopwatch;
    rk::test::RadioSimulator& radio;
    int status = 0;

    // Times a write of `image` and checks that the line carried `expected`
    // and that the radio holds it after. Returns when each of the radio's
    // handshakes of this write came (none when it had no outcome).
    std::vector<double> Write(const char* what, const rk::RadioImage& image, rk::WriteOptions options,
                              const rk::RadioImage& expected, double scheduleMs) {
        const std::size_t before = radio.HandshakeTimes().size();
        if (!Time(stopwatch, [&] { link.OnWriteRadio(image, options); })) {
            std::printf("%s  no outcome after %d ms\n", what, kGiveUpMs);
            status = 1;
            return {};
        }
        const auto written = radio.WrittenBytes();
        const bool match = written.size() == 1280 &&
                           std::equal(expected.Bytes().begin(), expected.Bytes().end(), written.begin()) &&
                           radio.Image() == expected;
        if (!Report(what, stopwatch, scheduleMs, match)) status = 1;
        const auto handshakes = radio.HandshakeTimes();
        return {handshakes.begin() + static_cast<std::ptrdiff_t>(before), handshakes.end()};
    }
};

// Changes one channel's frequencies, so that a write cannot pass by echoing
// the radio's own bytes.
void Retune(rk::RadioImage& image, int channel, std::uint32_t freq) {
    image.Channel(channel).setRxFreq(freq);
    image.Channel(channel).setTxFreq(freq);
}

// Times in ms after `from`.
void PrintSince(const std::vector<double>& times, double from) {
    for (const double t : times) std::printf(" %.0f", t - from);
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir data;
    if (!data.isValid()) return 1;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
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

    rk::RadioImage image;  // what the last read gave
    const auto port = rk::MakeSystemPort();
    rk::CloneLink link(rules, *port);
    QObject::connect(&link, &rk::CloneLink::readCompleted, [&image](const rk::ReadResult& r) { image = r.image; });
    Stopwatch stopwatch(link, rk::test::TextsOf(rules));
    std::printf("%s, simulator at 2400 baud on %s\n", rules.programName, radio.SlavePath().c_str());

    int status = 0;
    if (!Time(stopwatch, [&] { link.OnReadRadio(); })) {
        std::printf("read   no outcome after %d ms\n", kGiveUpMs);
        status = 1;
    } else {
        if (!Report("read", stopwatch, kExchangeMs, image == radioImage)) status = 1;
    }

    // Write back what was read, with one channel changed.
    WriteBench bench{link, stopwatch, radio};
    Retune(image, 12, 41'500'000);
    rk::RadioImage expected = image;
    expected.Settings().SetChannelBit(12, true);
    expected.Settings().setLastUsedChannel(12);
    auto handshakes = bench.Write("write", image, {}, expected, kExchangeMs);
    if (!handshakes.empty()) {
        std::vector<double> blocks;
        for (const auto& block : radio.WrittenBlocks()) blocks.push_back(block.ms);
        std::printf("              write blocks began at");
        PrintSince(blocks, handshakes.back());
        std::printf(" ms after the handshake (due 500 2500 4500 6500 8500)\n");
    }

    // Back up, write, read back: three exchanges, each straight after the last.
    Retune(image, 13, 41'600'000);
    expected = image;
    rk::RefreshDerivedFields(expected);
    handshakes = bench.Write("write+options", image, {true, true}, expected, 3 * kExchangeMs);
    if (!handshakes.empty()) {
        std::printf("              exchanges began at");
        PrintSince(handshakes, handshakes.front());
        std::printf(" ms (due 0 10500 21000)\n");
    }

    // The same, paused after the backup while the user reads the preview:
    // the write starts afresh with its handshake, so each exchange keeps its
    // length and only the pause is added.
    Retune(image, 14, 41'700'000);
    expected = image;
    rk::RefreshDerivedFields(expected);
    std::size_t changes = 0;
    QObject::connect(&link, &rk::CloneLink::writeAwaiting, [&link, &changes](const rk::WritePreview& preview) {
        changes = preview.differences.size();
        QTimer::singleShot(kPreviewMs, &link, [&link] { link.ProceedWrite(); });
    });
    handshakes = bench.Write("write+preview", image, {true, true, true}, expected, 3 * kExchangeMs + kPreviewMs);
    if (!handshakes.empty()) {
        std::printf("              %zu changes shown; exchanges began at", changes);
        PrintSince(handshakes, handshakes.front());
        std::printf(" ms (due 0 %.0f %.0f: the pause of %d ms after the first)\n", kExchangeMs + kPreviewMs,
                    2 * kExchangeMs + kPreviewMs, kPreviewMs);
        if (changes == 0) bench.status = 1;
    }

    // Radio after radio on the same COM name: each costs what a single
    // write with both options costs.
    if (BenchSeries(link, radio, rules, image, 3 * kExchangeMs) != 0) status = 1;
    return status | bench.status;
}
