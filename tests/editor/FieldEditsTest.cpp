// Typing into the number fields and the copy buttons, checked on the image
// bytes, the lists and the document's changed state (the options:
// OptionEditsTest.cpp).

#include <QLineEdit>
#include <QTest>

#include "ChoiceList.h"
#include "EditorHarness.h"
#include "EditorTests.h"
#include "ImageFile.h"
#include "SpinButton.h"

using namespace rk;
using rk::test::EditorHarness;
using rk::test::ImageWithChannels;
using rk::test::NameOf;

namespace {
QByteArray ChannelBytes(const EditorHarness& h, int channel, int offset, int length) {
    const auto bytes = h.document.Image().Channel(channel).Bytes();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()) + offset, length);
}

QByteArray SettingsBytes(const EditorHarness& h, int offset, int length) {
    const auto bytes = h.document.Image().Settings().Bytes();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()) + offset, length);
}
}  // namespace

void FieldEditsTest::frequencyBytes_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("stored");
    for (const char* model : {"rk520", "rk7400"}) {
        QTest::addRow("%s rx 145.0125", model) << model << 1020 << "145.0125" << 0 << QByteArray("\x00\xDD\x45\x82", 4);
        QTest::addRow("%s tx 435.125", model) << model << 1007 << "435.125" << 5 << QByteArray("\x02\x97\xF2\xB4", 4);
        QTest::addRow("%s rx negative", model) << model << 1020 << "-1" << 0 << QByteArray("\xFF\xFE\x79\x60", 4);
        QTest::addRow("%s tx huge", model) << model << 1007 << "1e9" << 5 << QByteArray("\x7F\xFF\xFF\xFF", 4);
    }
}

void FieldEditsTest::frequencyBytes() {
    QFETCH(QString, model);
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(int, offset);
    QFETCH(QByteArray, stored);
    EditorHarness h(model);
    h.Click(1035, 4);
    QVERIFY(!h.document.IsModified());
    h.Paste(field, typed);
    QCOMPARE(ChannelBytes(h, 4, offset, 4), stored);
    QCOMPARE(h.Text(field), typed);
    QVERIFY(h.document.IsModified());
    QVERIFY(h.prompts.messages.isEmpty());
    // Other channels are untouched.
    QCOMPARE(h.document.Image().Channel(0).rxFreq(), 0u);
}

void FieldEditsTest::decimalComma() {
    // rk7400 takes a comma as the decimal point in its number fields, typed
    // one keystroke at a time; rk520 refuses it.
    EditorHarness ru("rk7400");
    ru.Type(1020, "435,125");
    ru.Type(1017, "2,5");
    QVERIFY(ru.prompts.messages.isEmpty());
    QCOMPARE(ru.document.Image().Channel(0).rxFreq(), 43'512'500u);
    QCOMPARE(ru.document.Image().Channel(0).repeaterDelay(), 25);

    EditorHarness zh("rk520");
    zh.Paste(1020, "435,125");
    QCOMPARE(zh.prompts.messages, QStringList{"请输入一个数字。"});
    QCOMPARE(zh.document.Image().Channel(0).rxFreq(), 0u);
}

