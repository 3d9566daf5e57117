// The squelch spin and the option lists: their bytes, the options that
// exclude each other, and a loaded image whose options already conflict.

#include <QLineEdit>
#include <QTest>

#include "ChoiceList.h"
#include "EditorHarness.h"
#include "EditorTests.h"
#include "SpinButton.h"

using namespace rk;
using rk::test::EditorHarness;
using rk::test::ImageWithChannels;

void OptionEditsTest::squelchSpin() {
    EditorHarness h("rk520");
    h.Click(1035, 1);
    h.SpinUp();
    QCOMPARE(h.document.Image().Channel(1).squelchLevel(), 4);
    QCOMPARE(h.Text(1019), QString("4"));
    QVERIFY(h.document.IsModified());
    for (int i = 0; i < 8; ++i) h.SpinUp();
    QCOMPARE(h.document.Image().Channel(1).squelchLevel(), 9);
    QCOMPARE(h.Text(1019), QString("9"));
    for (int i = 0; i < 12; ++i) h.SpinDown();
    QCOMPARE(h.document.Image().Channel(1).squelchLevel(), 0);
    QCOMPARE(h.document.Image().Channel(0).squelchLevel(), 3);
    // The keyboard steps the spin too.
    h.Spin()->setFocus();
    QTest::keyClick(h.Spin(), Qt::Key_Up);
    QCOMPARE(h.document.Image().Channel(1).squelchLevel(), 1);
    // And from its read-only field: a page is three steps, held in range.
    auto* buddy = qobject_cast<QLineEdit*>(h.view->Control(ctl::kSquelchBuddy));
    QVERIFY(buddy->isReadOnly());
    const std::pair<Qt::Key, int> keys[] = {
        {Qt::Key_PageUp, 4}, {Qt::Key_Up, 5}, {Qt::Key_PageUp, 8}, {Qt::Key_PageUp, 9}, {Qt::Key_PageDown, 6}, {Qt::Key_Down, 5}};
    for (const auto& [key, level] : keys) {
        QTest::keyClick(buddy, key);
        QCOMPARE(h.document.Image().Channel(1).squelchLevel(), level);
        QCOMPARE(h.Text(1019), QString::number(level));
    }
    // The upper band edge is read-only and says why.
    auto* bandHigh = qobject_cast<QLineEdit*>(h.view->Control(ctl::kBandHigh));
    QVERIFY(bandHigh->isReadOnly());
    QCOMPARE(bandHigh->toolTip(), QString::fromUtf8(h.profile->editor.bandHighTip));
}

void OptionEditsTest::exclusions_data() {
    QTest::addColumn<int>("optionFlags");
    QTest::addColumn<int>("list");
    QTest::addColumn<bool>("refused");
    QTest::newRow("reverse while repeater") << int(kRepeater) << 1022 << true;
    QTest::newRow("talkaround while repeater") << int(kRepeater) << 1072 << true;
    QTest::newRow("tx inhibit while repeater") << int(kRepeater) << 1000 << true;
    QTest::newRow("repeater while reverse") << int(kReverse) << 1069 << true;
    QTest::newRow("repeater while talkaround") << int(kTalkaround) << 1069 << true;
    QTest::newRow("reverse while talkaround") << int(kTalkaround) << 1022 << true;
    QTest::newRow("talkaround while reverse") << int(kReverse) << 1072 << true;
    QTest::newRow("tx inhibit while reverse") << int(kReverse) << 1000 << false;
    QTest::newRow("scrambler while repeater") << int(kRepeater) << 1068 << false;
    QTest::newRow("beat shift while reverse") << int(kReverse) << 1071 << false;
    QTest::newRow("repeater alone") << 0 << 1069 << false;
}

