#include "RadioImageTest.h"

#include <QTest>

#include "RadioDocument.h"
#include "RadioImage.h"

using namespace rk;

void RadioImageTest::fieldsAreBigEndianAtTheirOffsets() {
    RadioImage image;
    auto ch = image.Channel(2);
    ch.setRxFreq(43'512'500);
    ch.setTxFreq(0x01020304);
    ch.setRxCode(0x87);
    ch.setTxCode(0x11);
    ch.setSquelchLevel(7);
    ch.setRepeaterDelay(25);
    const int base = 32;
    QCOMPARE(image[base + 0], 0x02);
    QCOMPARE(image[base + 1], 0x97);
    QCOMPARE(image[base + 2], 0xF2);
    QCOMPARE(image[base + 3], 0xB4);
    QCOMPARE(image[base + 4], 0x87);
    QCOMPARE(image[base + 5], 0x01);
    QCOMPARE(image[base + 8], 0x04);
    QCOMPARE(image[base + 9], 0x11);
    QCOMPARE(image[base + 12], 7);
    QCOMPARE(image[base + 13], 25);
    QCOMPARE(image.Channel(2).rxFreq(), 43'512'500u);

    auto settings = image.Settings();
    settings.setBandLow(10'000'000);  // 400 MHz
    QCOMPARE(image[1027], 0x98);
    QCOMPARE(image[1028], 0x96);
    QCOMPARE(image[1029], 0x80);
    settings.setBandLow(2'500'000);  // 100 MHz
    QCOMPARE(image[1027], 0x26);
    QCOMPARE(image[1028], 0x25);
    QCOMPARE(image[1029], 0xA0);
    QCOMPARE(image.Settings().bandLow(), 2'500'000u);
    settings.setTotLimit(50);
    settings.setLastUsedChannel(9);
    settings.scanGroupB()[3] = 17;
    QCOMPARE(image[1026], 50);
    QCOMPARE(image[1024], 9);
    QCOMPARE(image[1059], 17);
}

void RadioImageTest::flagBitsTouchOnlyTheirMask() {
    RadioImage image;
    auto ch = image.Channel(0);
    ch.setCodeFlags(0x83);  // spare bits set
    ch.SetCodeFlag(kRxCodeOn, true);
    ch.SetCodeFlag(kTxInhibit, true);
    QCOMPARE(ch.codeFlags(), 0x97);
    ch.SetCodeFlag(kTxInhibit, false);
    QCOMPARE(ch.codeFlags(), 0x93);
    QVERIFY(ch.HasCodeFlag(kRxCodeOn));
    QVERIFY(!ch.HasCodeFlag(kRxCodeIsQt));

    ch.setOptionFlags(0x03);
    ch.SetOption(kScrambler, true);
    ch.SetOption(kLowPower, true);
    QCOMPARE(ch.optionFlags(), 0x8B);
    ch.SetOption(kScrambler, false);
    QCOMPARE(ch.optionFlags(), 0x0B);
}

// Per side: frequency, code byte, on and is-tone bits, against the named
// accessors, with every other byte and bit of the record left as it was.
void RadioImageTest::eachSideTouchesOnlyItsOwnBytesAndBits() {
    struct Expect {
        Side side;
        std::size_t freqAt, codeAt;
        std::uint8_t onBit, qtBit;
    };
    for (const Expect& e : {Expect{Side::Receive, 0, 4, kRxCodeOn, kRxCodeIsQt},
                            Expect{Side::Transmit, 5, 9, kTxCodeOn, kTxCodeIsQt}}) {
        RadioImage image;
        image.Bytes().fill(0x5A);
        auto ch = image.Channel(1);
        const auto before = image.Bytes();
        ch.setFreq(e.side, 0x80000001u);
        ch.setCode(e.side, 0xC3);
        ch.setCodeOn(e.side, true);
        ch.setCodeIsQt(e.side, false);
        QCOMPARE(ch.freq(e.side), 0x80000001u);
        QCOMPARE(ch.freqSigned(e.side), std::int32_t(0x80000001u));
        QCOMPARE(ch.code(e.side), 0xC3);
        QVERIFY(ch.codeOn(e.side));
        QVERIFY(!ch.codeIsQt(e.side));
        QCOMPARE(e.side == Side::Receive ? ch.rxFreq() : ch.txFreq(), 0x80000001u);
        QCOMPARE(e.side == Side::Receive ? ch.rxCode() : ch.txCode(), 0xC3);
        for (std::size_t i = 0; i < kImageSize; ++i) {
            const std::size_t at = i - kRecordSize;
            const bool own = i >= kRecordSize && i < 2 * kRecordSize &&
                             ((at >= e.freqAt && at < e.freqAt + 4) || at == e.codeAt || at == 10);
            if (!own) QCOMPARE(image[i], before[i]);
        }
        const std::uint8_t flags = image[kRecordSize + 10];
        QCOMPARE(flags & ~(e.onBit | e.qtBit), before[kRecordSize + 10] & ~(e.onBit | e.qtBit));
        QCOMPARE(flags & (e.onBit | e.qtBit), int(e.onBit));
    }
}

