// The channel table's operations over random images and selections: records
// and scan group members are kept, only the selection's places change; and
// pasted rows, tab-separated or without a Location, land where they should.

#include <QTest>
#include <algorithm>
#include <numeric>
#include <random>
#include <set>

#include "TestRunner.h"
#include "ChannelOperations.h"
#include "ChannelPaste.h"
#include "NewDocument.h"
#include "TestRunner.h"

using namespace rk;

namespace {

// Byte 15 of each record tags it with its first number, so that a record can
// be followed wherever it moves.
int Tag(const RadioImage& image, int position) { return image.Channel(position).Bytes()[15]; }

RadioImage RandomImage(std::mt19937& rng) {
    RadioImage image;
    std::uniform_int_distribution<int> byte(0, 255);
    for (auto& b : image.Bytes()) b = static_cast<std::uint8_t>(byte(rng));
    for (int c = 0; c < kChannelCount; ++c) {
        const ChannelRecord record = image.Channel(c);
        record.Bytes()[15] = static_cast<std::uint8_t>(c);
        // Most channels configured, some sharing a frequency.
        if (byte(rng) < 200) {
            const auto freq = static_cast<std::uint32_t>(40'000'000 + byte(rng) % 8 * 1000);
            record.setRxFreq(freq);
            record.setTxFreq(freq);
        }
    }
    for (const ScanGroup group : {ScanGroup::A, ScanGroup::B}) {
        const auto groupSlots = image.Settings().scanGroup(group);
        std::vector<int> members(kChannelCount);
        std::iota(members.begin(), members.end(), 0);
        std::shuffle(members.begin(), members.end(), rng);
        const int count = byte(rng) % 4 == 0 ? kScanGroupSlots : byte(rng) % (kScanGroupSlots + 1);
        members.resize(static_cast<std::size_t>(count));
        std::sort(members.begin(), members.end());
        std::fill(groupSlots.begin(), groupSlots.end(), kEmptySlot);
        for (int i = 0; i < count; ++i) groupSlots[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(members[static_cast<std::size_t>(i)]);
        // A byte that names no channel, as a damaged file may hold.
        if (count < kScanGroupSlots && byte(rng) % 3 == 0) groupSlots[static_cast<std::size_t>(count)] = 0x4A;
    }
    return image;
}

std::vector<int> RandomSelection(std::mt19937& rng) {
    std::uniform_int_distribution<int> pick(0, 7);
    std::vector<int> selection;
    switch (pick(rng)) {
    case 0: selection = {0}; break;
    case 1: selection = {63}; break;
    case 2: selection = {0, 1, 2, 40, 62, 63}; break;
    case 3:
        for (int c = 0; c < kChannelCount; ++c) selection.push_back(c);
        break;
    default:
        for (int c = 0; c < kChannelCount; ++c)
            if (pick(rng) < 2) selection.push_back(c);
    }
    return selection;
}

// The tags each group names, and the bytes that name no channel.
std::multiset<int> GroupTags(const RadioImage& image, ScanGroup group) {
    std::multiset<int> tags;
    for (const std::uint8_t slot : image.Settings().scanGroup(group)) tags.insert(slot < kChannelCount ? Tag(image, slot) : 1000 + slot);
    return tags;
}

std::multiset<std::vector<std::uint8_t>> Records(const RadioImage& image) {
    std::multiset<std::vector<std::uint8_t>> records;
    for (int c = 0; c < kChannelCount; ++c) {
        const auto bytes = image.Channel(c).Bytes();
        records.emplace(bytes.begin(), bytes.end());
    }
    return records;
}

bool SettingsOutsideGroupsEqual(const RadioImage& a, const RadioImage& b) {
    for (std::size_t i = 0; i < kSettingsSize; ++i) {
        if (i >= 16 && i < 48) continue;
        if (a.Settings().Bytes()[i] != b.Settings().Bytes()[i]) return false;
    }
    return true;
}

bool Ascending(const RadioImage& image, ScanGroup group) {
    const auto groupSlots = image.Settings().scanGroup(group);
    const auto end = std::find(groupSlots.begin(), groupSlots.end(), kEmptySlot);
    return std::is_sorted(groupSlots.begin(), end);
}

}  // namespace

class ChannelOperationsTest : public QObject {
    Q_OBJECT
private slots:
    void moveAndSortKeepRecordsAndGroups() {
        for (unsigned seed = 1; seed <= 400; ++seed) {
            std::mt19937 rng(seed);
            const RadioImage before = RandomImage(rng);
            const std::vector<int> selection = RandomSelection(rng);
            std::set<int> chosen(selection.begin(), selection.end());
            for (const MoveDirection direction : {MoveDirection::Up, MoveDirection::Down}) {
                const MovedChannels moved = MoveChannels(before, selection, direction);
                const RadioImage& after = moved.image;
                QVERIFY2(Records(after) == Records(before), qPrintable(QString("seed %1").arg(seed)));
                QVERIFY(SettingsOutsideGroupsEqual(after, before));
                for (const ScanGroup group : {ScanGroup::A, ScanGroup::B}) {
                    QVERIFY2(GroupTags(after, group) == GroupTags(before, group), qPrintable(QString("seed %1").arg(seed)));
                    if (Ascending(before, group)) QVERIFY(Ascending(after, group));
                }
                const bool up = direction == MoveDirection::Up;
                std::vector<int> expected;
                std::vector<int> unselectedBefore, unselectedAfter;
                for (int p = 0; p < kChannelCount; ++p) {
                    if (!chosen.count(Tag(before, p))) unselectedBefore.push_back(Tag(before, p));
                    if (!chosen.count(Tag(after, p))) unselectedAfter.push_back(Tag(after, p));
                }
                // Unselected records keep their order; a selected one moves by
                // one unless a selected block holds it at the end.
                QCOMPARE(unselectedAfter, unselectedBefore);
                for (int p = 0; p < kChannelCount; ++p) {
                    if (!chosen.count(p)) continue;
                    bool blocked = true;
                    for (int q = up ? 0 : kChannelCount - 1; q != p; q += up ? 1 : -1) blocked = blocked && chosen.count(q);
                    const int to = blocked ? p : p + (up ? -1 : 1);
                    QCOMPARE(Tag(after, to), p);
                    expected.push_back(to);
                }
                std::sort(expected.begin(), expected.end());
                QCOMPARE(moved.channels, expected);
            }

            const RadioImage sorted = SortByReceiveFrequency(before, selection);
            QVERIFY(Records(sorted) == Records(before));
            QVERIFY(SettingsOutsideGroupsEqual(sorted, before));
            for (const ScanGroup group : {ScanGroup::A, ScanGroup::B}) QVERIFY(GroupTags(sorted, group) == GroupTags(before, group));
            std::vector<int> places(chosen.begin(), chosen.end());
            if (places.size() <= 1) {
                places.resize(kChannelCount);
                std::iota(places.begin(), places.end(), 0);
            }
            for (int p = 0; p < kChannelCount; ++p)
                if (!std::binary_search(places.begin(), places.end(), p)) QCOMPARE(Tag(sorted, p), p);
            for (std::size_t i = 1; i < places.size(); ++i) {
                const int a = places[i - 1], b = places[i];
                const bool ca = sorted.IsChannelConfigured(a), cb = sorted.IsChannelConfigured(b);
                QVERIFY(ca || !cb);  // unconfigured last
                const bool tie = ca == cb && (!ca || sorted.Channel(a).rxFreq() == sorted.Channel(b).rxFreq());
                if (ca && cb) QVERIFY(sorted.Channel(a).rxFreq() <= sorted.Channel(b).rxFreq());
                if (tie) QVERIFY(Tag(sorted, a) < Tag(sorted, b));  // stable
            }
        }
    }

