// Showing a channel record and the settings block, including bytes that no
// editor would write. Showing never changes the image.

#include <QLineEdit>
#include <QTest>

#include "ChoiceList.h"
#include "EditorHarness.h"
#include "EditorTests.h"
#include "SpinButton.h"

using namespace rk;
using rk::test::EditorHarness;

namespace {
void AddModels() {
    QTest::addColumn<QString>("model");
    QTest::newRow("rk520") << "rk520";
    QTest::newRow("rk7400") << "rk7400";
}

// Loads the image, checks that showing it left every byte alone.
void LoadUnchanged(EditorHarness& h, const RadioImage& image) {
    h.Load(image);
    QCOMPARE(h.document.Image(), image);
    QVERIFY(!h.document.IsModified());
}
}  // namespace

void ChannelDisplayTest::ffRecord_data() { AddModels(); }

void ChannelDisplayTest::ffRecord() {
    QFETCH(QString, model);
    EditorHarness h(model);
    RadioImage image;
    image.Bytes().fill(0xFF);
    LoadUnchanged(h, image);

    QCOMPARE(h.Text(1020), QString("-1e-05"));
    QCOMPARE(h.Text(1007), QString("-1e-05"));
    QCOMPARE(h.Spin()->Position(), 255);
    QCOMPARE(h.Text(1019), QString("255"));
    QCOMPARE(h.Text(1017), QString("25.5"));
    if (model == "rk520") QCOMPARE(h.Text(1018), QString("25.5"));
    QCOMPARE(h.Text(1036), QString("671"));
    QCOMPARE(h.Text(1050), QString("0"));
    for (int id : {1029, 1030}) QCOMPARE(h.Selected(id), 0);
    for (int id : {1012, 1013}) {
        QCOMPARE(h.List(id)->count(), 38);
        QCOMPARE(h.Selected(id), -1);
    }
    for (int id : {1067, 1068, 1069, 1071, 1022, 1072, 1000})
        if (h.List(id)) QCOMPARE(h.Selected(id), 1);
    QCOMPARE(h.List(1053)->count(), 0);
    QCOMPARE(h.List(1054)->count(), 0);
    QCOMPARE(h.List(1002)->count(), 0);
}

void ChannelDisplayTest::frequencies_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<quint32>("count");
    QTest::addColumn<QString>("shown");
    for (const char* model : {"rk520", "rk7400"}) {
        QTest::addRow("%s 435.125", model) << model << quint32(43'512'500) << "435.125";
        QTest::addRow("%s 145.0125", model) << model << quint32(14'501'250) << "145.0125";
        QTest::addRow("%s 100", model) << model << quint32(10'000'000) << "100";
        QTest::addRow("%s negative", model) << model << quint32(0xFFFFFFF6) << "-0.0001";
    }
}

void ChannelDisplayTest::frequencies() {
    QFETCH(QString, model);
    QFETCH(quint32, count);
    QFETCH(QString, shown);
    EditorHarness h(model);
    RadioImage image = h.document.Image();
    rk::test::SetFrequencies(image, 0, count, 14'500'000);
    LoadUnchanged(h, image);
    QCOMPARE(h.Text(1020), shown);
    QCOMPARE(h.Text(1007), QString("145"));
}

void ChannelDisplayTest::band_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<quint32>("bandLow");
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("high");
    for (const char* model : {"rk520", "rk7400"}) {
        QTest::addRow("%s 400", model) << model << quint32(10'000'000) << "400" << "420";
        QTest::addRow("%s 100", model) << model << quint32(2'500'000) << "100" << "120";
        QTest::addRow("%s 500", model) << model << quint32(12'500'000) << "500" << "520";
        QTest::addRow("%s 501", model) << model << quint32(12'525'000) << "501" << "0";
        QTest::addRow("%s 99", model) << model << quint32(2'475'000) << "99" << "0";
        QTest::addRow("%s zero", model) << model << quint32(0) << "0" << "0";
        QTest::addRow("%s FFFFFF", model) << model << quint32(0xFFFFFF) << "671" << "0";
        QTest::addRow("%s 400.5", model) << model << quint32(10'012'500) << "400" << "420";
    }
}

void ChannelDisplayTest::band() {
    QFETCH(QString, model);
    QFETCH(quint32, bandLow);
    QFETCH(QString, low);
    QFETCH(QString, high);
    EditorHarness h(model);
    RadioImage image = h.document.Image();
    image.Settings().setBandLow(bandLow);
    LoadUnchanged(h, image);
    QCOMPARE(h.Text(1036), low);
    QCOMPARE(h.Text(1050), high);
}

void ChannelDisplayTest::scanGroups_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QByteArray>("groupBytes");
    QTest::addColumn<QList<int>>("channels");  // -1 stands for the raw byte 0x4A
    for (const char* model : {"rk520", "rk7400"}) {
        QTest::addRow("%s two", model) << model << QByteArray("\x05\x09") << QList<int>{5, 9};
        QTest::addRow("%s gap", model) << model << QByteArray("\x05\xFF\x09") << QList<int>{5};
        QTest::addRow("%s empty first", model) << model << QByteArray("\xFF\x05") << QList<int>{};
        QTest::addRow("%s not a channel", model) << model << QByteArray("\x01\x4A\x3F") << QList<int>{1, -1, 63};
        QTest::addRow("%s unsorted", model) << model << QByteArray("\x09\x02\x09") << QList<int>{9, 2, 9};
    }
}

