#include "SquelchCodes.h"

#include <cstdio>
#include <stdexcept>

namespace rk {

namespace {

// DCS codes are octal numbers and are written here as octal literals:
// 0023 is code 023.
constexpr std::array<int, kDcsCodeCount> kDcsCodeList = {
    0023, 0025, 0026, 0031, 0032, 0043, 0047, 0051, 0054, 0065, 0071, 0072, 0073, 0074,
    0114, 0115, 0116, 0125, 0131, 0132, 0134, 0143, 0152, 0155, 0156, 0162, 0165, 0172,
    0174, 0205, 0223, 0226, 0243, 0244, 0245, 0251, 0261, 0263, 0265, 0271, 0306, 0311,
    0315, 0331, 0343, 0346, 0351, 0364, 0365, 0371, 0411, 0412, 0413, 0423, 0431, 0432,
    0445, 0464, 0465, 0466, 0503, 0506, 0516, 0532, 0546, 0565, 0606, 0612, 0624, 0627,
    0631, 0632, 0654, 0662, 0664, 0703, 0712, 0723, 0731, 0732, 0734, 0743, 0754,
};

// The number a DCS byte stores in its low seven bits: the code list with 036
// put in its ascending place.
constexpr int kCodeMissingFromList = 0036;
constexpr std::array<int, kDcsNumberingCount> MakeDcsNumbering() {
    std::array<int, kDcsNumberingCount> numbering{};
    std::size_t n = 0;
    bool inserted = false;
    for (const int code : kDcsCodeList) {
        if (!inserted && code > kCodeMissingFromList) {
            numbering[n++] = kCodeMissingFromList;
            inserted = true;
        }
        numbering[n++] = code;
    }
    return numbering;
}
constexpr std::array<int, kDcsNumberingCount> kDcsNumbering = MakeDcsNumbering();
static_assert(kDcsNumbering[5] == kCodeMissingFromList);

// For each code of the code list, the code whose normal signal is that code
// sent inverted.
constexpr std::array<int, kDcsCodeCount> kDcsPartners = {
    0047, 0244, 0464, 0627, 0051, 0445, 0023, 0032, 0413, 0271, 0306, 0245, 0506, 0174,
    0712, 0152, 0754, 0365, 0364, 0546, 0223, 0412, 0115, 0731, 0265, 0503, 0251, 0036,
    0074, 0263, 0134, 0411, 0351, 0025, 0072, 0165, 0732, 0205, 0156, 0065, 0071, 0664,
    0423, 0465, 0532, 0612, 0243, 0131, 0125, 0734, 0226, 0143, 0054, 0315, 0723, 0516,
    0043, 0026, 0331, 0662, 0162, 0073, 0432, 0343, 0132, 0703, 0631, 0346, 0632, 0031,
    0606, 0624, 0743, 0466, 0311, 0565, 0114, 0431, 0155, 0261, 0371, 0654, 0116,
};

constexpr int kDcsNormalWithoutGap = 5;  // codes before 036 in the numbering
constexpr std::uint8_t kInvertedBit = 0x80;
constexpr std::uint8_t kNumberMask = 0x7F;

// First number of the numbering that holds code, or -1.
constexpr int NumberOf(int code) {
    for (int n = 0; n < kDcsNumberingCount; ++n) {
        if (kDcsNumbering[n] == code) return n;
    }
    return -1;
}

// First entry of the partner table that holds code, or -1.
constexpr int PartnerEntryOf(int code) {
    for (int k = 0; k < kDcsCodeCount; ++k) {
        if (kDcsPartners[k] == code) return k;
    }
    return -1;
}

// Strictly ascending; a list left short (zero-filled) fails this too.
template <std::size_t N>
constexpr bool IsAscending(const std::array<int, N>& codes) {
    for (std::size_t i = 1; i < N; ++i) {
        if (codes[i - 1] >= codes[i]) return false;
    }
    return true;
}
static_assert(IsAscending(kDcsCodeList) && IsAscending(kDcsNumbering));

constexpr bool EveryPartnerIsNumbered() {
    for (int partner : kDcsPartners) {
        if (NumberOf(partner) < 0) return false;
    }
    return true;
}
static_assert(EveryPartnerIsNumbered());

std::string OctalText(int code, char suffix) {
    char text[8];
    std::snprintf(text, sizeof text, "%03o%c", static_cast<unsigned>(code), suffix);
    return text;
}

void CheckPosition(int position, int count) {
    if (position < 0 || position >= count) throw std::out_of_range("squelch code position");
}

}  // namespace

const std::array<std::string, kToneCount>& ToneTexts() {
    static const std::array<std::string, kToneCount> kTexts = {
        "67",    "71.9",  "74.4",  "77",    "79.7",  "82.5",  "85.4",  "88.5",  "91.5",  "94.8",
        "97.4",  "100",   "103.5", "107.2", "110.9", "114.8", "118.8", "123",   "127.3", "131.8",
        "136.5", "141.3", "146.2", "151.4", "156.7", "162.2", "167.9", "173.8", "179.9", "186.2",
        "192.8", "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3",
    };
    return kTexts;
}

const std::array<std::string, kDcsEntryCount>& DcsTexts() {
    static const std::array<std::string, kDcsEntryCount> kTexts = [] {
        std::array<std::string, kDcsEntryCount> texts;
        for (int k = 0; k < kDcsCodeCount; ++k) {
            texts[k] = OctalText(kDcsCodeList[k], 'N');
            texts[kDcsCodeCount + k] = OctalText(kDcsCodeList[k], 'I');
        }
        return texts;
    }();
    return kTexts;
}

const std::array<int, kDcsCodeCount>& DcsCodeList() { return kDcsCodeList; }
const std::array<int, kDcsNumberingCount>& DcsNumbering() { return kDcsNumbering; }
const std::array<int, kDcsCodeCount>& DcsPartners() { return kDcsPartners; }

std::uint8_t EncodeSquelchCode(bool on, bool isTone, int position) {
    if (!on) return 0;
    if (isTone) {
        CheckPosition(position, kToneCount);
        return static_cast<std::uint8_t>(position);
    }
    CheckPosition(position, kDcsEntryCount);
    if (position < kDcsNormalWithoutGap) return static_cast<std::uint8_t>(position);
    if (position < kDcsCodeCount) return static_cast<std::uint8_t>(position + 1);
    const int partner = kDcsPartners[static_cast<std::size_t>(position - kDcsCodeCount)];
    return static_cast<std::uint8_t>(kInvertedBit | NumberOf(partner));
}

DecodedSquelch DecodeSquelchCode(bool on, bool isTone, std::uint8_t byte) {
    DecodedSquelch decoded;
    if (!on) return decoded;
    if (isTone) {
        decoded.typePosition = kCodeTypeQt;
        decoded.table = CodeTable::Tone;
        if (byte < kToneCount) decoded.position = byte;
        return decoded;
    }
    decoded.typePosition = kCodeTypeDqt;
    decoded.table = CodeTable::Dcs;
    if (byte & kInvertedBit) {
        const int number = byte & kNumberMask;
        if (number < kDcsNumberingCount) {
            const int entry = PartnerEntryOf(kDcsNumbering[static_cast<std::size_t>(number)]);
            if (entry >= 0) decoded.position = kDcsCodeCount + entry;
        }
    } else {
        // 0..127 gives 0..126, always inside the table.
        decoded.position = byte < kDcsNormalWithoutGap ? byte : byte - 1;
    }
    return decoded;
}

DecodedSquelch DecodeSquelchCode(const ConstChannelRecord& record, Side side) {
    return DecodeSquelchCode(record.codeOn(side), record.codeIsQt(side), record.code(side));
}

}  // namespace rk
