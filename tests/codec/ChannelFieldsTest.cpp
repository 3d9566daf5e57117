// The catalogue of channel fields as its readers see it: a table file
// without a field's column, a field set on many channels at once, the
// channel numbers of the diff.

#include <QTest>

#include "ChannelFields.h"
#include "ChannelOperations.h"
#include "ChannelTable.h"
#include "ImageDiff.h"
#include "NewDocument.h"
#include "TestRunner.h"

using namespace rk;

namespace {

// Channel 01 in use, each catalogued field holding a value of its own: the
// base gets `plain` false, the imported table's image `plain` true.
RadioImage Filled(bool plain) {
    RadioImage image = NewDocumentImage();
    const ChannelRecord record = image.Channel(0);
    for (const ChannelFieldInfo& field : ChannelFieldCatalogue()) {
        switch (field.kind) {
        case FieldKind::Frequency: field.write(record, plain ? 14'500'000 : 43'000'000); break;
        case FieldKind::Code: field.write(record, PackCode({plain ? std::uint8_t{0} : std::uint8_t{5}, !plain, !plain})); break;
        case FieldKind::Level: field.write(record, plain ? 2 : 7); break;
        case FieldKind::Tenths: field.write(record, plain ? 25 : kDelayTenthsMax); break;
        case FieldKind::Power:
        case FieldKind::Option: field.write(record, plain ? 0 : 1); break;
        case FieldKind::ScanGroup:
            image.Settings().scanGroup(field.id == ChannelColumn::ScanGroupA ? ScanGroup::A : ScanGroup::B)[0] =
                plain ? kEmptySlot : 0;
            break;
        }
    }
    return image;
}

// The table without the column named `column`, cut from the header and
// every row.
std::string WithoutColumn(const std::string& table, std::string_view column) {
    std::string out;
    std::size_t at = std::string::npos;
    std::size_t start = 0;
    while (start < table.size()) {
        const std::size_t end = table.find('\n', start);
        std::vector<std::string> cells;
        std::size_t from = start;
        for (std::size_t comma; (comma = table.find(',', from)) < end; from = comma + 1) cells.push_back(table.substr(from, comma - from));
        cells.push_back(table.substr(from, end - from));
        if (at == std::string::npos) at = static_cast<std::size_t>(std::find(cells.begin(), cells.end(), column) - cells.begin());
        for (std::size_t i = 0; i < cells.size(); ++i)
            if (i != at) out += (out.empty() || out.back() == '\n' ? "" : ",") + cells[i];
        out += '\n';
        start = end + 1;
    }
    return out;
}

// What channel 01 shows of the field: a code as its text (a side without a
// code keeps its byte), the rest as stored.
std::string Shown(const RadioImage& image, const ChannelFieldInfo& field) {
    if (field.kind == FieldKind::ScanGroup) return ReadColumn(image, 0, field.id).on ? "in" : "out";
    const std::int64_t stored = field.read(image.Channel(0));
    return field.kind == FieldKind::Code ? CodeText(UnpackCode(stored)) : std::to_string(stored);
}

}  // namespace

class ChannelFieldsTest : public QObject {
    Q_OBJECT
private slots:
    // A table without a field's column leaves that field of a channel in
    // use alone, and sets every other one: each field of the catalogue.
    void anAbsentColumnLeavesItsFieldAlone_data() {
        QTest::addColumn<int>("absent");
        for (const ChannelFieldInfo& field : ChannelFieldCatalogue())
            if (field.kind != FieldKind::Frequency && field.id != ChannelColumn::TxCode) QTest::newRow(field.csvColumn) << int(field.id);
    }
    void anAbsentColumnLeavesItsFieldAlone() {
        QFETCH(int, absent);
        const ChannelFieldInfo& missing = FieldInfo(ChannelColumn(absent));
        const RadioImage base = Filled(false);
        const RadioImage plain = Filled(true);
        const std::string full = ExportChannelTable(plain, 1'000'000'000, ExportRows::Configured).text;
        const std::string table = WithoutColumn(full, missing.csvColumn);
        QVERIFY(table.size() < full.size());
        const auto result = ImportChannelTable(base, table);
        QVERIFY(result.problems.empty());
        for (const ChannelFieldInfo& field : ChannelFieldCatalogue()) {
            const bool kept = std::string_view(field.csvColumn) == missing.csvColumn;
            QCOMPARE(Shown(result.image, field), Shown(kept ? base : plain, field));
        }
    }

    // Duplex "off" of another program's table still means no transmission
    // on the receive frequency.
    void offFromAnotherProgramStopsTransmission() {
        const auto result = ImportChannelTable(Filled(false), "Location,Frequency,Duplex,Offset\n1,145.5,off,0\n");
        QVERIFY(result.problems.empty());
        QCOMPARE(result.image.Channel(0).txFreq(), 14'550'000u);
        QVERIFY(result.image.Channel(0).HasCodeFlag(kTxInhibit));
        QCOMPARE(result.absentColumns.size(), 10u);
        // On channels not in use nothing was kept, so nothing is said of it.
        QVERIFY(ImportChannelTable(NewDocumentImage(), "Location,Frequency\n1,145.5\n").absentColumns.empty());
    }

    // Scan group A takes a 16th channel and refuses the 17th, naming it.
    void aScanGroupIsFullAtItsSixteenthSlot() {
        RadioImage image = NewDocumentImage();
        std::vector<int> channels;
        for (int c = 0; c < kScanGroupSlots + 1; ++c) {
            image.Channel(c).setRxFreq(14'500'000);
            image.Channel(c).setTxFreq(14'500'000);
            channels.push_back(c);
        }
        ColumnValue join;
        join.on = true;
        const auto sixteen =
            SetColumnOnChannels(image, ChannelSelection(channels).first(kScanGroupSlots), ChannelColumn::ScanGroupA, join, true);
        QVERIFY(!sixteen.refusal);
        QCOMPARE(sixteen.image.Settings().scanGroupA()[kScanGroupSlots - 1], std::uint8_t{kScanGroupSlots - 1});
        const auto seventeen = SetColumnOnChannels(image, channels, ChannelColumn::ScanGroupA, join, true);
        QCOMPARE(seventeen.refusal, std::optional(ColumnRefusal::GroupFull));
        QCOMPARE(seventeen.refusedChannel, kScanGroupSlots);
        QVERIFY(seventeen.image == image);
    }

    void channelNumbersAreTwoDigitsOrTheByte() {
        QCOMPARE(ChannelNumberText(0), std::string("01"));
        QCOMPARE(ChannelNumberText(63), std::string("64"));
        QCOMPARE(ChannelNumberText(64), std::string("0x40"));
        QCOMPARE(ChannelNumberText(0xFF), std::string("0xFF"));
    }
};

RK_TEST_GUILESS_MAIN(ChannelFieldsTest)
#include "ChannelFieldsTest.moc"
