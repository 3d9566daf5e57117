#pragma once
// The channel table: a CSV file with one row per channel, in the column
// layout that hobbyist radio programmers exchange channel lists in, followed
// by this radio's own columns. Export writes it from an image; import lays
// its rows over a base image. Both front ends use it. No Qt.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "RadioImage.h"

namespace rk {

// Larger files are refused before they are parsed: 64 channels take a few
// kilobytes, and a list from a radio with thousands of memories well under
// this.
inline constexpr std::size_t kChannelTableMaxBytes = 1 << 20;

inline constexpr std::size_t kChannelTableColumnCount = 27;
// The columns in the order export writes them.
const std::array<const char*, kChannelTableColumnCount>& ChannelTableColumns();

enum class ExportRows { Configured, All };
// Cells separated by ',' with a decimal point, or by ';' with a decimal
// comma, as spreadsheets of many European languages write them.
enum class TableLayout { Commas, Semicolons };

struct ChannelTableExport {
    std::string text;  // UTF-8, header first, lines ending with LF
    // Channels (0..63) with a code byte that names no tone or DCS code of the
    // radio's tables; that side went out as no code.
    std::vector<int> unlistedCodes;
};

// `greatestSplit` (10 Hz counts) decides between a duplex offset and a split
// transmit frequency.
ChannelTableExport ExportChannelTable(const RadioImage& image, std::int32_t greatestSplit, ExportRows rows,
                                      TableLayout layout = TableLayout::Commas);
// The given channels (0..63, ascending) with `separator` between the cells:
// the table view copies rows with a tab. A decimal comma in place of each
// decimal point when `decimalComma` is set.
ChannelTableExport ExportChannelTable(const RadioImage& image, std::int32_t greatestSplit,
                                      const std::vector<int>& channels, char separator, bool decimalComma = false);

// Why a cell, a row or the table was refused. Front ends word each one.
enum class TableProblemKind {
    MissingColumn,        // the header lacks Location or Frequency
    UnclosedQuote,        // a quoted cell runs to the end of the file
    Required,             // Location or Frequency is empty
    NotANumber,
    LocationOutOfRange,   // not a channel 1..64 (0..63 when counted from 0)
    DuplicateLocation,    // an earlier row names the same channel
    FrequencyOutOfRange,  // negative, or beyond what a channel record holds
    UnknownDuplex,
    UnknownToneMode,
    UnknownCrossMode,
    ToneNotInTable,
    DcsNotInTable,
    UnknownPolarity,
    UnknownMode,
    UnknownPower,
    SquelchOutOfRange,
    DelayOutOfRange,      // more than a channel record holds (25.5 s)
    NotYesOrNo,
    ScanGroupFull,        // the group would hold more than 16 channels
};
inline constexpr int kTableProblemKindCount = static_cast<int>(TableProblemKind::ScanGroupFull) + 1;

struct TableProblem {
    int row = 0;         // the record's number in the file, the header being 1
    std::string column;  // the column's name as ChannelTableColumns() has it
    TableProblemKind kind = TableProblemKind::NotANumber;
    std::string value;   // the refused cell as the file has it, trimmed; empty for none
};

struct ChannelTableImport {
    // The base image with every accepted row laid over it.
    RadioImage image;
    std::vector<int> importedRows;       // ascending
    std::vector<TableProblem> problems;  // in row order
    // False when the table as a whole cannot be read (a required column is
    // missing, a quote is not closed): then no row was accepted.
    bool tableUsable = true;
    // This radio's own columns (Squelch .. ScanB) the header lacks, in
    // column order, when an imported row is a channel in use: it kept the
    // base's values for them. Empty when no imported channel was in use.
    std::vector<std::string> absentColumns;
    // An imported row has a name, which these radios have no place for.
    bool namesDropped = false;
};

// Cells are separated by ',', ';' or tabs, as the header line has them; in a
// table separated by ';' or tabs, numbers may have a decimal comma.
// Rows are found by the header's names, in any order and any case; unknown
// columns are ignored. A missing column (the tone columns, Power and this
// radio's own: each field of the catalogue but the frequencies) keeps what
// the base has for a channel in use, and takes a new document's value for a
// channel the base does not use. Duplex "off" (another program's way of
// saying that a channel does not transmit) sets transmit inhibit and leaves
// the transmit frequency the receive one; this radio's own tables say it in
// TxInhibit and keep the transmit frequency in Duplex and Offset. Each row overwrites
// the channel its Location names; every byte the table does not describe
// (the spare bytes and bits, the code byte of a side without a code) stays
// as the base has it. Rows with a problem are left out, and so is a row
// whose scan group would overflow.
ChannelTableImport ImportChannelTable(const RadioImage& base, std::string_view text);
// The same with each data row's channel given, in the table's order, in
// place of any Location: a channel outside 0..63 refuses its row as a
// Location out of range, the refused value being its number from 1. Rows
// past the end of `channels` are refused the same way.
ChannelTableImport ImportChannelRows(const RadioImage& base, std::string_view text, const std::vector<int>& channels);

}  // namespace rk