    void clearAndSetTouchOnlyTheSelection() {
        const RadioImage blank = NewDocumentImage();
        for (unsigned seed = 1; seed <= 200; ++seed) {
            std::mt19937 rng(seed);
            const RadioImage before = RandomImage(rng);
            const std::vector<int> selection = RandomSelection(rng);
            const std::set<int> chosen(selection.begin(), selection.end());
            const RadioImage cleared = ClearChannels(before, selection);
            QVERIFY(SettingsOutsideGroupsEqual(cleared, before));
            for (int c = 0; c < kChannelCount; ++c) {
                const auto expected = (chosen.count(c) ? blank : before).Channel(c).Bytes();
                QVERIFY(std::equal(expected.begin(), expected.end(), cleared.Channel(c).Bytes().begin()));
            }
            for (const ScanGroup group : {ScanGroup::A, ScanGroup::B}) {
                std::multiset<int> kept;
                for (const std::uint8_t slot : before.Settings().scanGroup(group))
                    if (!chosen.count(slot) && slot != kEmptySlot) kept.insert(slot);
                std::multiset<int> now;
                for (const std::uint8_t slot : cleared.Settings().scanGroup(group))
                    if (slot != kEmptySlot) now.insert(slot);
                QCOMPARE(now, kept);
            }

            // Joining group A: all of the selection or, refused, none of it.
            ColumnValue join;
            join.on = true;
            const auto joined = SetColumnOnChannels(before, selection, ChannelColumn::ScanGroupA, join, true);
            if (joined.refusal) {
                QVERIFY(joined.image == before);
                QVERIFY(chosen.count(joined.refusedChannel));
            } else {
                for (const int c : chosen) QVERIFY(ReadColumn(joined.image, c, ChannelColumn::ScanGroupA).on);
                QVERIFY(Ascending(joined.image, ScanGroup::A) || !Ascending(before, ScanGroup::A));
            }
            QVERIFY(std::equal(before.Bytes().begin(), before.Bytes().begin() + kSettingsOffset, joined.image.Bytes().begin()));
        }
    }