void RadioImageTest::channelBitmapBits() {
    RadioImage image;
    auto settings = image.Settings();
    settings.SetChannelBit(9, true);
    settings.SetChannelBit(63, true);
    QCOMPARE(image[1073], 0x02);
    QCOMPARE(image[1079], 0x80);
    QVERIFY(settings.ChannelBit(9));
    settings.SetChannelBit(9, false);
    QCOMPARE(image[1073], 0x00);
    QCOMPARE(image[1079], 0x80);
}

void RadioImageTest::channelConfiguredThreshold_data() {
    QTest::addColumn<quint32>("rx");
    QTest::addColumn<quint32>("tx");
    QTest::addColumn<bool>("configured");
    QTest::newRow("both 100 MHz") << 10'000'000u << 10'000'000u << true;
    QTest::newRow("tx just below") << 10'000'000u << 9'999'999u << false;
    QTest::newRow("rx just below") << 9'999'999u << 43'512'500u << false;
    QTest::newRow("tx empty") << 50'000'000u << 0u << false;
    QTest::newRow("erased record") << 0xFFFFFFFFu << 0xFFFFFFFFu << false;
    QTest::newRow("top bit set") << 0x80000000u << 43'512'500u << false;
    QTest::newRow("largest positive") << 0x7FFFFFFFu << 0x7FFFFFFFu << true;
}

void RadioImageTest::channelConfiguredThreshold() {
    QFETCH(quint32, rx);
    QFETCH(quint32, tx);
    QFETCH(bool, configured);
    RadioImage image;
    image.Channel(5).setRxFreq(rx);
    image.Channel(5).setTxFreq(tx);
    QCOMPARE(image.IsChannelConfigured(5), configured);
}

void RadioImageTest::newDocumentDefaults() {
    RadioDocument doc;
    RadioImage full;
    full.Bytes().fill(0xAB);
    full.Channel(0).setRxFreq(14'500'000);
    full.Channel(0).setTxFreq(14'500'000);
    doc.LoadImage(full);
    doc.SetCurrentChannel(7);
    const auto listVersion = doc.ValidListVersion();
    QVERIFY(doc.OnNewDocument());
    for (std::size_t i = 0; i < kImageSize; ++i) {
        std::uint8_t expected = 0;
        if (i < 1024 && i % 16 == 12) expected = 3;
        if (i == 1025) expected = 15;
        if (i == 1026) expected = 50;
        if (i >= 1040 && i <= 1071) expected = 0xFF;
        QCOMPARE(doc.Image()[i], expected);
    }
    for (auto v : doc.ValidChannels()) QCOMPARE(v, 0xFF);
    QCOMPARE(doc.CurrentChannel(), 255);
    QVERIFY(doc.ValidListVersion() != listVersion);
}