void FieldEditsTest::warningSelectsField() {
    // Typing "-1": the lone minus is refused and selected, so the next
    // keystroke replaces it.
    EditorHarness h("rk520");
    h.Type(1020, "-1");
    QCOMPARE(h.prompts.messages.size(), 1);
    QCOMPARE(h.Text(1020), QString("1"));
    QCOMPARE(h.document.Image().Channel(0).rxFreq(), 100'000u);
}

void FieldEditsTest::leaveAndReenterList() {
    EditorHarness h("rk520");
    h.Load(ImageWithChannels({1, 9}));
    h.Click(1035, 5);

    // Receive alone does not configure the channel.
    h.Type(1020, "145");
    QCOMPARE(h.Entries(1002), (QStringList{NameOf("rk520", 1), NameOf("rk520", 9)}));
    QCOMPARE(h.view->ValidListPos(), 255);
    h.Type(1007, "14");
    QCOMPARE(h.List(1002)->count(), 2);
    h.Type(1007, "145");  // "1", "14", "145": listed at the last keystroke
    QCOMPARE(h.Entries(1002), (QStringList{NameOf("rk520", 1), NameOf("rk520", 5), NameOf("rk520", 9)}));
    QCOMPARE(h.Selected(1002), 1);
    QCOMPARE(h.view->ValidListPos(), 1);

    // Deleting the leading digit takes it out at once, with no line selected.
    h.Edit(1020)->setFocus();
    h.Edit(1020)->home(false);
    QTest::keyClick(h.Edit(1020), Qt::Key_Delete);
    QCOMPARE(h.Text(1020), QString("45"));
    QCOMPARE(h.List(1002)->count(), 2);
    QCOMPARE(h.Selected(1002), -1);
    QCOMPARE(h.view->ValidListPos(), 1);
    QTest::keyClick(h.Edit(1020), Qt::Key_1);
    QCOMPARE(h.List(1002)->count(), 3);
    QCOMPARE(h.Selected(1002), 1);

    // Exactly 100 MHz counts; a hair below does not.
    h.Type(1020, "99.99999");
    QCOMPARE(h.List(1002)->count(), 2);
    h.Paste(1020, "100");
    QCOMPARE(h.List(1002)->count(), 3);
}

void FieldEditsTest::band_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("high");
    for (const char* model : {"rk520", "rk7400"}) {
        QTest::addRow("%s 145", model) << model << "145" << QByteArray("\x37\x50\x28", 3) << "165";
        QTest::addRow("%s 600", model) << model << "600" << QByteArray("\xE4\xE1\xC0", 3) << "0";
        QTest::addRow("%s 400.5", model) << model << "400.5" << QByteArray("\x98\xC7\x54", 3) << "420.5";
        QTest::addRow("%s negative", model) << model << "-5" << QByteArray("\x00\x00\x00", 3) << "0";
        QTest::addRow("%s beyond 24 bits", model) << model << "700" << QByteArray("\xFF\xFF\xFF", 3) << "0";
    }
}

void FieldEditsTest::band() {
    QFETCH(QString, model);
    QFETCH(QString, typed);
    QFETCH(QByteArray, stored);
    QFETCH(QString, high);
    EditorHarness h(model);
    h.Paste(1036, typed);
    QCOMPARE(SettingsBytes(h, 3, 3), stored);
    QCOMPARE(h.Text(1050), high);
    QCOMPARE(h.document.IsModified(), stored != QByteArray(3, '\0'));
}

void FieldEditsTest::bandSnapsBack() {
    EditorHarness h("rk7400");
    h.Type(1036, "145");
    QCOMPARE(h.Text(1050), QString("165"));
    // The upper edge keeps its value between 99 and 100.
    h.Paste(1036, "99.5");
    QCOMPARE(h.Text(1050), QString("165"));
    // A trailing point vanishes as it is typed, leading zeros too.
    h.Type(1036, "145.");
    QCOMPARE(h.Text(1036), QString("145"));
    h.Type(1036, "0");
    h.Type(1036, "0400");
    QCOMPARE(h.Text(1036), QString("400"));
    // An emptied field warns and returns to the last value that parsed.
    h.Clear(1036);
    QCOMPARE(h.prompts.messages.size(), 1);
    QCOMPARE(h.Text(1036), QString("400"));
}

void FieldEditsTest::tenths_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored");
    for (const char* model : {"rk520", "rk7400"}) {
        QTest::addRow("%s delay 2.5", model) << model << 1017 << "2.5" << 25;
        QTest::addRow("%s delay 25.5", model) << model << 1017 << "25.5" << 255;
        // A delay its byte cannot hold is refused: the byte keeps its 0.
        QTest::addRow("%s delay 30", model) << model << 1017 << "30" << 0;
        QTest::addRow("%s delay negative", model) << model << 1017 << "-1" << 0;
    }
    QTest::newRow("rk520 limit 0.1") << "rk520" << 1018 << "0.1" << 1;
    QTest::newRow("rk520 limit 5") << "rk520" << 1018 << "5" << 50;
    QTest::newRow("rk520 limit 26") << "rk520" << 1018 << "26" << 255;
}

