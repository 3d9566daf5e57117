// Writing the channel table from an image: one row per channel, the common
// columns first, then this radio's own.

#include <algorithm>
#include <cstdlib>

#include "ChannelCells.h"
#include "ChannelFields.h"
#include "ChannelTable.h"
#include "Csv.h"

namespace rk {

namespace {

using cells::CodeKind;
using cells::SideCode;

constexpr std::int64_t kStep6k25 = 625;  // 10 Hz counts

const std::array<const char*, kChannelTableColumnCount> kColumns = {
    "Location", "Name",     "Frequency",     "Duplex",    "Offset",    "Tone",       "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",       "TStep",
    "Skip",     "Power",    "Comment",       "Squelch",   "RepeaterDelay", "Scrambler", "BeatShift",
    "Talkaround", "Reverse", "Repeater",     "TxInhibit", "ScanA",     "ScanB",
};

// This radio's own columns start here.
constexpr std::size_t kFirstOwnColumn = 17;

// The tone columns, with what export writes into the ones a mode leaves unused.
struct ToneCells {
    std::string mode;
    std::string rTone = "88.5";
    std::string cTone = "88.5";
    std::string dtcs = "023";
    std::string polarity = "NN";
    std::string rxDtcs = "023";
    std::string cross = "Tone->Tone";
};

char PolarityLetter(const SideCode& side) { return side.kind == CodeKind::Dcs && side.inverted ? 'R' : 'N'; }

const char* CrossSide(const SideCode& side) {
    switch (side.kind) {
    case CodeKind::Tone: return "Tone";
    case CodeKind::Dcs: return "DTCS";
    case CodeKind::Off: break;
    }
    return "";
}

ToneCells ToneColumns(const SideCode& tx, const SideCode& rx) {
    ToneCells out;
    out.polarity = {PolarityLetter(tx), PolarityLetter(rx)};
    if (tx.kind == CodeKind::Off && rx.kind == CodeKind::Off) return out;
    if (tx.kind == CodeKind::Tone && rx.kind == CodeKind::Off) {
        out.mode = "Tone";
        out.rTone = cells::ToneCell(tx.index);
        return out;
    }
    if (tx.kind == CodeKind::Tone && rx == tx) {
        out.mode = "TSQL";
        out.cTone = cells::ToneCell(tx.index);
        return out;
    }
    if (tx.kind == CodeKind::Dcs && rx.kind == CodeKind::Dcs && tx.index == rx.index) {
        out.mode = "DTCS";
        out.dtcs = cells::DcsCell(tx.index);
        return out;
    }
    out.mode = "Cross";
    out.cross = std::string(CrossSide(tx)) + "->" + CrossSide(rx);
    if (tx.kind == CodeKind::Tone) out.rTone = cells::ToneCell(tx.index);
    if (rx.kind == CodeKind::Tone) out.cTone = cells::ToneCell(rx.index);
    if (tx.kind == CodeKind::Dcs) out.dtcs = cells::DcsCell(tx.index);
    if (rx.kind == CodeKind::Dcs) out.rxDtcs = cells::DcsCell(rx.index);
    return out;
}

// Duplex and Offset: the same frequency, a shift within the model's split or
// a split transmit frequency. They say the transmit frequency even when the
// channel does not transmit: TxInhibit tells that.
std::pair<std::string, std::string> DuplexColumns(const ConstChannelRecord& record, std::int32_t greatestSplit) {
    const std::int64_t rx = record.rxFreqSigned();
    const std::int64_t tx = record.txFreqSigned();
    if (tx == rx) return {"", cells::FrequencyCell(0)};
    const std::int64_t distance = std::llabs(tx - rx);
    if (distance > greatestSplit) return {"split", cells::FrequencyCell(tx)};
    return {tx > rx ? "+" : "-", cells::FrequencyCell(distance)};
}

const char* YesNo(bool on) { return on ? "Y" : "N"; }

bool InGroup(const ConstSettingsBlock& settings, ScanGroup group, int channel) {
    for (const std::uint8_t slot : settings.scanGroup(group))
        if (slot == channel) return true;
    return false;
}

// A cell of this radio's own columns, from the catalogue's field.
std::string OwnCell(const ChannelFieldInfo& field, const RadioImage& image, int channel) {
    if (field.kind == FieldKind::ScanGroup)
        return YesNo(InGroup(image.Settings(), field.id == ChannelColumn::ScanGroupA ? ScanGroup::A : ScanGroup::B, channel));
    const std::int64_t stored = field.read(image.Channel(channel));
    switch (field.kind) {
    case FieldKind::Level: return std::to_string(stored);
    case FieldKind::Tenths: return cells::TenthsCell(static_cast<std::uint8_t>(stored));
    default: return YesNo(stored != 0);
    }
}

}  // namespace

const std::array<const char*, kChannelTableColumnCount>& ChannelTableColumns() { return kColumns; }

ChannelTableExport ExportChannelTable(const RadioImage& image, std::int32_t greatestSplit, ExportRows rows,
                                      TableLayout layout) {
    std::vector<int> channels;
    for (int c = 0; c < kChannelCount; ++c)
        if (rows == ExportRows::All || image.IsChannelConfigured(c)) channels.push_back(c);
    const bool semicolons = layout == TableLayout::Semicolons;
    return ExportChannelTable(image, greatestSplit, channels, semicolons ? ';' : ',', semicolons);
}

ChannelTableExport ExportChannelTable(const RadioImage& image, std::int32_t greatestSplit,
                                      const std::vector<int>& channels, char separator, bool decimalComma) {
    ChannelTableExport out;
    out.text = csv::FormatRecord(std::vector<std::string>(kColumns.begin(), kColumns.end()), separator);
    for (const int c : channels) {
        if (c < 0 || c >= kChannelCount) continue;
        const ConstChannelRecord record = image.Channel(c);
        bool unlisted = false;
        const SideCode tx = cells::ReadSide(record, Side::Transmit, unlisted);
        const SideCode rx = cells::ReadSide(record, Side::Receive, unlisted);
        if (unlisted) out.unlistedCodes.push_back(c);
        const ToneCells tone = ToneColumns(tx, rx);
        const auto [duplex, offset] = DuplexColumns(record, greatestSplit);
        const std::int64_t rxFreq = record.rxFreqSigned();
        std::vector<std::string> row = {
            std::to_string(c + 1),
            "",
            cells::FrequencyCell(rxFreq),
            duplex,
            offset,
            tone.mode,
            tone.rTone,
            tone.cTone,
            tone.dtcs,
            tone.polarity,
            tone.rxDtcs,
            tone.cross,
            "FM",
            rxFreq % kStep6k25 == 0 ? "6.25" : "5.00",
            "",
            record.HasOption(kLowPower) ? "Low" : "High",
            "",
        };
        for (std::size_t k = kFirstOwnColumn; k < kColumns.size(); ++k) row.push_back(OwnCell(*FieldOfColumn(kColumns[k]), image, c));
        // Only the numbers hold a point: every other cell is a word.
        if (decimalComma)
            for (std::string& cell : row) std::replace(cell.begin(), cell.end(), '.', ',');
        out.text += csv::FormatRecord(row, separator);
    }
    return out;
}

}  // namespace rk