void RadioImageTest::validChannelsListConfiguredInOrder() {
    RadioDocument doc;
    doc.OnNewDocument();
    RadioImage image = doc.Image();
    for (int c : {63, 0, 5}) {
        image.Channel(c).setRxFreq(43'512'500);
        image.Channel(c).setTxFreq(10'000'000);
    }
    image.Channel(7).setRxFreq(10'000'000);
    image.Channel(7).setTxFreq(9'999'999);
    const auto listVersion = doc.ValidListVersion();
    doc.SetCurrentChannel(4);
    doc.LoadImage(image);
    QCOMPARE(doc.ValidChannels()[0], 0);
    QCOMPARE(doc.ValidChannels()[1], 5);
    QCOMPARE(doc.ValidChannels()[2], 63);
    for (std::size_t i = 3; i < 64; ++i) QCOMPARE(doc.ValidChannels()[i], 0xFF);
    QCOMPARE(doc.CurrentChannel(), 255);
    QVERIFY(doc.ValidListVersion() != listVersion);
    QVERIFY(doc.Image() == image);
}

void RadioImageTest::modifiedStateNotifiesOnChange() {
    RadioDocument doc;
    QList<bool> seen;
    const Subscription listening = doc.modifiedChanged.Add([&](bool m) { seen << m; });
    doc.OnNewDocument();
    const auto change = [](std::uint8_t value) { return [value](RadioImage& image) { image[1087] = value; }; };
    QVERIFY(doc.Edit(change(1)));
    QVERIFY(doc.Edit(change(2)));
    QVERIFY(doc.IsModified());
    doc.LoadImage(RadioImage{});
    QVERIFY(!doc.IsModified());
    QVERIFY(doc.Edit(change(1)));
    doc.OnNewDocument();
    QCOMPARE(seen, (QList<bool>{true, false, true, false}));
    // Saved, then undone past the saved point and redone back to it.
    QVERIFY(doc.Edit(change(1)));
    doc.MarkSaved();
    QVERIFY(doc.Undo());
    QVERIFY(doc.Redo());
    QVERIFY(!doc.IsModified());
    QCOMPARE(seen, (QList<bool>{true, false, true, false, true, false, true, false}));
    // An edit that changes no byte is no step and no change.
    QVERIFY(!doc.Edit(change(1)));
    QVERIFY(!doc.History().CanRedo());
}

// Two windows follow the document: each hears every change, the
// configured-channel list is already rebuilt when they hear it, and a window
// whose subscription went hears nothing more.
void RadioImageTest::everyListenerHearsARebuiltDocument() {
    RadioDocument doc;
    doc.OnNewDocument();
    struct Window {
        int images = 0, steps = 0, modified = 0;
        std::int32_t channel = -1;
        std::uint8_t firstListed = 0;
        std::vector<Subscription> heard;
        void Follow(RadioDocument& d) {
            heard.push_back(d.imageChanged.Add([this, &d] { ++images; firstListed = d.ValidChannels()[0]; }));
            heard.push_back(d.historyChanged.Add([this] { ++steps; }));
            heard.push_back(d.modifiedChanged.Add([this](bool) { ++modified; }));
            heard.push_back(d.currentChannelChanged.Add([this](std::int32_t c) { channel = c; }));
        }
    };
    Window first;
    Window second;
    first.Follow(doc);
    second.Follow(doc);
    const auto version = doc.ValidListVersion();
    QVERIFY(doc.EditChannel(63, [](const ChannelRecord& r) { r.setRxFreq(14'500'000); }));
    QCOMPARE(doc.ValidListVersion(), version);
    QVERIFY(doc.EditChannel(63, [](const ChannelRecord& r) { r.setTxFreq(14'500'000); }));
    QVERIFY(doc.ValidListVersion() != version);
    doc.SetCurrentChannel(63);
    for (const Window* w : {&first, &second}) {
        QCOMPARE(w->images, 2);
        QCOMPARE(w->steps, 2);
        QCOMPARE(w->modified, 1);
        QCOMPARE(w->channel, 63);
        QCOMPARE(w->firstListed, std::uint8_t{63});
    }
    second.heard.clear();
    QVERIFY(doc.Undo());
    QCOMPARE(doc.ValidChannels()[0], kEmptySlot);
    QCOMPARE(first.images, 3);
    QCOMPARE(first.firstListed, kEmptySlot);
    QCOMPARE(second.images, 2);
    QCOMPARE(doc.imageChanged.Count(), std::size_t{1});
}

void RadioImageTest::outOfRangeIndexesThrow() {
    RadioImage image;
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, image.Channel(64));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, image.Channel(-1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, image.Row(68));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, image[1088]);
}
