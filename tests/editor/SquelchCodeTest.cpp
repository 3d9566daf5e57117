// Choosing a code type and then a code on either side.

#include <QTest>

#include "ChoiceList.h"
#include "EditorHarness.h"
#include "EditorTests.h"

using namespace rk;
using rk::test::EditorHarness;

namespace {
struct SideIds {
    int typeList;
    int table;
    std::uint8_t on;
    std::uint8_t tone;
};
const SideIds kReceive{1030, 1012, kRxCodeOn, kRxCodeIsQt};
const SideIds kTransmit{1029, 1013, kTxCodeOn, kTxCodeIsQt};

std::uint8_t CodeByte(const EditorHarness& h, bool receive) {
    const ConstChannelRecord record = h.document.Image().Channel(h.view->EditChannel());
    return receive ? record.rxCode() : record.txCode();
}
}  // namespace

void SquelchCodeTest::typeThenCode_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("receive");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("entryText");
    QTest::addColumn<int>("byte");
    for (const char* model : {"rk520", "rk7400"}) {
        QTest::addRow("%s rx 023I", model) << model << true << 1 << 83 << "023I" << 0x87;
        QTest::addRow("%s tx 88.5", model) << model << false << 0 << 7 << "88.5" << 7;
        QTest::addRow("%s tx 043N", model) << model << false << 1 << 5 << "043N" << 6;
        QTest::addRow("%s tx 754N", model) << model << false << 1 << 82 << "754N" << 0x53;
        QTest::addRow("%s rx 250.3", model) << model << true << 0 << 37 << "250.3" << 37;
        QTest::addRow("%s rx 023N", model) << model << true << 1 << 0 << "023N" << 0;
    }
}

void SquelchCodeTest::typeThenCode() {
    QFETCH(QString, model);
    QFETCH(bool, receive);
    QFETCH(int, type);
    QFETCH(int, entry);
    QFETCH(QString, entryText);
    QFETCH(int, byte);
    EditorHarness h(model);
    const SideIds side = receive ? kReceive : kTransmit;
    h.Click(1035, 3);
    h.document.EditChannel(3, [](const ChannelRecord& r) {
        r.setRxCode(0x55);
        r.setTxCode(0x55);
    });

    h.Click(side.typeList, type);
    const ConstChannelRecord record = h.document.Image().Channel(3);
    QVERIFY(record.HasCodeFlag(side.on));
    QCOMPARE(record.HasCodeFlag(side.tone), type == 0);
    QCOMPARE(CodeByte(h, receive), 0x55);
    QCOMPARE(h.List(side.table)->count(), type == 0 ? 38 : 166);
    QCOMPARE(h.Selected(side.table), -1);
    QVERIFY(h.document.IsModified());

    h.Click(side.table, entry);
    QCOMPARE(h.List(side.table)->item(entry)->text(), entryText);
    QCOMPARE(CodeByte(h, receive), byte);
    QCOMPARE(record.HasCodeFlag(side.tone), type == 0);
    // Shown again, the channel gives back the same choice.
    h.Click(1035, 0);
    h.Click(1035, 3);
    QCOMPARE(h.Selected(side.typeList), type);
    QCOMPARE(h.Selected(side.table), entry);
}

void SquelchCodeTest::typeWithoutCode() {
    // DCS 023I stored, then QT chosen with no tone picked.
    EditorHarness h("rk520");
    RadioImage image = h.document.Image();
    image.Channel(0).setCodeFlags(kTxCodeOn);
    image.Channel(0).setTxCode(0x87);
    h.Load(image);
    QCOMPARE(h.SelectedText(1013), QString("023I"));

    h.Click(1029, 0);
    QVERIFY(h.document.Image().Channel(0).HasCodeFlag(kTxCodeIsQt));
    QCOMPARE(h.document.Image().Channel(0).txCode(), 0x87);
    QCOMPARE(h.List(1013)->count(), 38);
    QCOMPARE(h.Selected(1013), -1);

    h.Click(1035, 1);
    h.Click(1035, 0);
    QCOMPARE(h.Selected(1029), 0);
    QCOMPARE(h.Selected(1013), -1);

    // The type already chosen, chosen again: the table is refilled, unselected.
    h.Click(1013, 12);
    h.Click(1029, 0);
    QCOMPARE(h.Selected(1013), -1);
    QCOMPARE(h.document.Image().Channel(0).txCode(), 12);
}

void SquelchCodeTest::noneEntry() {
    for (const char* model : {"rk520", "rk7400"}) {
        EditorHarness h(model);
        h.Click(1030, 0);
        h.Click(1012, 12);
        h.Click(1030, 2);
        const ConstChannelRecord record = h.document.Image().Channel(0);
        QVERIFY(!record.HasCodeFlag(kRxCodeOn));
        QVERIFY(record.HasCodeFlag(kRxCodeIsQt));
        QCOMPARE(record.rxCode(), 12);
        QCOMPARE(h.List(1012)->count(), 0);
        // QT again without a tone: the old byte stays.
        h.Click(1030, 0);
        QVERIFY(record.HasCodeFlag(kRxCodeOn));
        QCOMPARE(record.rxCode(), 12);
    }
}

void SquelchCodeTest::sidesIndependent() {
    EditorHarness h("rk7400");
    h.Click(1029, 1);
    h.Click(1013, 10);
    const std::uint8_t txFlags = h.document.Image().Channel(0).codeFlags();
    const std::uint8_t txByte = h.document.Image().Channel(0).txCode();

    h.Click(1030, 0);
    h.Click(1012, 3);
    h.Click(1030, 2);
    const ConstChannelRecord record = h.document.Image().Channel(0);
    QCOMPARE(record.codeFlags() & (kTxCodeOn | kTxCodeIsQt), txFlags & (kTxCodeOn | kTxCodeIsQt));
    QCOMPARE(record.txCode(), txByte);
    QCOMPARE(h.Selected(1029), 1);
    QCOMPARE(h.Selected(1013), 10);
    QCOMPARE(h.List(1013)->count(), 166);
}
