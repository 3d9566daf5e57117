// Reading one row of the channel table. Every cell is read so that all of a
// row's problems are reported.

#include "ChannelTableRows.h"

#include <limits>

#include "NewDocument.h"

namespace rk::rows {

namespace {

using Kind = TableProblemKind;
using cells::CodeKind;
using cells::SideCode;

// Takes or refuses the cells of one record.
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

// Returns whether Duplex says "off": other programs' way of saying that the
// channel does not transmit.
bool ReadFrequencies(RowReader& reader, ChannelRow& row) {
    const std::string_view rxCell = reader.Cell("Frequency");
    if (rxCell.empty()) return reader.Report("Frequency", Kind::Required), false;
    const auto rx = cells::ParseFrequency(rxCell, reader.DecimalComma());
    if (rx.problem) return reader.Report("Frequency", *rx.problem), false;
    row.rxFreq = row.txFreq = rx.value;

    const std::string_view duplex = reader.Cell("Duplex");
    if (duplex.empty()) return false;
    if (cells::SameText(duplex, "off")) return true;
    const bool plus = duplex == "+";
    const bool minus = duplex == "-";
    const bool split = cells::SameText(duplex, "split");
    if (!plus && !minus && !split) return reader.Report("Duplex", Kind::UnknownDuplex), false;
    const std::string_view offsetCell = reader.Cell("Offset");
    const auto offset = offsetCell.empty() ? cells::Parsed<std::int32_t>{} : cells::ParseFrequency(offsetCell, reader.DecimalComma());
    if (offset.problem) return reader.Report("Offset", *offset.problem), false;
    if (split) {
        row.txFreq = offset.value;
        return false;
    }
    const std::int64_t tx = std::int64_t{rx.value} + (plus ? offset.value : -std::int64_t{offset.value});
    if (tx < 0 || tx > std::numeric_limits<std::int32_t>::max()) return reader.Report("Offset", Kind::FrequencyOutOfRange), false;
    row.txFreq = static_cast<std::int32_t>(tx);
    return false;
}

// One cell of the catalogue's fields other than the frequencies and codes.
std::int64_t ReadField(RowReader& reader, const ChannelFieldInfo& field, std::string_view cell) {
    const char* column = field.csvColumn;
    switch (field.kind) {
    case FieldKind::Power: return reader.Take(column, cells::ParseLowPower(cell, reader.DecimalComma())) ? 1 : 0;
    case FieldKind::Level: return reader.Take(column, cells::ParseWhole(cell, static_cast<int>(field.max), Kind::SquelchOutOfRange));
    case FieldKind::Tenths: return reader.Take(column, cells::ParseTenths(cell, reader.DecimalComma()));
    case FieldKind::Option:
    case FieldKind::ScanGroup: return reader.Take(column, cells::ParseYesNo(cell)) ? 1 : 0;
    case FieldKind::Frequency:
    case FieldKind::Code: break;
    }
    return 0;
}

void ReadFields(RowReader& reader, ChannelRow& row) {
    const std::string_view mode = reader.Cell("Mode");
    if (!mode.empty() && !cells::SameText(mode, "FM") && !cells::SameText(mode, "NFM"))
        reader.Report("Mode", Kind::UnknownMode);
    // A new document's channels are all alike.
    static const RadioImage blank = NewDocumentImage();
    for (const ChannelFieldInfo& field : ChannelFieldCatalogue()) {
        if (field.kind == FieldKind::Frequency || field.kind == FieldKind::Code) continue;
        const std::string_view cell = reader.Cell(field.csvColumn);
        std::int64_t& value = row.Value(field.id);
        if (cell.empty())
            value = field.read ? field.read(blank.Channel(0)) : 0;
        else
            value = ReadField(reader, field, cell);
    }
}

}  // namespace

Header::Header(const std::vector<std::string>& names, bool decimalComma) : m_names(names), m_decimalComma(decimalComma) {
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

std::string Header::NameAt(std::size_t at) const {
    for (std::size_t k = 0; k < m_index.size(); ++k)
        if (m_index[k] == at) return ChannelTableColumns()[k];
    return at < m_names.size() ? std::string(cells::Trim(m_names[at])) : std::string();
}

std::string_view Header::Cell(const csv::Record& record, const char* column) const {
    const auto at = Index(column);
    if (!at || *at >= record.cells.size()) return {};
    return cells::Trim(record.cells[*at]);
}

// Where the file has the known column `column`; nothing for a column it lacks.
std::optional<std::size_t> Header::Index(const char* column) const {
    const auto& columns = ChannelTableColumns();
    for (std::size_t k = 0; k < columns.size(); ++k)
        if (std::string_view(columns[k]) == column) return m_index[k];
    return std::nullopt;
}

bool ReadRow(const Header& header, const csv::Record& record, ChannelRow& row, std::vector<TableProblem>& problems) {
    RowReader reader(header, record, problems);
    const bool noTransmit = ReadFrequencies(reader, row);
    ReadCodes(reader, row);
    ReadFields(reader, row);
    if (noTransmit) row.Value(ChannelColumn::TxInhibit) = 1;
    return !reader.Failed();
}

void KeepAbsent(const Header& header, const ConstChannelRecord& base, ChannelRow& row) {
    if (base.rxFreq() == 0) return;
    for (const ChannelFieldInfo& field : ChannelFieldCatalogue())
        if (field.keptWhenAbsent && !header.Has(field.csvColumn)) row.keep[static_cast<std::size_t>(field.id)] = true;
    // Duplex "off" says the channel does not transmit, whatever the columns.
    if (row.Value(ChannelColumn::TxInhibit) != 0) row.keep[static_cast<std::size_t>(ChannelColumn::TxInhibit)] = false;
}

void ApplyRecord(const ChannelRow& row, const ChannelRecord& record) {
    record.setRxFreq(static_cast<std::uint32_t>(row.rxFreq));
    record.setTxFreq(static_cast<std::uint32_t>(row.txFreq));
    if (!row.Keeps(ChannelColumn::RxCode)) {
        cells::WriteSide(record, Side::Transmit, row.tx);
        cells::WriteSide(record, Side::Receive, row.rx);
    }
    for (const ChannelFieldInfo& field : ChannelFieldCatalogue()) {
        if (!field.write || field.kind == FieldKind::Frequency || field.kind == FieldKind::Code) continue;
        if (!row.Keeps(field.id)) field.write(record, row.Value(field.id));
    }
}

}  // namespace rk::rows
