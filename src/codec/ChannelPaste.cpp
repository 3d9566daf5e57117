#include "ChannelPaste.h"

#include <algorithm>
#include <vector>

#include "ChannelCells.h"
#include "Csv.h"

namespace rk {

namespace {

constexpr int kMaxLocation = 999'999;

std::optional<std::size_t> LocationColumn(const csv::Record& header) {
    const auto found = std::find_if(header.cells.begin(), header.cells.end(),
                                    [](const std::string& name) { return cells::SameText(cells::Trim(name), "Location"); });
    if (found == header.cells.end()) return std::nullopt;
    return static_cast<std::size_t>(found - header.cells.begin());
}

std::optional<int> LocationOf(const csv::Record& record, std::size_t column) {
    if (column >= record.cells.size()) return std::nullopt;
    const auto parsed = cells::ParseWhole(cells::Trim(record.cells[column]), kMaxLocation, TableProblemKind::LocationOutOfRange);
    if (parsed.problem) return std::nullopt;
    return parsed.value;
}

// Each data row's channel: the first at `target`, the others after it by
// the distance of their Locations from the first's; a row without a
// readable Location one after the row before.
std::vector<int> Places(const csv::Table& table, std::optional<std::size_t> locationColumn, int target) {
    std::vector<int> places;
    std::optional<int> first;
    for (std::size_t i = 1; i < table.records.size(); ++i) {
        const auto location = locationColumn ? LocationOf(table.records[i], *locationColumn) : std::nullopt;
        if (location && !first) first = location;
        if (location)
            places.push_back(target + (*location - *first));
        else
            places.push_back(places.empty() ? target : places.back() + 1);
    }
    return places;
}

}  // namespace

ChannelTableImport PasteChannelTable(const RadioImage& base, std::string_view text, std::optional<int> target) {
    const csv::Table table = csv::Parse(text, csv::DetectSeparator(text));
    if (table.unclosedQuote || table.records.empty()) return ImportChannelTable(base, text);
    const auto locationColumn = LocationColumn(table.records.front());
    if (!target && locationColumn) return ImportChannelTable(base, text);
    return ImportChannelRows(base, text, Places(table, locationColumn, target.value_or(0)));
}

}  // namespace rk
