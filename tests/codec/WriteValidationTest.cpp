// The pre-write check: each test at and just beyond its limit, for both
// models, with the failing channel, the message and the derived fields.

#include <QTest>

#include <cstdint>
#include <cstring>

#include "Rk520Rules.h"
#include "Rk520Texts.h"
#include "Rk7400Rules.h"
#include "Rk7400Texts.h"
#include "TestRunner.h"
#include "WriteValidation.h"

using namespace rk;

namespace {

enum Model { kRk520, kRk7400 };

const ValidationRules& Rules(int model) {
    return model == kRk520 ? Rk520Rules().validation : Rk7400Rules().validation;
}

// Which test a case expects to fail; Passes when the image must pass.
using enum WriteRule;
constexpr WriteRule Passes = None;

constexpr std::uint32_t BandLowOf(int mhz) { return static_cast<std::uint32_t>(mhz) * 25'000; }

// A valid band (400 MHz suits both models) and time limit, all channels empty.
RadioImage ValidEmptyImage() {
    RadioImage image;
    image.Settings().setBandLow(BandLowOf(400));
    image.Settings().setTotLimit(50);
    return image;
}

}  // namespace

class WriteValidationTest : public QObject {
    Q_OBJECT
private slots:
    void eachRuleAtItsLimit_data();
    void eachRuleAtItsLimit();
    void messagesAreTheModelsExactTexts();
    void newDocumentFailsOnBandUntilBandIsSet();
    void failureUpdatesOnlyTheChannelsBeforeIt_data();
    void failureUpdatesOnlyTheChannelsBeforeIt();
    void successFillsBitmapLastUsedAndTransferBytes();
    void allEmptyKeepsLastUsedChannel();
    void listHasEveryChannelAndSettingsOnce();
};

void WriteValidationTest::eachRuleAtItsLimit_data() {
    QTest::addColumn<int>("model");
    QTest::addColumn<std::uint32_t>("bandLow");
    QTest::addColumn<int>("totLimit");
    QTest::addColumn<int>("channel");
    QTest::addColumn<std::uint32_t>("rx");
    QTest::addColumn<std::uint32_t>("tx");
    QTest::addColumn<int>("options");
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("expect");

    const std::uint32_t b400 = BandLowOf(400);
    const std::uint32_t b430 = BandLowOf(430);
    const std::uint32_t b380 = BandLowOf(380);
    const std::uint32_t b145 = BandLowOf(145);
    const std::uint32_t erased = 0xFFFFFFFF;
    for (int model : {kRk520, kRk7400}) {
        const char* m = model == kRk520 ? "rk520" : "rk7400";
        auto row = [&](const char* name) -> QTestData& { return QTest::addRow("%s: %s", m, name) << model; };

        // Same frequency
        row("empty channel, repeater") << b400 << 50 << 5 << 0u << 0u << int(kRepeater) << 0 << int(SameFreqRepeater);
        row("equal, talkaround") << b400 << 50 << 7 << 41'000'000u << 41'000'000u << int(kTalkaround) << 0
                                  << int(SameFreqTalkaround);
        row("equal, reverse") << b400 << 50 << 7 << 41'000'000u << 41'000'000u << int(kReverse) << 0
                               << int(SameFreqReverse);
        row("equal, all three: talkaround first")
            << b400 << 50 << 7 << 41'000'000u << 41'000'000u << int(kTalkaround | kRepeater | kReverse) << 0
            << int(SameFreqTalkaround);
        row("equal, repeater and reverse: repeater first")
            << b400 << 50 << 7 << 41'000'000u << 41'000'000u << int(kRepeater | kReverse) << 0
            << int(SameFreqRepeater);
        row("equal, other options only") << b400 << 50 << 7 << 41'000'000u << 41'000'000u
                                          << int(kScrambler | kLowPower | kBeatShift | 0x03) << 0 << int(Passes);
        row("unequal, repeater") << b400 << 50 << 7 << 41'000'000u << 41'000'500u << int(kRepeater) << 0
                                  << int(Passes);
        row("erased record, all options") << b400 << 50 << 3 << erased << erased << 0xFF << 0
                                           << int(SameFreqTalkaround);
        row("erased record, no options") << b400 << 50 << 3 << erased << erased << 0 << 0 << int(RxOutOfBand);

        // Split, the test before the band
        if (model == kRk520) {
            row("10 MHz split") << b430 << 50 << 9 << 43'000'000u << 44'000'000u << 0 << 0 << int(Passes);
            row("10 MHz split, tx below") << b430 << 50 << 9 << 44'000'000u << 43'000'000u << 0 << 0 << int(Passes);
            row("split 10.005 MHz") << b430 << 50 << 9 << 43'000'000u << 44'000'500u << 0 << 0 << int(Split);
            row("split 10.005 MHz, tx below") << b430 << 50 << 9 << 44'000'500u << 43'000'000u << 0 << 0
                                               << int(Split);
        } else {
            row("20 MHz split") << b380 << 50 << 9 << 38'000'000u << 40'000'000u << 0 << 0 << int(Passes);
            row("20 MHz split, tx below") << b380 << 50 << 9 << 40'000'000u << 38'000'000u << 0 << 0 << int(Passes);
            row("10 MHz split passes, then band") << b400 << 50 << 9 << 43'000'000u << 44'000'000u << 0 << 0
                                                   << int(RxOutOfBand);
            row("split 20.005 MHz") << b400 << 50 << 9 << 43'000'000u << 45'000'500u << 0 << 0 << int(Split);
            row("split 20.005 MHz, tx below") << b400 << 50 << 9 << 45'000'500u << 43'000'000u << 0 << 0
                                               << int(Split);
        }
        row("rx only: split to 0") << b400 << 50 << 2 << 41'000'000u << 0u << 0 << 0 << int(Split);

        // Band: tested at the first channel that passes the two tests before
        row("band 100 MHz") << BandLowOf(100) << 50 << 0 << 0u << 0u << 0 << 0 << int(Passes);
        row("band 99 MHz") << BandLowOf(99) << 50 << 0 << 0u << 0u << 0 << 0 << int(Band);
        row("band 0") << 0u << 50 << 0 << 0u << 0u << 0 << 0 << int(Band);
        row("band one step above 145 MHz") << b145 + 1 << 50 << 0 << 0u << 0u << 0 << 0 << int(Band);
        row("band 145 MHz") << b145 << 50 << 0 << 0u << 0u << 0 << 0 << int(Passes);
        row("band 24-bit max") << 0xFFFFFFu << 50 << 0 << 0u << 0u << 0 << 0 << int(Band);
        row("bad band, channel 0 fails earlier") << 0u << 50 << 0 << 0u << 0u << int(kRepeater) << 0
                                                  << int(SameFreqRepeater);
        row("band 400 MHz") << b400 << 50 << 0 << 0u << 0u << 0 << 0 << int(Passes);
        row("band 401 MHz") << BandLowOf(401) << 50 << 0 << 0u << 0u << 0 << 0
                             << int(model == kRk520 ? Passes : Band);
        row("band 450 MHz") << BandLowOf(450) << 50 << 0 << 0u << 0u << 0 << 0
                             << int(model == kRk520 ? Passes : Band);
        row("band 480 MHz") << BandLowOf(480) << 50 << 0 << 0u << 0u << 0 << 0
                             << int(model == kRk520 ? Passes : Band);
        row("band 481 MHz") << BandLowOf(481) << 50 << 0 << 0u << 0u << 0 << 0 << int(Band);

        // Frequencies in the band 400..420 MHz, both edges included
        row("rx at lower edge") << b400 << 50 << 11 << 40'000'000u << 40'000'000u << 0 << 0 << int(Passes);
        row("rx at upper edge") << b400 << 50 << 11 << 42'000'000u << 42'000'000u << 0 << 0 << int(Passes);
        row("rx one step above") << b400 << 50 << 11 << 42'000'625u << 42'000'000u << 0 << 0 << int(RxOutOfBand);
        row("rx one step below") << b400 << 50 << 11 << 39'999'375u << 40'000'000u << 0 << 0 << int(RxOutOfBand);
        row("rx negative") << b400 << 50 << 11 << 0xFFFFFE0Cu /* -500 */ << 0u << 0 << 0 << int(RxOutOfBand);
        row("tx one step above") << b400 << 50 << 11 << 42'000'000u << 42'000'625u << 0 << 0 << int(TxOutOfBand);
        row("tx one step below") << b400 << 50 << 11 << 40'000'000u << 39'999'375u << 0 << 0 << int(TxOutOfBand);
        row("tx only") << b400 << 50 << 11 << 0u << 41'000'000u << 0 << 0 << int(Split);

        // Channel steps, in the band 145..165 MHz
        row("rx on 6.25 kHz") << b145 << 50 << 12 << 14'501'250u << 14'500'000u << 0 << 0 << int(Passes);
        row("rx on 5 kHz") << b145 << 50 << 12 << 14'501'500u << 14'500'000u << 0 << 0 << int(Passes);
        row("rx off step") << b145 << 50 << 12 << 14'501'200u << 14'500'000u << 0 << 0 << int(RxStep);
        row("rx one count off") << b145 << 50 << 12 << 14'501'251u << 14'500'000u << 0 << 0 << int(RxStep);
        row("tx on 6.25 kHz") << b145 << 50 << 12 << 14'500'000u << 14'501'250u << 0 << 0 << int(Passes);
        row("tx off step") << b145 << 50 << 12 << 14'500'000u << 14'501'200u << 0 << 0 << int(TxStep);
        row("both off step: rx first") << b145 << 50 << 12 << 14'501'200u << 14'501'200u << 0 << 0 << int(RxStep);

        // Time limit, reported at channel 0
        row("tot 0") << b400 << 0 << 0 << 0u << 0u << 0 << 0 << int(TotLimit);
        row("tot 1") << b400 << 1 << 0 << 0u << 0u << 0 << 0 << int(Passes);
        row("tot 100") << b400 << 100 << 0 << 0u << 0u << 0 << 0 << int(Passes);
        row("tot 101") << b400 << 101 << 0 << 0u << 0u << 0 << 0 << int(TotLimit);
        row("tot 255") << b400 << 255 << 0 << 0u << 0u << 0 << 0 << int(TotLimit);

        // Repeater delay of one channel
        row("delay 100") << b400 << 50 << 40 << 41'000'000u << 41'000'000u << 0 << 100 << int(Passes);
        row("delay 101") << b400 << 50 << 40 << 41'000'000u << 41'000'000u << 0 << 101 << int(RepeaterDelay);
        row("delay 255, empty channel") << b400 << 50 << 63 << 0u << 0u << 0 << 255 << int(RepeaterDelay);
    }
}

void WriteValidationTest::eachRuleAtItsLimit() {
    QFETCH(int, model);
    QFETCH(std::uint32_t, bandLow);
    QFETCH(int, totLimit);
    QFETCH(int, channel);
    QFETCH(std::uint32_t, rx);
    QFETCH(std::uint32_t, tx);
    QFETCH(int, options);
    QFETCH(int, delay);
    QFETCH(int, expect);

    RadioImage image;
    image.Settings().setBandLow(bandLow);
    image.Settings().setTotLimit(static_cast<std::uint8_t>(totLimit));
    auto record = image.Channel(channel);
    record.setRxFreq(rx);
    record.setTxFreq(tx);
    record.setOptionFlags(static_cast<std::uint8_t>(options));
    record.setRepeaterDelay(static_cast<std::uint8_t>(delay));

    const auto& rules = Rules(model);
    // The list of every problem starts with the one the check stops at.
    const auto problems = ListWriteProblems(image, rules);
    const ValidationVerdict verdict = ValidateForWrite(image, rules);
    if (expect == int(Passes)) {
        QVERIFY(verdict.passed);
        QCOMPARE(verdict.failingChannel, -1);
        QVERIFY(problems.empty());
        return;
    }
    QVERIFY(!problems.empty());
    QCOMPARE(problems.front().channel, verdict.failingChannel);
    QCOMPARE(problems.front().rule, verdict.rule);
    QVERIFY(!verdict.passed);
    // The settings tests fail at channel 0, before the channel under test.
    const bool settingsTest = expect == int(Band) || expect == int(TotLimit);
    QCOMPARE(verdict.failingChannel, settingsTest ? 0 : channel);
    QCOMPARE(verdict.rule, static_cast<WriteRule>(expect));
}

void WriteValidationTest::messagesAreTheModelsExactTexts() {
    QCOMPARE(Rk520Rules().validation.highestBandEdge, 48'000'000);
    QCOMPARE(Rk520Rules().validation.greatestSplit, 1'000'000);
    QCOMPARE(Rk7400Rules().validation.highestBandEdge, 40'000'000);
    QCOMPARE(Rk7400Rules().validation.greatestSplit, 2'000'000);
    const auto& first = Rk520Texts().check;
    const auto& second = Rk7400Texts().check;
    QCOMPARE(std::strcmp(first.sameFreqTalkaround, first.sameFreqRepeater), 0);
    QCOMPARE(std::strcmp(first.sameFreqRepeater, first.sameFreqReverse), 0);
    QCOMPARE(QString::fromUtf8(first.sameFreqRepeater), QStringLiteral("同频不能设置中继、脱网、倒频功能"));
    // Leading blanks and the control character are part of the texts.
    QCOMPARE(QByteArray(second.rxOutOfBand).left(4), QByteArray("  \x02 "));
    QCOMPARE(QByteArray(second.txOutOfBand).left(5), QByteArray("    T"));
    QCOMPARE(QString::fromUtf8(second.txStep).left(2), QStringLiteral("\u0422\u0425"));  // Cyrillic ТХ
}

void WriteValidationTest::newDocumentFailsOnBandUntilBandIsSet() {
    for (int model : {kRk520, kRk7400}) {
        RadioImage image;
        for (int c = 0; c < kChannelCount; ++c) image.Channel(c).setSquelchLevel(3);
        image.Settings().setSettingsByte1(15);
        image.Settings().setTotLimit(50);
        const auto failed = ValidateForWrite(image, Rules(model));
        QVERIFY(!failed.passed);
        QCOMPARE(failed.failingChannel, 0);
        QCOMPARE(failed.rule, Band);

        image.Settings().setBandLow(BandLowOf(136));
        QVERIFY(ValidateForWrite(image, Rules(model)).passed);
    }
}

void WriteValidationTest::failureUpdatesOnlyTheChannelsBeforeIt_data() {
    QTest::addColumn<int>("model");
    QTest::newRow("rk520") << int(kRk520);
    QTest::newRow("rk7400") << int(kRk7400);
}

void WriteValidationTest::failureUpdatesOnlyTheChannelsBeforeIt() {
    QFETCH(int, model);
    RadioImage image = ValidEmptyImage();
    auto settings = image.Settings();
    for (int i = 0; i < 8; ++i) image[kSettingsOffset + 48 + i] = 0xA5;  // stale bits
    settings.setLastUsedChannel(77);
    for (int c : {3, 10, 39, 45}) {
        image.Channel(c).setRxFreq(41'000'000);
        image.Channel(c).setTxFreq(41'000'000);
    }
    image.Channel(40).setRepeaterDelay(101);
    const RadioImage before = image;

    const auto verdict = ValidateForWrite(image, Rules(model));
    QVERIFY(!verdict.passed);
    QCOMPARE(verdict.failingChannel, 40);
    QCOMPARE(verdict.rule, RepeaterDelay);
    for (std::uint8_t b : verdict.transferBytes) QCOMPARE(b, std::uint8_t(0));

    for (int c = 0; c < kChannelCount; ++c) {
        const bool expected = c < 40 ? (c == 3 || c == 10 || c == 39) : before.Settings().ChannelBit(c);
        QVERIFY2(settings.ChannelBit(c) == expected, QByteArray::number(c).constData());
    }
    QCOMPARE(settings.lastUsedChannel(), std::uint8_t(39));
    // Nothing but the two derived fields changed.
    for (std::size_t i = 0; i < kImageSize; ++i) {
        const bool derived = i == kSettingsOffset || (i >= kSettingsOffset + 48 && i < kSettingsOffset + 56);
        if (!derived) QCOMPARE(image[i], before[i]);
    }
}

void WriteValidationTest::successFillsBitmapLastUsedAndTransferBytes() {
    for (int model : {kRk520, kRk7400}) {
        RadioImage image = ValidEmptyImage();
        for (int i = 0; i < 8; ++i) image[kSettingsOffset + 48 + i] = 0xFF;
        // A spare byte and a spare bit travel unchanged.
        image[kSettingsOffset + 60] = 0x5A;
        image.Channel(9).setRxFreq(40'500'000);
        image.Channel(9).setTxFreq(40'500'000);
        image.Channel(9).Bytes()[14] = 0x33;
        image.Channel(63).setRxFreq(41'000'000);
        image.Channel(63).setTxFreq(41'200'000);

        const auto verdict = ValidateForWrite(image, Rules(model));
        QVERIFY(verdict.passed);
        // Channel 9 is bit 1 of image byte 1073, channel 63 bit 7 of 1079.
        QCOMPARE(image[1072], 0x00);
        QCOMPARE(image[1073], 0x02);
        for (std::size_t i = 1074; i < 1079; ++i) QCOMPARE(image[i], 0x00);
        QCOMPARE(image[1079], 0x80);
        QCOMPARE(image.Settings().lastUsedChannel(), std::uint8_t(63));
        QVERIFY(verdict.transferBytes == image.Bytes());
    }
}

void WriteValidationTest::allEmptyKeepsLastUsedChannel() {
    RadioImage image = ValidEmptyImage();
    image.Settings().setLastUsedChannel(12);
    image[1075] = 0x10;
    const auto verdict = ValidateForWrite(image, Rules(kRk520));
    QVERIFY(verdict.passed);
    QCOMPARE(image.Settings().lastUsedChannel(), std::uint8_t(12));
    QCOMPARE(image[1075], 0x00);
    QCOMPARE(verdict.transferBytes[1024], std::uint8_t(12));
}


// Two failing channels beyond the first, the time limit once although every
// channel meets it.
void WriteValidationTest::listHasEveryChannelAndSettingsOnce() {
    RadioImage image = ValidEmptyImage();
    image.Settings().setTotLimit(0);
    image.Channel(3).setRxFreq(41'000'001);
    image.Channel(3).setTxFreq(41'000'000);
    image.Channel(63).setRxFreq(41'000'000);
    image.Channel(63).setTxFreq(41'000'000);
    image.Channel(63).setOptionFlags(kReverse);
    const RadioImage before = image;
    const auto& rules = Rules(kRk7400);
    const auto problems = ListWriteProblems(image, rules);
    QVERIFY(image == before);
    QCOMPARE(problems.size(), std::size_t(3));
    QCOMPARE(problems[0].channel, 0);
    QCOMPARE(problems[0].rule, TotLimit);
    QCOMPARE(problems[1].channel, 3);
    QCOMPARE(problems[1].rule, RxStep);
    QCOMPARE(problems[2].channel, 63);
    QCOMPARE(problems[2].rule, SameFreqReverse);
}

RK_TEST_GUILESS_MAIN(WriteValidationTest)
#include "WriteValidationTest.moc"
