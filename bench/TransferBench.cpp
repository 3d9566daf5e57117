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
#include "Prompts.h"
#include "RadioSimulator.h"
#include "Rk520Profile.h"
#include "Rk7400Profile.h"
#include "TestImages.h"

namespace {

constexpr double kScheduleMs = 10'500;
constexpr int kGiveUpMs = 30'000;

// Ends the wait at the transfer's closing message.
class StopwatchPrompts final : public rk::Prompts {
public:
    QEventLoop loop;
    QString message;
    qint64 elapsedMs = -1;
    QElapsedTimer clock;

    void ShowMessage(const QString& text) override {
        elapsedMs = clock.elapsed();
        message = text;
        loop.quit();
    }
    rk::SaveChoice AskSaveChanges(const QString&) override { return rk::SaveChoice::Cancel; }
    bool AskYesNo(const QString&) override { return false; }
    QString AskOpenFileName(const QString&, const QString&) override { return {}; }
    QString AskSaveFileName(const QString&, const QString&) override { return {}; }
};

class NoDisplay final : public rk::TransferDisplay {
public:
    void ShowReadImage() override {}
    void ShowRefusedChannel(int) override {}
};

template <typename Command>
bool Time(StopwatchPrompts& prompts, Command command) {
    prompts.message.clear();
    prompts.elapsedMs = -1;
    prompts.clock.start();
    command();
    if (prompts.elapsedMs < 0) {
        QTimer::singleShot(kGiveUpMs, &prompts.loop, &QEventLoop::quit);
        prompts.loop.exec();
    }
    return prompts.elapsedMs >= 0;
}

void Report(const char* what, const StopwatchPrompts& prompts, bool bytesMatch) {
    const double ms = static_cast<double>(prompts.elapsedMs);
    const double off = (ms - kScheduleMs) / kScheduleMs * 100.0;
    std::printf("%-6s %8.1f ms  schedule %.0f ms  %+6.2f %%  %s  bytes on the line %s  \"%s\"\n", what, ms, kScheduleMs,
                off, std::fabs(off) <= 1.0 ? "within 1%" : "OUTSIDE 1%", bytesMatch ? "equal the image" : "DIFFER",
                prompts.message.toUtf8().constData());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const bool second = argc > 1 && QByteArray(argv[1]) == "rk7400";
    const rk::ModelProfile& profile = second ? Rk7400Profile() : Rk520Profile();

    const rk::RadioImage radioImage = rk::test::SampleImage();
    rk::test::RadioSimulator radio(radioImage);
    rk::test::RadioSimulator::Behaviour behaviour;
    behaviour.paced = true;
    if (!radio.Start(behaviour)) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return 1;
    }
    qputenv("RK_COM1", QByteArray::fromStdString(radio.SlavePath()));

    StopwatchPrompts prompts;
    rk::Prompts::Install(&prompts);
    rk::RadioDocument document;
    document.OnNewDocument();
    NoDisplay display;
    rk::CloneLink link(profile, document, display);
    std::printf("%s, simulator at 2400 baud on %s\n", profile.programName, radio.SlavePath().c_str());

    int status = 0;
    if (!Time(prompts, [&] { link.OnReadRadio(); })) {
        std::printf("read   no outcome after %d ms\n", kGiveUpMs);
        status = 1;
    } else {
        Report("read", prompts, document.m_image == radioImage);
    }

    // Write back what was read, with one channel changed so that the write
    // cannot pass by echoing the radio's own bytes.
    document.m_image.Channel(12).setRxFreq(41'500'000);
    document.m_image.Channel(12).setTxFreq(41'500'000);
    rk::RadioImage expected = document.m_image;
    expected.Settings().SetChannelBit(12, true);
    expected.Settings().setLastUsedChannel(12);
    if (!Time(prompts, [&] { link.OnWriteRadio(); })) {
        std::printf("write  no outcome after %d ms\n", kGiveUpMs);
        status = 1;
    } else {
        const auto written = radio.WrittenBytes();
        const bool match = written.size() == 1280 &&
                           std::equal(expected.Bytes().begin(), expected.Bytes().end(), written.begin());
        Report("write", prompts, match);
        const auto handshakes = radio.HandshakeTimes();
        std::printf("       write blocks began at");
        for (const auto& block : radio.WrittenBlocks()) std::printf(" %.0f", block.ms - handshakes.back());
        std::printf(" ms after the handshake (due 500 2500 4500 6500 8500)\n");
    }
    rk::Prompts::Install(nullptr);
    return status;
}
