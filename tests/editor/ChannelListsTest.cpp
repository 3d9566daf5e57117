// Choosing the channel in the selector and in the configured-channel list.

#include <QLineEdit>
#include <QTest>

#include "ChoiceList.h"
#include "EditorHarness.h"
#include "EditorTests.h"

using namespace rk;
using rk::test::EditorHarness;
using rk::test::ImageWithChannels;
using rk::test::NameOf;

void ChannelListsTest::selectorChoice_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("validPos");  // -1: not configured
    for (const char* model : {"rk520", "rk7400"}) {
        QTest::addRow("%s configured", model) << model << 7 << 1;
        QTest::addRow("%s not configured", model) << model << 5 << -1;
        QTest::addRow("%s last", model) << model << 63 << 2;
    }
}

void ChannelListsTest::selectorChoice() {
    QFETCH(QString, model);
    QFETCH(int, channel);
    QFETCH(int, validPos);
    EditorHarness h(model);
    RadioImage image = ImageWithChannels({2, 7, 63});
    image.Channel(7).setRxFreq(43'512'500);
    image.Channel(63).setRxFreq(14'501'250);
    h.Load(image);
    QCOMPARE(h.Entries(1002), (QStringList{NameOf(model, 2), NameOf(model, 7), NameOf(model, 63)}));
    QCOMPARE(h.Selected(1002), -1);

    h.Click(1035, channel);
    QCOMPARE(h.document.CurrentChannel(), channel);
    QCOMPARE(h.view->EditChannel(), channel);
    QCOMPARE(h.view->ValidListPos(), validPos);
    QCOMPARE(h.Selected(1002), validPos);
    QCOMPARE(h.Text(1020), channel == 7 ? QString("435.125") : channel == 63 ? QString("145.0125") : QString("0"));
    QCOMPARE(h.document.Image(), image);
    QVERIFY(!h.document.IsModified());
}

void ChannelListsTest::validListChoice() {
    EditorHarness h("rk520");
    RadioImage image = ImageWithChannels({3, 10, 40});
    image.Channel(40).setRxFreq(44'000'000);
    h.Load(image);

    h.Click(1002, 2);
    QCOMPARE(h.Selected(1035), 40);
    QCOMPARE(h.document.CurrentChannel(), 40);
    QCOMPARE(h.view->EditChannel(), 40);
    QCOMPARE(h.view->ValidListPos(), 2);
    QCOMPARE(h.Text(1020), QString("440"));

    // An unconfigured channel in the selector clears the configured list's selection.
    h.Click(1035, 0);
    QCOMPARE(h.Selected(1002), -1);
    QCOMPARE(h.view->ValidListPos(), -1);
    QCOMPARE(h.Text(1020), QString("0"));
    QCOMPARE(h.document.Image(), image);
    QVERIFY(!h.document.IsModified());
}

void ChannelListsTest::keyboardChoice() {
    EditorHarness h("rk7400");
    h.Load(ImageWithChannels({1, 2}));
    h.KeyDown(1035);
    QCOMPARE(h.view->EditChannel(), 1);
    QCOMPARE(h.Selected(1002), 0);
    h.KeyDown(1002);
    QCOMPARE(h.view->EditChannel(), 2);
    QCOMPARE(h.Selected(1035), 2);
    QCOMPARE(h.view->ValidListPos(), 1);
}

void ChannelListsTest::sameChannelAgain() {
    EditorHarness h("rk520");
    h.Load(ImageWithChannels({4}));
    h.Click(1035, 4);
    QCOMPARE(h.Selected(1002), 0);
    // The program clears the configured list's selection; the user picks the
    // edited channel once more: it is not shown anew, the selection comes back.
    h.List(1002)->SelectRow(-1);
    h.Edit(1020)->setText("999");
    h.Click(1035, 4);
    QCOMPARE(h.Text(1020), QString("999"));
    QCOMPARE(h.Selected(1002), 0);
    QCOMPARE(h.view->ValidListPos(), 0);

    // The configured list shows its channel even when it is already shown.
    h.Click(1002, 0);
    QCOMPARE(h.Text(1020), QString("145"));
}

void ChannelListsTest::openWhileOtherChannelShown_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("channel0Configured");
    for (const char* model : {"rk520", "rk7400"}) {
        QTest::addRow("%s channel 0 in use", model) << model << true;
        QTest::addRow("%s channel 0 empty", model) << model << false;
    }
}