void OptionEditsTest::exclusions() {
    QFETCH(int, optionFlags);
    QFETCH(int, list);
    QFETCH(bool, refused);
    EditorHarness h("rk520");
    RadioImage image = h.document.Image();
    image.Channel(0).setOptionFlags(static_cast<std::uint8_t>(optionFlags));
    h.Load(image);

    h.Click(list, 1);
    if (refused) {
        QCOMPARE(h.Selected(list), 0);
        QCOMPARE(h.document.Image(), image);
        QVERIFY(!h.document.IsModified());
    } else {
        QCOMPARE(h.Selected(list), 1);
        QVERIFY(h.document.IsModified());
        const ConstChannelRecord record = h.document.Image().Channel(0);
        const bool on = list == 1000 ? record.HasCodeFlag(kTxInhibit)
                                     : record.HasOption(list == 1069   ? kRepeater
                                                        : list == 1068 ? kScrambler
                                                        : list == 1071 ? kBeatShift
                                                                       : 0);
        QVERIFY(on);
        // And back to no.
        h.Click(list, 0);
        QCOMPARE(h.document.Image().Channel(0).optionFlags(), optionFlags);
        QCOMPARE(h.document.Image().Channel(0).codeFlags(), 0);
    }
}

void OptionEditsTest::repeaterClearsTxInhibit() {
    EditorHarness h("rk520");
    h.Click(1000, 1);
    QVERIFY(h.document.Image().Channel(0).HasCodeFlag(kTxInhibit));
    h.Click(1069, 1);
    QVERIFY(h.document.Image().Channel(0).HasOption(kRepeater));
    QVERIFY(!h.document.Image().Channel(0).HasCodeFlag(kTxInhibit));
    QCOMPARE(h.Selected(1000), 0);
    // Setting the repeater to no leaves transmit inhibit alone.
    h.Click(1069, 0);
    h.Click(1000, 1);
    h.Click(1069, 0);
    QVERIFY(h.document.Image().Channel(0).HasCodeFlag(kTxInhibit));
}

void OptionEditsTest::loadedConflictRefusesRepeater_data() {
    QTest::addColumn<int>("optionFlags");
    QTest::newRow("reverse") << int(kReverse);
    QTest::newRow("talkaround") << int(kTalkaround);
}

void OptionEditsTest::loadedConflictRefusesRepeater() {
    QFETCH(int, optionFlags);
    EditorHarness h("rk7400");
    RadioImage image = ImageWithChannels({3});
    image.Channel(3).setOptionFlags(static_cast<std::uint8_t>(optionFlags));
    image.Channel(3).setCodeFlags(kTxInhibit);
    h.Load(image);
    h.Click(1035, 3);
    h.Click(1069, 1);
    QCOMPARE(h.Selected(1069), 0);
    QCOMPARE(h.document.Image(), image);
    QVERIFY(!h.document.IsModified());
    // Other options of that channel still work.
    h.Click(1068, 1);
    QCOMPARE(h.document.Image().Channel(3).optionFlags(), optionFlags | kScrambler);
}

void OptionEditsTest::loadedConflictCanBeCleared() {
    for (const char* model : {"rk520", "rk7400"}) {
        EditorHarness h(model);
        RadioImage image = h.document.Image();
        image.Channel(0).setOptionFlags(kRepeater | kReverse | kTalkaround);
        h.Load(image);
        QCOMPARE(h.Selected(1069), 1);
        h.Click(1069, 0);
        QCOMPARE(h.Selected(1069), 0);
        QCOMPARE(h.document.Image().Channel(0).optionFlags(), kReverse | kTalkaround);
        h.Click(1069, 1);  // still refused while reverse and talkaround are on
        QCOMPARE(h.Selected(1069), 0);
        QCOMPARE(h.document.Image().Channel(0).optionFlags(), kReverse | kTalkaround);
        if (h.profile->hasReverse) {
            h.Click(1022, 0);
            h.Click(1072, 0);
            QCOMPARE(h.document.Image().Channel(0).optionFlags(), 0);
        }
    }
}

void OptionEditsTest::power() {
    for (const char* model : {"rk520", "rk7400"}) {
        EditorHarness h(model);
        h.Click(1067, 1);
        QVERIFY(h.document.Image().Channel(0).HasOption(kLowPower));
        h.Click(1067, 0);
        QVERIFY(!h.document.Image().Channel(0).HasOption(kLowPower));
        QVERIFY(h.document.IsModified());
    }
}
