#pragma once
// One data row of the channel table read in full: where each known column
// stands in the file, every cell of a row taken or refused with its reason,
// and what the row says about its channel. Used by the table import only.
// No Qt.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ChannelCells.h"
#include "ChannelFields.h"
#include "ChannelTable.h"
#include "Csv.h"

namespace rk::rows {

// Where each known column stands in the file.
class Header {
public:
    Header(const std::vector<std::string>& names, bool decimalComma);
    bool Has(const char* column) const { return Index(column).has_value(); }
    bool DecimalComma() const { return m_decimalComma; }
    // The name of the file's column `at`: the known name, or the header's
    // own text for a column this table does not use.
    std::string NameAt(std::size_t at) const;
    // The trimmed cell, or empty when the file has no such column or the row
    // ends before it.
    std::string_view Cell(const csv::Record& record, const char* column) const;

private:
    std::optional<std::size_t> Index(const char* column) const;
    std::vector<std::string> m_names;
    bool m_decimalComma = false;
    std::array<std::optional<std::size_t>, kChannelTableColumnCount> m_index{};
};

// Everything one valid row says about its channel.
struct ChannelRow {
    int row = 0;
    int channel = 0;
    std::int32_t rxFreq = 0;
    std::int32_t txFreq = 0;
    cells::SideCode tx;
    cells::SideCode rx;
    // The catalogue's other fields as they are stored (options, power,
    // squelch, delay, scan groups), by id; an empty cell is a new document's
    // value.
    std::array<std::int64_t, kChannelFieldCount> values{};
    // The fields the row leaves as the base has them: a channel in use keeps
    // every field whose column the table lacks.
    std::array<bool, kChannelFieldCount> keep{};

    std::int64_t& Value(ChannelColumn id) { return values[static_cast<std::size_t>(id)]; }
    std::int64_t Value(ChannelColumn id) const { return values[static_cast<std::size_t>(id)]; }
    bool Keeps(ChannelColumn id) const { return keep[static_cast<std::size_t>(id)]; }
};

// Reads the row's cells into `row` (whose `row` and `channel` are set),
// adding a problem for every cell that cannot be taken. Returns whether the
// row is free of problems.
bool ReadRow(const Header& header, const csv::Record& record, ChannelRow& row, std::vector<TableProblem>& problems);

// For a channel the base uses, everything of the columns the header lacks
// stays.
void KeepAbsent(const Header& header, const ConstChannelRecord& base, ChannelRow& row);

// The row's fields into the channel's record; scan groups are the caller's.
void ApplyRecord(const ChannelRow& row, const ChannelRecord& record);

}  // namespace rk::rows
