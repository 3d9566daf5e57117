// Adding channels to scan groups A and B and removing members.

#include <QTest>

#include "ChoiceList.h"
#include "EditorHarness.h"
#include "EditorTests.h"

using namespace rk;
using rk::test::EditorHarness;
using rk::test::ImageWithChannels;
using rk::test::NameOf;

namespace {
QList<int> Group(const EditorHarness& h, ScanGroup group) {
    QList<int> bytes;
    for (const std::uint8_t b : h.document.Image().Settings().scanGroup(group)) bytes << b;
    return bytes;
}

QList<int> Padded(QList<int> used) {
    while (used.size() < kScanGroupSlots) used << 0xFF;
    return used;
}

RadioImage AllChannelsImage() {
    RadioImage image = ImageWithChannels({});
    for (int c = 0; c < kChannelCount; ++c) rk::test::SetFrequencies(image, c, 14'500'000, 14'500'000);
    return image;
}
}  // namespace

void ScanGroupTest::add_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("button");
    QTest::addColumn<QList<int>>("channels");
    QTest::addColumn<QList<int>>("expected");
    for (const char* model : {"rk520", "rk7400"}) {
        QTest::addRow("%s A one", model) << model << 1015 << QList<int>{4} << QList<int>{4};
        QTest::addRow("%s B sorted", model) << model << 1041 << QList<int>{9, 2, 6} << QList<int>{2, 6, 9};
        QTest::addRow("%s A duplicate", model) << model << 1015 << QList<int>{9, 2, 6, 6} << QList<int>{2, 6, 9};
        QTest::addRow("%s A highest", model) << model << 1015 << QList<int>{63, 0} << QList<int>{0, 63};
    }
}

void ScanGroupTest::add() {
    QFETCH(QString, model);
    QFETCH(int, button);
    QFETCH(QList<int>, channels);
    QFETCH(QList<int>, expected);
    EditorHarness h(model);
    h.Load(AllChannelsImage());
    for (int c : channels) {
        h.Click(1035, c);
        h.Press(button);
    }
    const ScanGroup group = button == 1015 ? ScanGroup::A : ScanGroup::B;
    const ScanGroup other = button == 1015 ? ScanGroup::B : ScanGroup::A;
    QCOMPARE(Group(h, group), Padded(expected));
    QCOMPARE(Group(h, other), Padded({}));
    QStringList names;
    for (int c : expected) names << NameOf(model, c);
    QCOMPARE(h.Entries(button == 1015 ? 1053 : 1054), names);
    QVERIFY(h.document.IsModified());
}

void ScanGroupTest::addNeedsFrequencies() {
    EditorHarness h("rk520");
    RadioImage image = ImageWithChannels({});
    image.Channel(2).setRxFreq(14'500'000);  // transmit still 0
    h.Load(image);
    h.Click(1035, 2);
    h.Press(1015);
    QCOMPARE(Group(h, ScanGroup::A), Padded({}));
    QVERIFY(!h.document.IsModified());
    // Typing the transmit frequency makes the add work.
    h.Type(1007, "145");
    h.Press(1015);
    QCOMPARE(Group(h, ScanGroup::A), Padded({2}));
}

void ScanGroupTest::fullGroup_data() {
    QTest::addColumn<int>("channel");
    QTest::addColumn<bool>("changes");
    QTest::newRow("31") << 31 << false;
    QTest::newRow("40") << 40 << false;
    QTest::newRow("30 again") << 30 << false;
    QTest::newRow("3") << 3 << true;
}

void ScanGroupTest::fullGroup() {
    QFETCH(int, channel);
    QFETCH(bool, changes);
    EditorHarness h("rk520");
    RadioImage image = AllChannelsImage();
    QList<int> full;
    for (int i = 0; i < kScanGroupSlots; ++i) {
        image.Settings().scanGroupB()[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(2 * i);
        full << 2 * i;
    }
    h.Load(image);
    QCOMPARE(h.List(1054)->count(), 16);
    h.Click(1035, channel);
    h.Press(1041);
    if (!changes) {
        QCOMPARE(Group(h, ScanGroup::B), full);
        QVERIFY(!h.document.IsModified());
        return;
    }
    QList<int> expected{0, 2, 3};
    for (int c = 4; c <= 28; c += 2) expected << c;
    QCOMPARE(Group(h, ScanGroup::B), expected);
    QCOMPARE(h.Entries(1054).at(2), NameOf("rk520", 3));
    QCOMPARE(h.List(1054)->count(), 16);
}

void ScanGroupTest::remove_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("rowA");  // -1: nothing selected
    QTest::addColumn<int>("rowB");
    QTest::addColumn<QList<int>>("groupA");
    QTest::addColumn<QList<int>>("groupB");
    for (const char* model : {"rk520", "rk7400"}) {
        QTest::addRow("%s third of A", model) << model << 2 << -1 << QList<int>{1, 3, 7} << QList<int>{2, 4};
        QTest::addRow("%s one from each", model) << model << 0 << 1 << QList<int>{3, 5, 7} << QList<int>{2};
        QTest::addRow("%s last used", model) << model << 3 << -1 << QList<int>{1, 3, 5} << QList<int>{2, 4};
        QTest::addRow("%s nothing selected", model) << model << -1 << -1 << QList<int>{1, 3, 5, 7} << QList<int>{2, 4};
    }
}

void ScanGroupTest::remove() {
    QFETCH(QString, model);
    QFETCH(int, rowA);
    QFETCH(int, rowB);
    QFETCH(QList<int>, groupA);
    QFETCH(QList<int>, groupB);
    EditorHarness h(model);
    RadioImage image = AllChannelsImage();
    const std::uint8_t a[] = {1, 3, 5, 7};
    const std::uint8_t b[] = {2, 4};
    std::copy(std::begin(a), std::end(a), image.Settings().scanGroupA().begin());
    std::copy(std::begin(b), std::end(b), image.Settings().scanGroupB().begin());
    h.Load(image);
    if (rowA >= 0) h.Click(1053, rowA);
    if (rowB >= 0) h.Click(1054, rowB);
    h.Press(1001);
    QCOMPARE(Group(h, ScanGroup::A), Padded(groupA));
    QCOMPARE(Group(h, ScanGroup::B), Padded(groupB));
    QCOMPARE(h.List(1053)->count(), groupA.size());
    QCOMPARE(h.Selected(1053), -1);
    QCOMPARE(h.document.IsModified(), rowA >= 0 || rowB >= 0);
}

void ScanGroupTest::membersStayAcrossChannels() {
    EditorHarness h("rk7400");
    h.Load(AllChannelsImage());
    // A full group with slot 15 selected: removing it leaves 0xFF there.
    for (int c = 0; c < kScanGroupSlots; ++c) {
        h.Click(1035, c);
        h.Press(1015);
    }
    QCOMPARE(h.List(1053)->count(), 16);
    h.Click(1035, 40);
    QCOMPARE(h.List(1053)->count(), 16);
    h.Click(1053, 15);
    h.Press(1001);
    QCOMPARE(Group(h, ScanGroup::A).last(), 0xFF);
    QCOMPARE(Group(h, ScanGroup::A).at(14), 14);
    h.Click(1035, 2);
    QCOMPARE(h.List(1053)->count(), 15);
    QCOMPARE(h.Entries(1053).first(), NameOf("rk7400", 0));
}