void ChannelDisplayTest::scanGroups() {
    QFETCH(QString, model);
    QFETCH(QByteArray, groupBytes);
    QFETCH(QList<int>, channels);
    EditorHarness h(model);
    RadioImage image = h.document.Image();
    // The same bytes in group B, shifted by one channel, to tell the two apart.
    for (int i = 0; i < groupBytes.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(groupBytes[i]);
        image.Settings().scanGroupA()[static_cast<std::size_t>(i)] = byte;
        image.Settings().scanGroupB()[static_cast<std::size_t>(i)] =
            byte < 63 ? static_cast<std::uint8_t>(byte + 1) : byte;
    }
    LoadUnchanged(h, image);

    QStringList expectA;
    QStringList expectB;
    for (int c : channels) {
        expectA << (c < 0 ? QString("0x4A") : rk::test::NameOf(model, c));
        expectB << (c < 0 ? QString("0x4A") : rk::test::NameOf(model, c < 63 ? c + 1 : c));
    }
    QCOMPARE(h.Entries(1053), expectA);
    QCOMPARE(h.Entries(1054), expectB);
}

void ChannelDisplayTest::codes_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("flags");  // codeFlags
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("txType");
    QTest::addColumn<int>("txEntries");
    QTest::addColumn<QString>("txSelected");  // empty: nothing selected
    for (const char* model : {"rk520", "rk7400"}) {
        QTest::addRow("%s tone 103.5", model) << model << 0x28 << 12 << 0 << 38 << "103.5";
        QTest::addRow("%s tone out of table", model) << model << 0x28 << 40 << 0 << 38 << "";
        QTest::addRow("%s dcs 023N", model) << model << 0x08 << 0 << 1 << 166 << "023N";
        QTest::addRow("%s dcs 023I", model) << model << 0x08 << 0x87 << 1 << 166 << "023I";
        QTest::addRow("%s off", model) << model << 0x20 << 12 << 2 << 0 << "";
    }
}

void ChannelDisplayTest::codes() {
    QFETCH(QString, model);
    QFETCH(int, flags);
    QFETCH(int, byte);
    QFETCH(int, txType);
    QFETCH(int, txEntries);
    QFETCH(QString, txSelected);
    EditorHarness h(model);
    RadioImage image = h.document.Image();
    const ChannelRecord record = image.Channel(0);
    record.setCodeFlags(static_cast<std::uint8_t>(flags));
    record.setTxCode(static_cast<std::uint8_t>(byte));
    record.setRxCode(static_cast<std::uint8_t>(byte));
    LoadUnchanged(h, image);

    QCOMPARE(h.Selected(1029), txType);
    QCOMPARE(h.List(1013)->count(), txEntries);
    const int row = h.Selected(1013);
    QCOMPARE(row < 0 ? QString() : h.List(1013)->item(row)->text(), txSelected);
    // The receive side has its bits off here.
    QCOMPARE(h.Selected(1030), 2);
    QCOMPARE(h.List(1012)->count(), 0);
}

void ChannelDisplayTest::options_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("optionFlags");
    QTest::addColumn<int>("codeFlags");
    QTest::addColumn<QList<int>>("onLists");
    for (const char* model : {"rk520", "rk7400"}) {
        QTest::addRow("%s low power", model) << model << 0x08 << 0 << QList<int>{1067};
        QTest::addRow("%s scrambler", model) << model << 0x80 << 0 << QList<int>{1068};
        QTest::addRow("%s beat shift", model) << model << 0x04 << 0 << QList<int>{1071};
        QTest::addRow("%s repeater", model) << model << 0x20 << 0 << QList<int>{1069};
        QTest::addRow("%s reverse", model) << model << 0x40 << 0 << QList<int>{1022};
        QTest::addRow("%s talkaround", model) << model << 0x10 << 0 << QList<int>{1072};
        QTest::addRow("%s tx inhibit", model) << model << 0 << 0x04 << QList<int>{1000};
    }
}

void ChannelDisplayTest::options() {
    QFETCH(QString, model);
    QFETCH(int, optionFlags);
    QFETCH(int, codeFlags);
    QFETCH(QList<int>, onLists);
    EditorHarness h(model);
    RadioImage image = h.document.Image();
    image.Channel(0).setOptionFlags(static_cast<std::uint8_t>(optionFlags));
    image.Channel(0).setCodeFlags(static_cast<std::uint8_t>(codeFlags));
    LoadUnchanged(h, image);
    for (int id : {1067, 1068, 1069, 1071, 1022, 1072, 1000}) {
        if (!h.List(id)) continue;
        QCOMPARE(h.Selected(id), onLists.contains(id) ? 1 : 0);
    }
}

void ChannelDisplayTest::squelchAboveRange() {
    EditorHarness h("rk520");
    RadioImage image = h.document.Image();
    image.Channel(0).setSquelchLevel(12);
    LoadUnchanged(h, image);
    QCOMPARE(h.Text(1019), QString("12"));
    // The user's step lands inside 0..9.
    h.SpinDown();
    QCOMPARE(h.Text(1019), QString("9"));
    QCOMPARE(h.document.Image().Channel(0).squelchLevel(), 9);
}