void ChannelListsTest::openWhileOtherChannelShown() {
    QFETCH(QString, model);
    QFETCH(bool, channel0Configured);
    EditorHarness h(model);
    h.Load(ImageWithChannels({5, 6, 9}));
    h.Click(1002, 1);
    QCOMPARE(h.view->EditChannel(), 6);

    RadioImage next = channel0Configured ? ImageWithChannels({0, 8}) : ImageWithChannels({8});
    next.Channel(0).setSquelchLevel(7);
    next.Channel(0).setOptionFlags(kScrambler);
    next.Channel(0).setCodeFlags(static_cast<std::uint8_t>(kRxCodeOn | kRxCodeIsQt));
    next.Channel(0).setRxCode(12);
    if (channel0Configured) next.Channel(0).setRxFreq(43'512'500);
    h.Load(next);

    QCOMPARE(h.view->EditChannel(), 0);
    QCOMPARE(h.document.CurrentChannel(), 0);
    QCOMPARE(h.Selected(1035), 0);
    QCOMPARE(h.view->ValidListPos(), -1);
    QCOMPARE(h.Text(1020), channel0Configured ? QString("435.125") : QString("0"));
    QCOMPARE(h.Text(1019), QString("7"));
    QCOMPARE(h.Selected(1068), 1);
    QCOMPARE(h.Selected(1030), 0);
    QCOMPARE(h.SelectedText(1012), QString("103.5"));
    if (channel0Configured) {
        QCOMPARE(h.Entries(1002), (QStringList{NameOf(model, 0), NameOf(model, 8)}));
        QCOMPARE(h.Selected(1002), 0);
    } else {
        QCOMPARE(h.Entries(1002), QStringList{NameOf(model, 8)});
        QCOMPARE(h.Selected(1002), -1);
    }
    QCOMPARE(h.document.Image(), next);

    // A new document empties the list and shows an empty channel 0.
    h.Click(1035, 8);
    h.NewDocument();
    QCOMPARE(h.Entries(1002), QStringList{});
    QCOMPARE(h.Text(1020), QString("0"));
    QCOMPARE(h.Selected(1068), 0);
}

void ChannelListsTest::readResultAndRefusedWrite() {
    EditorHarness h("rk520");
    h.Load(ImageWithChannels({1, 3}));
    h.Click(1035, 3);
    QCOMPARE(h.view->ValidListPos(), 1);

    // A refused write shows the failing channel and selects it in both lists.
    h.view->ShowRefusedChannel(1);
    QCOMPARE(h.view->EditChannel(), 1);
    QCOMPARE(h.document.CurrentChannel(), 1);
    QCOMPARE(h.Selected(1035), 1);
    QCOMPARE(h.view->ValidListPos(), 0);
    QCOMPARE(h.Selected(1002), 0);

    // A failing channel that is not listed keeps the list position.
    h.view->ShowRefusedChannel(20);
    QCOMPARE(h.Selected(1035), 20);
    QCOMPARE(h.view->ValidListPos(), 0);
    QCOMPARE(h.Selected(1002), 0);

    // A completed read: the new image, channel 0 shown, the list refilled.
    h.document.TakeReadImage(ImageWithChannels({0, 2, 4}));
    h.view->ShowReadImage();
    QCOMPARE(h.view->EditChannel(), 0);
    QCOMPARE(h.Selected(1035), 0);
    QCOMPARE(h.Entries(1002), (QStringList{NameOf("rk520", 0), NameOf("rk520", 2), NameOf("rk520", 4)}));
    QCOMPARE(h.Selected(1002), 0);
    // The list is shown: refreshing again does not refill it.
    h.List(1002)->SelectRow(-1);
    h.view->RefreshValidList();
    QCOMPARE(h.Selected(1002), -1);
}

void ChannelListsTest::groupListChoiceDoesNothing() {
    EditorHarness h("rk520");
    RadioImage image = ImageWithChannels({1});
    image.Settings().scanGroupA()[0] = 1;
    image.Settings().scanGroupB()[0] = 1;
    h.Load(image);
    h.Click(1053, 0);
    h.Click(1054, 0);
    QCOMPARE(h.view->EditChannel(), 0);
    QCOMPARE(h.document.Image(), image);
    QVERIFY(!h.document.IsModified());
}
