// Reading the channel table onto a base image. Every row is read in full so
// that all of its problems are reported; only rows without any are laid over
// the image.

#include <algorithm>
#include <limits>
#include <optional>
#include <set>
#include <span>

#include "ChannelCells.h"
#include "ChannelTable.h"
#include "Csv.h"
#include "SortedSlots.h"

namespace rk {

namespace {

using Kind = TableProblemKind;
using cells::CodeKind;
using cells::SideCode;

constexpr int kMaxLocation = 999'999;

// The options a row sets or clears; the spare bits stay.
constexpr std::uint8_t kRowOptions = kBeatShift | kLowPower | kTalkaround | kRepeater | kReverse | kScrambler;

// Everything one valid row says about its channel.
struct ChannelRow {
    int row = 0;
    int channel = 0;
    std::int32_t rxFreq = 0;
    std::int32_t txFreq = 0;
    bool txInhibit = false;
    SideCode tx;
    SideCode rx;
    std::uint8_t options = 0;
    std::uint8_t squelch = kSquelchLevelDefault;  // a new document's, when the table lacks the column
    std::uint8_t delay = 0;
    bool scanA = false;
    bool scanB = false;
    // What the table does not say about a channel the base uses stays: the
    // options outside the mask, and each of the rest when its flag is set.
    std::uint8_t optionMask = kRowOptions;
    bool keepCodes = false;
    bool keepSquelch = false;
    bool keepDelay = false;
    bool keepScanA = false;
    bool keepScanB = false;
};

// This radio's own columns, the ones other programs' tables lack.
constexpr const char* kOwnColumns[] = {"Squelch", "RepeaterDelay", "Scrambler", "BeatShift", "Talkaround",
                                       "Reverse", "Repeater",      "ScanA",     "ScanB"};

// Where each known column stands in the file.
class Header {
public:
    Header(const std::vector<std::string>& names, bool decimalComma) : m_names(names), m_decimalComma(decimalComma) {
        const auto& columns = ChannelTableColumns();
        for (std::size_t k = 0; k < columns.size(); ++k) {
            for (std::size_t i = 0; i < names.size(); ++i) {
                if (cells::SameText(cells::Trim(names[i]), columns[k])) {
                    m_index[k] = i;
                    break;
                }
            }
        }
    }
    bool Has(const char* column) const { return Index(column).has_value(); }
    bool DecimalComma() const { return m_decimalComma; }
    // The name of the file's column `at`: the known name, or the header's
    // own text for a column this table does not use.
    std::string NameAt(std::size_t at) const {
        for (std::size_t k = 0; k < m_index.size(); ++k)
            if (m_index[k] == at) return ChannelTableColumns()[k];
        return at < m_names.size() ? std::string(cells::Trim(m_names[at])) : std::string();
    }
    // The trimmed cell, or empty when the file has no such column or the row
    // ends before it.
    std::string_view Cell(const csv::Record& record, const char* column) const {
        const auto at = Index(column);
        if (!at || *at >= record.cells.size()) return {};
        return cells::Trim(record.cells[*at]);
    }

private:
    // Where the file has the known column `column`; nothing for a column it
    // lacks.
    std::optional<std::size_t> Index(const char* column) const {
        const auto& columns = ChannelTableColumns();
        for (std::size_t k = 0; k < columns.size(); ++k)
            if (std::string_view(columns[k]) == column) return m_index[k];
        return std::nullopt;
    }
    std::vector<std::string> m_names;
    bool m_decimalComma = false;
    std::array<std::optional<std::size_t>, kChannelTableColumnCount> m_index{};
};

// Reads one data row, adding a problem for every cell that cannot be taken.
class RowReader {
public:
    RowReader(const Header& header, const csv::Record& record, std::vector<TableProblem>& problems)
        : m_header(header), m_record(record), m_problems(problems) {}

    bool Failed() const { return m_failed; }

    std::string_view Cell(const char* column) const { return m_header.Cell(m_record, column); }
    bool DecimalComma() const { return m_header.DecimalComma(); }