    void columnsRefuseWhatTheFormRefuses_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<qint64>("number");
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("refusal");  // -1 none
        const auto add = [](const char* name, ChannelColumn column, qint64 number, bool on, int refusal) {
            QTest::newRow(name) << int(column) << number << on << refusal;
        };
        add("squelch 9", ChannelColumn::SquelchLevel, 9, false, -1);
        add("squelch 10", ChannelColumn::SquelchLevel, 10, false, int(ColumnRefusal::OutOfRange));
        add("delay 255", ChannelColumn::RepeaterDelay, 255, false, -1);
        add("delay 256", ChannelColumn::RepeaterDelay, 256, false, int(ColumnRefusal::OutOfRange));
        add("rx highest", ChannelColumn::RxFrequency, 2147483647, false, -1);
        add("rx beyond", ChannelColumn::RxFrequency, 2147483648LL, false, int(ColumnRefusal::OutOfRange));
        add("talkaround while repeater", ChannelColumn::Talkaround, 0, true, int(ColumnRefusal::OptionExcluded));
        add("repeater off", ChannelColumn::Repeater, 0, false, -1);
        add("group B full", ChannelColumn::ScanGroupB, 0, true, int(ColumnRefusal::GroupFull));
        add("group A without frequency", ChannelColumn::ScanGroupA, 0, true, int(ColumnRefusal::NeedsFrequency));
    }
    void columnsRefuseWhatTheFormRefuses() {
        QFETCH(int, column);
        QFETCH(qint64, number);
        QFETCH(bool, on);
        QFETCH(int, refusal);
        RadioImage image = NewDocumentImage();
        image.Channel(5).SetOption(kRepeater, true);
        image.Channel(5).setRxFreq(40'000'000);
        for (int i = 0; i < kScanGroupSlots; ++i) image.Settings().scanGroupB()[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 10);
        if (column == int(ChannelColumn::ScanGroupB)) image.Channel(5).setTxFreq(40'000'000);
        const RadioImage before = image;
        ColumnValue value;
        value.number = number;
        value.on = on;
        const auto result = SetColumn(image, 5, ChannelColumn(column), value, true);
        QCOMPARE(result ? int(*result) : -1, refusal);
        if (result) QVERIFY(image == before);
        if (!result && column != int(ChannelColumn::Repeater)) QCOMPARE(ReadColumn(image, 5, ChannelColumn(column)).number, number);
    }