void FieldEditsTest::tenths() {
    QFETCH(QString, model);
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(int, stored);
    EditorHarness h(model);
    h.Click(1035, 2);
    h.Paste(field, typed);
    const int actual = field == 1017 ? h.document.Image().Channel(2).repeaterDelay()
                                     : h.document.Image().Settings().totLimit();
    QCOMPARE(actual, stored);
}


void FieldEditsTest::copyButtons_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("toTransmit");
    for (const char* model : {"rk520", "rk7400"}) {
        QTest::addRow("%s receive to transmit", model) << model << true;
        QTest::addRow("%s transmit to receive", model) << model << false;
    }
}

void FieldEditsTest::copyButtons() {
    QFETCH(QString, model);
    QFETCH(bool, toTransmit);
    EditorHarness h(model);
    RadioImage image = h.document.Image();
    const ChannelRecord record = image.Channel(6);
    // The source side: 145.5 MHz, tone 88.5 on; the other side empty and off.
    const std::uint8_t sourceBits = toTransmit ? (kRxCodeOn | kRxCodeIsQt) : (kTxCodeOn | kTxCodeIsQt);
    record.setCodeFlags(static_cast<std::uint8_t>(kTxInhibit | sourceBits));
    if (toTransmit) {
        record.setRxFreq(14'550'000);
        record.setRxCode(7);
    } else {
        record.setTxFreq(14'550'000);
        record.setTxCode(7);
    }
    record.setOptionFlags(kScrambler);
    h.Load(image);
    h.Click(1035, 6);
    QCOMPARE(h.List(1002)->count(), 0);

    h.Press(toTransmit ? 1042 : 1043);
    const ConstChannelRecord after = h.document.Image().Channel(6);
    QCOMPARE(after.rxFreq(), 14'550'000u);
    QCOMPARE(after.txFreq(), 14'550'000u);
    QCOMPARE(after.rxCode(), 7);
    QCOMPARE(after.txCode(), 7);
    QCOMPARE(after.codeFlags(), kTxInhibit | kRxCodeOn | kRxCodeIsQt | kTxCodeOn | kTxCodeIsQt);
    QCOMPARE(after.optionFlags(), kScrambler);
    QCOMPARE(after.squelchLevel(), 3);
    QVERIFY(h.document.IsModified());

    // Shown again, and now listed at its place with its line selected.
    QCOMPARE(h.Text(1007), QString("145.5"));
    QCOMPARE(h.Text(1020), QString("145.5"));
    QCOMPARE(h.Selected(1029), 0);
    QCOMPARE(h.SelectedText(1013), QString("88.5"));
    QCOMPARE(h.Entries(1002), QStringList{NameOf(model, 6)});
    QCOMPARE(h.Selected(1002), 0);
}

void FieldEditsTest::savedAndReopened() {
    EditorHarness h("rk520");
    h.Click(1035, 12);
    h.Type(1020, "438.5");
    h.Type(1007, "438.5");
    h.Type(1017, "1.5");
    h.Type(1018, "3");
    h.Type(1036, "430");
    h.SpinUp();
    h.Click(1068, 1);
    h.Click(1030, 1);
    h.Click(1012, 90);
    h.Press(1015);

    const auto file = SerializeImageFile(h.document.Image());
    const auto reopened = ParseImageFile(file);
    QVERIFY(reopened.has_value());
    const RadioImage saved = h.document.Image();

    EditorHarness other("rk520");
    other.Load(*reopened);
    other.Click(1002, 0);
    QCOMPARE(other.view->EditChannel(), 12);
    for (int id : {1020, 1007, 1017, 1018, 1036, 1050, 1019}) QCOMPARE(other.Text(id), h.Text(id));
    for (int id : {1068, 1030, 1012, 1029}) QCOMPARE(other.Selected(id), h.Selected(id));
    QCOMPARE(other.Entries(1053), QStringList{NameOf("rk520", 12)});
    QCOMPARE(other.document.Image(), saved);
}
