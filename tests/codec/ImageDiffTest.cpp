// Naming the differences between two images by field.

#include <QTest>

#include "ImageDiff.h"
#include "TestImages.h"
#include "TestRunner.h"

using namespace rk;

using Shown = std::optional<FieldValue>;
Q_DECLARE_METATYPE(std::function<void(RadioImage&)>)
Q_DECLARE_METATYPE(FieldValue)
Q_DECLARE_METATYPE(Shown)

class ImageDiffTest : public QObject {
    Q_OBJECT

private slots:
    void equalImagesHaveNoDifference() { QVERIFY(CompareImages(test::SampleImage(), test::SampleImage()).empty()); }

    void namesOneField_data() {
        using Edit = std::function<void(RadioImage&)>;
        using V = FieldValue;
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("channel");
        QTest::addColumn<FieldValue>("before");
        QTest::addColumn<FieldValue>("after");
        QTest::addColumn<Shown>("shown");
        QTest::newRow("rx frequency, two bytes") << Edit([](RadioImage& i) { i.Channel(2).setRxFreq(14'500'000); })
                                                 << int(DiffField::RxFrequency) << 2 << V(diff::Frequency{14'501'250})
                                                 << V(diff::Frequency{14'500'000}) << Shown();
        QTest::newRow("tx code switched off") << Edit([](RadioImage& i) { i.Channel(2).SetCodeFlag(kTxCodeOn, false); })
                                              << int(DiffField::TxCode) << 2 << V(diff::Code{7, true, true})
                                              << V(diff::Code{7, false, true}) << Shown();
        QTest::newRow("option bit") << Edit([](RadioImage& i) { i.Channel(63).SetOption(kScrambler, true); })
                                    << int(DiffField::Scrambler) << 63 << V(diff::Switch{false}) << V(diff::Switch{true})
                                    << Shown();
        QTest::newRow("power") << Edit([](RadioImage& i) { i.Channel(0).SetOption(kLowPower, true); })
                               << int(DiffField::Power) << 0 << V(diff::Power{false}) << V(diff::Power{true}) << Shown();
        QTest::newRow("repeater delay") << Edit([](RadioImage& i) { i.Channel(5).setRepeaterDelay(100); })
                                        << int(DiffField::RepeaterDelay) << 5 << V(diff::Tenths{0})
                                        << V(diff::Tenths{100}) << Shown();
        QTest::newRow("spare record byte") << Edit([](RadioImage& i) { i.Channel(1).Bytes()[15] = 0x3A; })
                                           << int(DiffField::Byte) << -1 << V(diff::Byte{0x00}) << V(diff::Byte{0x3A})
                                           << Shown();
        QTest::newRow("unused flag bit") << Edit([](RadioImage& i) { i.Channel(1).Bytes()[10] ^= 0x01; })
                                         << int(DiffField::Byte) << -1 << V(diff::Byte{0x50}) << V(diff::Byte{0x51})
                                         << Shown();
        QTest::newRow("scan group") << Edit([](RadioImage& i) { i.Settings().scanGroupB()[1] = 4; })
                                    << int(DiffField::ScanGroupB) << -1 << V(diff::Slots{{2}}) << V(diff::Slots{{2, 4}})
                                    << Shown();
        QTest::newRow("band") << Edit([](RadioImage& i) { i.Settings().setBandLow(10'000'000 / 4); })
                              << int(DiffField::Band) << -1 << V(diff::BandEdge{400}) << V(diff::BandEdge{100}) << Shown();
        QTest::newRow("highest channel in use") << Edit([](RadioImage& i) { i.Settings().setLastUsedChannel(63); })
                                                << int(DiffField::LastUsedChannel) << -1 << V(diff::Channel{9})
                                                << V(diff::Channel{63}) << Shown();
        QTest::newRow("last channel's bit in the map") << Edit([](RadioImage& i) { i.Settings().SetChannelBit(63, true); })
                                                       << int(DiffField::ChannelBitmap) << -1
                                                       << V(diff::ChannelMap{0x3FF}) << V(diff::ChannelMap{0x8000'0000'0000'03FF})
                                                       << Shown();
        // Bytes that show the same either way come as the bytes that differ.
        QTest::newRow("rx code byte while the code is off") << Edit([](RadioImage& i) { i.Channel(3).Bytes()[4] ^= 0x12; })
                                                            << int(DiffField::RxCode) << 3 << V(diff::Byte{0x00})
                                                            << V(diff::Byte{0x12}) << Shown(diff::Code{0, false, false});
        QTest::newRow("band bytes within one MHz") << Edit([](RadioImage& i) { i.Settings().setBandLow(10'000'001); })
                                                   << int(DiffField::Band) << -1 << V(diff::Byte{0x80})
                                                   << V(diff::Byte{0x81}) << Shown(diff::BandEdge{400});
    }
    void namesOneField() {
        QFETCH(std::function<void(RadioImage&)>, edit);
        QFETCH(int, field);
        QFETCH(int, channel);
        QFETCH(FieldValue, before);
        QFETCH(FieldValue, after);
        QFETCH(Shown, shown);
        RadioImage a = test::SampleImage();
        a.Channel(2).setRxFreq(14'501'250);
        a.Channel(2).SetCodeFlag(kTxCodeOn, true);
        a.Channel(2).SetCodeFlag(kTxCodeIsQt, true);
        a.Channel(2).setTxCode(7);
        a.Channel(1).Bytes()[15] = 0;
        a.Channel(1).setCodeFlags(0x50);
        a.Channel(3).SetCodeFlag(kRxCodeOn, false);
        a.Channel(3).SetCodeFlag(kRxCodeIsQt, false);
        a.Channel(3).setRxCode(0);
        a.Channel(5).setRepeaterDelay(0);
        a.Settings().setBandLow(40'000'000 / 4);
        for (int c = 0; c < kChannelCount; ++c) a.Settings().SetChannelBit(c, c < 10);
        for (auto& slot : a.Settings().scanGroupB()) slot = kEmptySlot;
        a.Settings().scanGroupB()[0] = 2;
        RadioImage b = a;
        edit(b);
        const auto differences = CompareImages(a, b);
        QCOMPARE(differences.size(), std::size_t{1});
        QCOMPARE(int(differences[0].field), field);
        QCOMPARE(differences[0].channel, channel);
        QVERIFY(differences[0].before == before);
        QVERIFY(differences[0].after == after);
        QVERIFY(differences[0].shown == shown);
    }

    // A field comes where its first differing byte is: a receive code
    // switched on in the flags byte follows the transmit frequency before it.
    void differencesInImageOrder() {
        const RadioImage a = test::SampleImage();
        RadioImage b = a;
        b.Channel(4).setCodeOn(Side::Receive, !a.Channel(4).codeOn(Side::Receive));
        b.Channel(4).setTxFreq(a.Channel(4).txFreq() + 1);
        b.Channel(4).Bytes()[10] ^= 0x01;  // a bit of no field, in the same byte
        const auto differences = CompareImages(a, b);
        QCOMPARE(differences.size(), std::size_t{3});
        QCOMPARE(differences[0].field, DiffField::TxFrequency);
        QCOMPARE(differences[0].offset, 4 * kRecordSize + 8);
        QCOMPARE(differences[1].field, DiffField::RxCode);
        QCOMPARE(differences[1].offset, 4 * kRecordSize + 10);
        QCOMPARE(differences[2].field, DiffField::Byte);
        QCOMPARE(differences[2].offset, 4 * kRecordSize + 10);
    }
};

RK_TEST_GUILESS_MAIN(ImageDiffTest)
#include "ImageDiffTest.moc"