    template <typename T>
    T Take(const char* column, const cells::Parsed<T>& parsed) {
        if (parsed.problem) Report(column, *parsed.problem);
        return parsed.value;
    }

    void Report(const char* column, Kind kind) {
        m_problems.push_back({m_record.number, column, kind, std::string(Cell(column))});
        m_failed = true;
    }

private:
    const Header& m_header;
    const csv::Record& m_record;
    std::vector<TableProblem>& m_problems;
    bool m_failed = false;
};

SideCode ToneSide(RowReader& reader, const char* column) {
    return {CodeKind::Tone, reader.Take(column, cells::ParseTone(reader.Cell(column), reader.DecimalComma())), false};
}

SideCode DcsSide(RowReader& reader, const char* column, bool inverted) {
    return {CodeKind::Dcs, reader.Take(column, cells::ParseDcs(reader.Cell(column))), inverted};
}

// The cross mode's two sides: "Tone", "DTCS" or nothing, around an arrow.
std::optional<std::pair<CodeKind, CodeKind>> CrossKinds(std::string_view cross) {
    const auto arrow = cross.find("->");
    if (arrow == std::string_view::npos) return std::nullopt;
    const auto kind = [](std::string_view side) -> std::optional<CodeKind> {
        side = cells::Trim(side);
        if (side.empty()) return CodeKind::Off;
        if (cells::SameText(side, "Tone")) return CodeKind::Tone;
        if (cells::SameText(side, "DTCS")) return CodeKind::Dcs;
        return std::nullopt;
    };
    const auto tx = kind(cross.substr(0, arrow));
    const auto rx = kind(cross.substr(arrow + 2));
    if (!tx || !rx || (*tx == CodeKind::Off && *rx == CodeKind::Off)) return std::nullopt;
    return std::pair{*tx, *rx};
}

void ReadCodes(RowReader& reader, ChannelRow& row) {
    const std::string_view mode = reader.Cell("Tone");
    const auto polarity = [&] { return reader.Take("DtcsPolarity", cells::ParsePolarity(reader.Cell("DtcsPolarity"))); };
    if (mode.empty()) return;
    if (cells::SameText(mode, "Tone")) {
        row.tx = ToneSide(reader, "rToneFreq");
    } else if (cells::SameText(mode, "TSQL")) {
        row.tx = row.rx = ToneSide(reader, "cToneFreq");
    } else if (cells::SameText(mode, "DTCS")) {
        const auto p = polarity();
        row.tx = row.rx = DcsSide(reader, "DtcsCode", p.txInverted);
        row.rx.inverted = p.rxInverted;
    } else if (cells::SameText(mode, "Cross")) {
        const auto kinds = CrossKinds(reader.Cell("CrossMode"));
        if (!kinds) return reader.Report("CrossMode", Kind::UnknownCrossMode);
        const auto p = (kinds->first == CodeKind::Dcs || kinds->second == CodeKind::Dcs) ? polarity() : cells::Polarity{};
        if (kinds->first == CodeKind::Tone) row.tx = ToneSide(reader, "rToneFreq");
        if (kinds->first == CodeKind::Dcs) row.tx = DcsSide(reader, "DtcsCode", p.txInverted);
        if (kinds->second == CodeKind::Tone) row.rx = ToneSide(reader, "cToneFreq");
        if (kinds->second == CodeKind::Dcs) row.rx = DcsSide(reader, "RxDtcsCode", p.rxInverted);
    } else {
        reader.Report("Tone", Kind::UnknownToneMode);
    }
}

void ReadFrequencies(RowReader& reader, ChannelRow& row) {
    const std::string_view rxCell = reader.Cell("Frequency");
    if (rxCell.empty()) return reader.Report("Frequency", Kind::Required);
    const auto rx = cells::ParseFrequency(rxCell, reader.DecimalComma());
    if (rx.problem) return reader.Report("Frequency", *rx.problem);
    row.rxFreq = row.txFreq = rx.value;

    const std::string_view duplex = reader.Cell("Duplex");
    if (duplex.empty()) return;
    if (cells::SameText(duplex, "off")) {
        row.txInhibit = true;
        return;
    }
    const bool plus = duplex == "+";
    const bool minus = duplex == "-";
    const bool split = cells::SameText(duplex, "split");
    if (!plus && !minus && !split) return reader.Report("Duplex", Kind::UnknownDuplex);
    const std::string_view offsetCell = reader.Cell("Offset");
    const auto offset = offsetCell.empty() ? cells::Parsed<std::int32_t>{} : cells::ParseFrequency(offsetCell, reader.DecimalComma());
    if (offset.problem) return reader.Report("Offset", *offset.problem);
    if (split) {
        row.txFreq = offset.value;
        return;
    }
    const std::int64_t tx = std::int64_t{rx.value} + (plus ? offset.value : -std::int64_t{offset.value});
    if (tx < 0 || tx > std::numeric_limits<std::int32_t>::max()) return reader.Report("Offset", Kind::FrequencyOutOfRange);
    row.txFreq = static_cast<std::int32_t>(tx);
}

void ReadOptions(RowReader& reader, ChannelRow& row) {
    const std::string_view mode = reader.Cell("Mode");
    if (!mode.empty() && !cells::SameText(mode, "FM") && !cells::SameText(mode, "NFM"))
        reader.Report("Mode", Kind::UnknownMode);
    if (reader.Take("Power", cells::ParseLowPower(reader.Cell("Power"), reader.DecimalComma()))) row.options |= kLowPower;

    const std::string_view squelch = reader.Cell("Squelch");
    if (!squelch.empty())
        row.squelch = static_cast<std::uint8_t>(
            reader.Take("Squelch", cells::ParseWhole(squelch, kSquelchLevelMax, Kind::SquelchOutOfRange)));
    row.delay = reader.Take("RepeaterDelay", cells::ParseTenths(reader.Cell("RepeaterDelay"), reader.DecimalComma()));

    const struct {
        const char* column;
        std::uint8_t bit;
    } flags[] = {{"Scrambler", kScrambler}, {"BeatShift", kBeatShift}, {"Talkaround", kTalkaround},
                 {"Reverse", kReverse},     {"Repeater", kRepeater}};
    for (const auto& flag : flags)
        if (reader.Take(flag.column, cells::ParseYesNo(reader.Cell(flag.column)))) row.options |= flag.bit;
    row.scanA = reader.Take("ScanA", cells::ParseYesNo(reader.Cell("ScanA")));
    row.scanB = reader.Take("ScanB", cells::ParseYesNo(reader.Cell("ScanB")));
}

// What of the base the row keeps: for a channel in use, everything of the
// columns the header lacks.
void KeepAbsent(const Header& header, const ConstChannelRecord& base, ChannelRow& row) {
    if (base.rxFreq() == 0) return;
    const struct {
        const char* column;
        std::uint8_t bit;
    } options[] = {{"Power", kLowPower},     {"Scrambler", kScrambler}, {"BeatShift", kBeatShift},
                   {"Talkaround", kTalkaround}, {"Reverse", kReverse},   {"Repeater", kRepeater}};
    for (const auto& option : options)
        if (!header.Has(option.column)) row.optionMask &= static_cast<std::uint8_t>(~option.bit);
    row.keepCodes = !header.Has("Tone");
    row.keepSquelch = !header.Has("Squelch");
    row.keepDelay = !header.Has("RepeaterDelay");
    row.keepScanA = !header.Has("ScanA");
    row.keepScanB = !header.Has("ScanB");
}

void ApplyRecord(const ChannelRow& row, const ChannelRecord& record) {
    record.setRxFreq(static_cast<std::uint32_t>(row.rxFreq));
    record.setTxFreq(static_cast<std::uint32_t>(row.txFreq));
    record.SetCodeFlag(kTxInhibit, row.txInhibit);
    if (!row.keepCodes) {
        cells::WriteSide(record, Side::Transmit, row.tx);
        cells::WriteSide(record, Side::Receive, row.rx);
    }
    record.setOptionFlags(static_cast<std::uint8_t>((record.optionFlags() & ~row.optionMask) | (row.options & row.optionMask)));
    if (!row.keepSquelch) record.setSquelchLevel(row.squelch);
    if (!row.keepDelay) record.setRepeaterDelay(row.delay);
}

// Lays the rows over the base: records first, then the scan groups, where
// rows that leave a group go before rows that join one. Returns the rows
// that would overflow a group, with their problem.
std::vector<TableProblem> Apply(const std::vector<ChannelRow>& rows, RadioImage& image) {
    for (const ChannelRow& row : rows) ApplyRecord(row, image.Channel(row.channel));
    std::vector<TableProblem> overflow;
    const SettingsBlock settings = image.Settings();
    for (const ScanGroup group : {ScanGroup::A, ScanGroup::B}) {
        const auto slots = settings.scanGroup(group);
        const auto member = [group](const ChannelRow& row) { return group == ScanGroup::A ? row.scanA : row.scanB; };
        const auto keep = [group](const ChannelRow& row) { return group == ScanGroup::A ? row.keepScanA : row.keepScanB; };
        for (const ChannelRow& row : rows) {
            if (member(row) || keep(row)) continue;
            while (const auto at = FindSlot(slots, row.channel)) RemoveSlot(slots, *at);
        }
        for (const ChannelRow& row : rows) {
            if (!member(row) || keep(row) || FindSlot(slots, row.channel)) continue;
            if (slots.back() != kEmptySlot) {
                overflow.push_back({row.row, group == ScanGroup::A ? "ScanA" : "ScanB", Kind::ScanGroupFull, "Y"});
                continue;
            }
            InsertSorted(slots, row.channel);
        }
    }
    return overflow;
}

}  // namespace

ChannelTableImport ImportChannelTable(const RadioImage& base, std::string_view text) {
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
        if (!header.Has(required)) {
            result.problems.push_back({table.records.front().number, required, Kind::MissingColumn, {}});
            result.tableUsable = false;
        }
    }
    if (!result.tableUsable) return result;
    for (const char* column : kOwnColumns)
        if (!header.Has(column)) result.absentColumns.emplace_back(column);

