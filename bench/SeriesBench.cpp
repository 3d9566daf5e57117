#include "SeriesBench.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cmath>
#include <cstdio>

#include "TestImages.h"
#include "WriteSeries.h"
#include "WriteValidation.h"

namespace {

constexpr int kRadios = 3;
constexpr int kGiveUpMs = 60'000;

// What radio `n` holds before its write: each one differs from the image in
// its own channel's squelch level.
rk::RadioImage HeldBy(int n) {
    rk::RadioImage held = rk::test::SampleImage();
    held.Channel(20 + n).setSquelchLevel(static_cast<std::uint8_t>(n));
    return held;
}

}  // namespace

int BenchSeries(rk::CloneLink& link, rk::test::RadioSimulator& radio, const rk::ModelRules& rules,
                const rk::RadioImage& image, double scheduleMs) {
    rk::TransferSession session(link);
    rk::WriteSeries series(session, QString::fromUtf8(rules.programName));
    QEventLoop loop;
    QElapsedTimer clock;
    double elapsedMs = -1;
    QObject::connect(&series, &rk::WriteSeries::radioStarted, [&](int) { clock.start(); });
    QObject::connect(&series, &rk::WriteSeries::radioFinished, [&](const rk::SeriesRadio&) {
        elapsedMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        loop.quit();
    });
    rk::RadioImage expected = image;
    rk::RefreshDerivedFields(expected);
    rk::test::RadioSimulator::Behaviour paced;
    paced.paced = true;

    int status = 0;
    std::printf("series of %d radios on COM1, each backed up, written and read back\n", kRadios);
    for (int n = 1; n <= kRadios; ++n) {
        // The next radio is connected while nothing is on the line.
        if (!radio.Swap(HeldBy(n), paced)) return 1;
        elapsedMs = -1;
        if (n == 1)
            series.Begin(image, {.backupFirst = true, .verifyAfter = true}, {{"COM1", {}}});
        else
            series.WriteNext();
        QTimer giveUp;
        giveUp.setSingleShot(true);
        QObject::connect(&giveUp, &QTimer::timeout, &loop, &QEventLoop::quit);
        giveUp.start(kGiveUpMs);
        if (series.IsWriting()) loop.exec();
        if (elapsedMs < 0) {
            std::printf("radio %d  no result after %d ms\n", n, kGiveUpMs);
            return 1;
        }
        const rk::SeriesRadio& attempt = series.Attempts().back();
        const double off = (elapsedMs - scheduleMs) / scheduleMs * 100.0;
        const bool within = std::fabs(off) <= 1.0;
        const bool holds = radio.Image() == expected;
        std::printf("radio %d  %8.1f ms  schedule %.0f ms  %+6.2f %%  %s  %s, %d fields changed, radio %s\n", n,
                    elapsedMs, scheduleMs, off, within ? "within 1%" : "OUTSIDE 1%",
                    rk::SeriesResultWord(attempt.result), attempt.fieldsChanged.value_or(-1),
                    holds ? "holds the image" : "DIFFERS");
        if (!within || !holds || attempt.result != rk::SeriesResult::Verified) status = 1;
    }
    series.Finish();
    std::printf("series log %s\n", series.LogPath().toUtf8().constData());
    return status;
}
