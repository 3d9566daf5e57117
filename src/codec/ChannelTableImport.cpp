// Reading the channel table onto a base image. Every row is read in full so
// that all of its problems are reported (ChannelTableRows); only rows
// without any are laid over the image.

#include <algorithm>
#include <limits>
#include <optional>
#include <set>
#include <span>

#include "ChannelTable.h"
#include "ChannelTableRows.h"
#include "SortedSlots.h"

namespace rk {

namespace {

using Kind = TableProblemKind;
using rows::ChannelRow;
using rows::Header;

constexpr int kMaxLocation = 999'999;

// Lays the rows over the base: records first, then the scan groups, where
// rows that leave a group go before rows that join one. Returns the rows
// that would overflow a group, with their problem.
std::vector<TableProblem> Apply(const std::vector<ChannelRow>& rows, RadioImage& image) {
    for (const ChannelRow& row : rows) rows::ApplyRecord(row, image.Channel(row.channel));
    std::vector<TableProblem> overflow;
    const SettingsBlock settings = image.Settings();
    for (const ScanGroup group : {ScanGroup::A, ScanGroup::B}) {
        const auto slots = settings.scanGroup(group);
        const ChannelColumn id = group == ScanGroup::A ? ChannelColumn::ScanGroupA : ChannelColumn::ScanGroupB;
        const auto member = [id](const ChannelRow& row) { return row.Value(id) != 0; };
        const auto keep = [id](const ChannelRow& row) { return row.Keeps(id); };
        for (const ChannelRow& row : rows) {
            if (member(row) || keep(row)) continue;
            while (const auto at = FindSlot(slots, row.channel)) RemoveSlot(slots, *at);
        }
        for (const ChannelRow& row : rows) {
            if (!member(row) || keep(row) || FindSlot(slots, row.channel)) continue;
            if (slots.back() != kEmptySlot) {
                overflow.push_back({row.row, FieldInfo(id).csvColumn, Kind::ScanGroupFull, "Y"});
                continue;
            }
            InsertSorted(slots, row.channel);
        }
    }
    return overflow;
}

// The row's channel from its Location: a channel of the radio that no
// earlier row named.
bool ReadLocation(std::string_view location, bool fromZero, std::set<int>& named, ChannelRow& row, int record,
                  std::vector<TableProblem>& problems) {
    const auto refuse = [&](Kind kind) {
        problems.push_back({record, "Location", kind, std::string(location)});
        return false;
    };
    if (location.empty()) return refuse(Kind::Required);
    const auto number = cells::ParseWhole(location, kMaxLocation, Kind::LocationOutOfRange);
    if (number.problem) return refuse(*number.problem);
    row.channel = fromZero ? number.value : number.value - 1;
    if (row.channel < 0 || row.channel >= kChannelCount) {
        row.channel = 0;
        return refuse(Kind::LocationOutOfRange);
    }
    if (!named.insert(row.channel).second) return refuse(Kind::DuplicateLocation);
    return true;
}

// The row's channel as the caller places it; a place outside the radio is
// refused as a Location would be, the channel numbered as from 1.
bool Place(int channel, std::set<int>& named, ChannelRow& row, int record, std::vector<TableProblem>& problems) {
    const auto refuse = [&](Kind kind) {
        problems.push_back({record, "Location", kind, std::to_string(channel + 1)});
        return false;
    };
    if (channel < 0 || channel >= kChannelCount) return refuse(Kind::LocationOutOfRange);
    row.channel = channel;
    if (!named.insert(channel).second) return refuse(Kind::DuplicateLocation);
    return true;
}

// The table onto the base; `places` gives each data row's channel in
// place of the Location column, when set.
ChannelTableImport Import(const RadioImage& base, std::string_view text, const std::vector<int>* places) {
    ChannelTableImport result;
    result.image = base;
    const char separator = csv::DetectSeparator(text);
    const csv::Table table = csv::Parse(text, separator);
    if (table.records.empty() && !table.unclosedQuote) return result;
    const Header header(table.records.empty() ? std::vector<std::string>{} : table.records.front().cells, separator != ',');

    // A quote left open swallows the rest of the file: nothing after it can
    // be trusted, so the table is refused as a whole.
    if (table.unclosedQuote) {
        // A quote open in the header leaves no record complete at all.
        const bool inHeader = table.records.empty();
        result.problems.push_back({table.unclosedQuote->record, inHeader ? "" : header.NameAt(table.unclosedQuote->cell),
                                   Kind::UnclosedQuote, {}});
        result.tableUsable = false;
        return result;
    }
    for (const char* required : {"Location", "Frequency"}) {
        if (!header.Has(required) && !(places && std::string_view(required) == "Location")) {
            result.problems.push_back({table.records.front().number, required, Kind::MissingColumn, {}});
            result.tableUsable = false;
        }
    }
    if (!result.tableUsable) return result;

    const auto rows = std::span(table.records).subspan(1);
    // A table that names a Location 0 counts its channels from 0.
    const bool fromZero = std::any_of(rows.begin(), rows.end(), [&](const csv::Record& record) {
        const auto location = cells::ParseWhole(header.Cell(record, "Location"), kMaxLocation, Kind::LocationOutOfRange);
        return !location.problem && location.value == 0;
    });

    std::vector<ChannelRow> accepted;
    std::set<int> named;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const csv::Record& record = rows[i];
        ChannelRow row;
        row.row = record.number;
        const bool placed = places ? Place(i < places->size() ? (*places)[i] : kChannelCount, named, row, record.number, result.problems)
                                   : ReadLocation(header.Cell(record, "Location"), fromZero, named, row, record.number,
                                                  result.problems);
        if (!rows::ReadRow(header, record, row, result.problems) || !placed) continue;
        rows::KeepAbsent(header, base.Channel(row.channel), row);
        accepted.push_back(row);
        if (!header.Cell(record, "Name").empty()) result.namesDropped = true;
    }

    // Only a channel in use keeps values of the columns the table lacks.
    if (std::any_of(accepted.begin(), accepted.end(), [&](const ChannelRow& row) { return base.Channel(row.channel).rxFreq() != 0; })) {
        for (const char* column : ChannelTableColumns()) {
            const ChannelFieldInfo* field = FieldOfColumn(column);
            if (field && field->ownColumn && !header.Has(column)) result.absentColumns.emplace_back(column);
        }
    }

    // A row refused for a full group no longer leaves the other group
    // either, which may fill that one: apply again without it until no row
    // overflows.
    for (;;) {
        RadioImage image = base;
        const auto overflow = Apply(accepted, image);
        if (overflow.empty()) {
            result.image = image;
            break;
        }
        for (const TableProblem& problem : overflow) {
            result.problems.push_back(problem);
            std::erase_if(accepted, [&](const ChannelRow& row) { return row.row == problem.row; });
        }
    }

    std::stable_sort(result.problems.begin(), result.problems.end(),
                     [](const TableProblem& a, const TableProblem& b) { return a.row < b.row; });
    for (const ChannelRow& row : accepted) result.importedRows.push_back(row.row);
    return result;
}

}  // namespace

ChannelTableImport ImportChannelTable(const RadioImage& base, std::string_view text) { return Import(base, text, nullptr); }

ChannelTableImport ImportChannelRows(const RadioImage& base, std::string_view text, const std::vector<int>& channels) {
    return Import(base, text, &channels);
}

}  // namespace rk