    const auto rows = std::span(table.records).subspan(1);
    // A table that names a Location 0 counts its channels from 0.
    const bool fromZero = std::any_of(rows.begin(), rows.end(), [&](const csv::Record& record) {
        const auto location = cells::ParseWhole(header.Cell(record, "Location"), kMaxLocation, Kind::LocationOutOfRange);
        return !location.problem && location.value == 0;
    });

    std::vector<ChannelRow> accepted;
    std::set<int> named;
    for (const csv::Record& record : rows) {
        RowReader reader(header, record, result.problems);
        ChannelRow row;
        row.row = record.number;
        const std::string_view location = reader.Cell("Location");
        if (location.empty()) {
            reader.Report("Location", Kind::Required);
        } else {
            const int number = reader.Take("Location", cells::ParseWhole(location, kMaxLocation, Kind::LocationOutOfRange));
            row.channel = fromZero ? number : number - 1;
            if (!reader.Failed() && (row.channel < 0 || row.channel >= kChannelCount))
                reader.Report("Location", Kind::LocationOutOfRange);
            else if (!reader.Failed() && !named.insert(row.channel).second)
                reader.Report("Location", Kind::DuplicateLocation);
        }
        ReadFrequencies(reader, row);
        ReadCodes(reader, row);
        ReadOptions(reader, row);
        if (reader.Failed()) continue;
        KeepAbsent(header, base.Channel(row.channel), row);
        accepted.push_back(row);
        if (!reader.Cell("Name").empty()) result.namesDropped = true;
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

}  // namespace rk