    void repeaterClearsTxInhibitOnlyWhereTheModelHasIt() {
        for (const bool has : {true, false}) {
            RadioImage image = NewDocumentImage();
            image.Channel(0).SetCodeFlag(kTxInhibit, true);
            ColumnValue on;
            on.on = true;
            QVERIFY(!SetColumn(image, 0, ChannelColumn::Repeater, on, has));
            QCOMPARE(image.Channel(0).HasCodeFlag(kTxInhibit), !has);
        }
    }

    void pasteWithoutLocationStartsAtTheChannel() {
        const RadioImage base = NewDocumentImage();
        // A spreadsheet's rows: tabs, a quoted cell, a blank line, no Location.
        const auto pasted = PasteChannelTable(base, "Frequency\tPower\tScanA\n145.5\tLow\tY\n\n\"146\"\tx\tN\n147\t\tN\n", 62);
        QCOMPARE(pasted.image.Channel(62).rxFreq(), 14'550'000u);
        QVERIFY(pasted.image.Channel(62).HasOption(kLowPower));
        QCOMPARE(pasted.image.Settings().scanGroupA()[0], std::uint8_t{62});
        // The third row would be channel 65: refused, as is the bad power.
        QCOMPARE(int(pasted.problems.size()), 2);
        QCOMPARE(pasted.problems[0].row, 4);
        QCOMPARE(pasted.problems[0].kind, TableProblemKind::UnknownPower);
        QCOMPARE(pasted.problems[1].row, 5);
        QCOMPARE(pasted.problems[1].kind, TableProblemKind::LocationOutOfRange);
        QCOMPARE(pasted.importedRows, std::vector<int>{2});

        // With no target a Location places the row.
        const auto located = PasteChannelTable(base, "Location\tFrequency\n3\t150\n", std::nullopt);
        QCOMPARE(located.image.Channel(2).rxFreq(), 15'000'000u);
        const auto commas = PasteChannelTable(base, "Frequency,Duplex,Offset\n150,+,1\n", 0);
        QCOMPARE(commas.image.Channel(0).txFreq(), 15'100'000u);
        // A ';' table keeps its decimal commas.
        const auto semicolons = PasteChannelTable(base, "Frequency;Duplex;Offset\n145,5;+;0,6\n", 5);
        QVERIFY(semicolons.problems.empty());
        QCOMPARE(semicolons.image.Channel(5).rxFreq(), 14'550'000u);
        QCOMPARE(semicolons.image.Channel(5).txFreq(), 14'610'000u);
    }

    // Rows copied from 01 and 03 pasted at a target keep their gap; one
    // landing past channel 64 is refused and listed by where it would land.
    void pasteGoesWhereTheUserPoints_data() {
        QTest::addColumn<int>("target");
        QTest::addColumn<QList<int>>("filled");
        QTest::addColumn<QString>("refused");
        QTest::newRow("row 20") << 19 << QList<int>{19, 21} << QString();
        QTest::newRow("last but two") << 61 << QList<int>{61, 63} << QString();
        QTest::newRow("last but one") << 62 << QList<int>{62} << QStringLiteral("65");
    }
    void pasteGoesWhereTheUserPoints() {
        QFETCH(int, target);
        QFETCH(QList<int>, filled);
        QFETCH(QString, refused);
        const RadioImage base = NewDocumentImage();
        const auto pasted = PasteChannelTable(base, "Location\tFrequency\n1\t150\n3\t151\n", target);
        for (int c = 0; c < kChannelCount; ++c)
            QCOMPARE(pasted.image.Channel(c).rxFreq() != 0, filled.contains(c));
        QCOMPARE(pasted.image.Channel(filled.first()).rxFreq(), 15'000'000u);
        QCOMPARE(pasted.problems.size(), refused.isEmpty() ? 0u : 1u);
        if (refused.isEmpty()) return;
        QCOMPARE(pasted.problems[0].row, 3);
        QCOMPARE(pasted.problems[0].kind, TableProblemKind::LocationOutOfRange);
        QCOMPARE(QString::fromStdString(pasted.problems[0].value), refused);
    }
};

RK_TEST_GUILESS_MAIN(ChannelOperationsTest)
#include "ChannelOperationsTest.moc"
