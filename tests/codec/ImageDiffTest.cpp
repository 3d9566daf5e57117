// Naming the differences between two images by field.

#include <QTest>

#include "ImageDiff.h"
#include "TestImages.h"
#include "TestRunner.h"

using namespace rk;

Q_DECLARE_METATYPE(std::function<void(RadioImage&)>)

class ImageDiffTest : public QObject {
    Q_OBJECT

private slots:
    void equalImagesHaveNoDifference() { QVERIFY(CompareImages(test::SampleImage(), test::SampleImage()).empty()); }

    void namesOneField_data() {
        using Edit = std::function<void(RadioImage&)>;
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("rx frequency, two bytes") << Edit([](RadioImage& i) { i.Channel(2).setRxFreq(14'500'000); })
                                                 << int(DiffField::RxFrequency) << 2 << "145.0125" << "145";
        QTest::newRow("tx code switched off") << Edit([](RadioImage& i) { i.Channel(2).SetCodeFlag(kTxCodeOn, false); })
                                              << int(DiffField::TxCode) << 2 << "88.5" << "-";
        QTest::newRow("option bit") << Edit([](RadioImage& i) { i.Channel(63).SetOption(kScrambler, true); })
                                    << int(DiffField::Scrambler) << 63 << "0" << "1";
        QTest::newRow("power") << Edit([](RadioImage& i) { i.Channel(0).SetOption(kLowPower, true); })
                               << int(DiffField::Power) << 0 << "High" << "Low";
        QTest::newRow("spare record byte") << Edit([](RadioImage& i) { i.Channel(1).Bytes()[15] = 0x3A; })
                                           << int(DiffField::Byte) << -1 << "0x00" << "0x3A";
        QTest::newRow("unused flag bit") << Edit([](RadioImage& i) { i.Channel(1).Bytes()[10] ^= 0x01; })
                                         << int(DiffField::Byte) << -1 << "0x50" << "0x51";
        QTest::newRow("scan group") << Edit([](RadioImage& i) { i.Settings().scanGroupB()[1] = 4; })
                                    << int(DiffField::ScanGroupB) << -1 << "03" << "03 05";
        QTest::newRow("band") << Edit([](RadioImage& i) { i.Settings().setBandLow(10'000'000 / 4); })
                              << int(DiffField::Band) << -1 << "400" << "100";
        QTest::newRow("highest channel in use, numbered from 1") << Edit([](RadioImage& i) { i.Settings().setLastUsedChannel(63); })
                                                                 << int(DiffField::LastUsedChannel) << -1 << "10" << "64";
        // Bytes that show the same either way come as the bytes that differ.
        QTest::newRow("rx code byte while the code is off") << Edit([](RadioImage& i) { i.Channel(3).Bytes()[4] ^= 0x12; })
                                                            << int(DiffField::RxCode) << 3 << "0x00" << "0x12";
        QTest::newRow("band bytes within one MHz") << Edit([](RadioImage& i) { i.Settings().setBandLow(10'000'001); })
                                                   << int(DiffField::Band) << -1 << "0x80" << "0x81";
    }
    void namesOneField() {
        QFETCH(std::function<void(RadioImage&)>, edit);
        QFETCH(int, field);
        QFETCH(int, channel);
        QFETCH(QString, before);
        QFETCH(QString, after);
        RadioImage a = test::SampleImage();
        a.Channel(2).setRxFreq(14'501'250);
        a.Channel(2).SetCodeFlag(kTxCodeOn, true);
        a.Channel(2).SetCodeFlag(kTxCodeIsQt, true);
        a.Channel(2).setTxCode(7);
        a.Channel(1).Bytes()[15] = 0;
        a.Channel(1).setCodeFlags(0x50);
        a.Channel(3).SetCodeFlag(kRxCodeOn, false);
        a.Channel(3).setRxCode(0);
        a.Settings().setBandLow(40'000'000 / 4);
        for (auto& slot : a.Settings().scanGroupB()) slot = kEmptySlot;
        a.Settings().scanGroupB()[0] = 2;
        RadioImage b = a;
        edit(b);
        const auto differences = CompareImages(a, b);
        QCOMPARE(differences.size(), std::size_t{1});
        QCOMPARE(int(differences[0].field), field);
        QCOMPARE(differences[0].channel, channel);
        QCOMPARE(QString::fromStdString(differences[0].before), before);
        QCOMPARE(QString::fromStdString(differences[0].after), after);
    }
};

RK_TEST_GUILESS_MAIN(ImageDiffTest)
#include "ImageDiffTest.moc"
