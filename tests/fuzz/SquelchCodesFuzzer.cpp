// Any stored byte under any of a side's flags decodes to a type, a table and
// a position inside it or none; encoding a decoded position gives the byte
// back. The two kinds of DCS byte the encoder never writes (a normal byte
// for code 036, and normal numbers beyond the numbering) decode to an entry
// whose own byte then decodes the same. Any position goes through the
// encoder and back, or is refused.

#include <cstdint>
#include <stdexcept>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "SquelchCodes.h"

using namespace rk;

namespace {

constexpr std::uint8_t kCode036Byte = 5;

void CheckDecode(bool on, bool isTone, std::uint8_t byte) {
    const DecodedSquelch decoded = DecodeSquelchCode(on, isTone, byte);
    if (!on) {
        FUZZ_CHECK(decoded.typePosition == kCodeTypeNone && decoded.table == CodeTable::None && !decoded.position);
        return;
    }
    const bool dcs = !isTone;
    FUZZ_CHECK(decoded.typePosition == (dcs ? kCodeTypeDqt : kCodeTypeQt));
    FUZZ_CHECK(decoded.table == (dcs ? CodeTable::Dcs : CodeTable::Tone));
    if (!decoded.position) {
        // Only tones beyond the table and inverted numbers nobody is partner
        // of (172, or beyond the numbering) name no entry.
        const int number = byte & 0x7F;
        const bool unpartnered =
            number >= kDcsNumberingCount || DcsNumbering()[static_cast<std::size_t>(number)] == 0172;
        FUZZ_CHECK(dcs ? (byte & 0x80) && unpartnered : byte >= kToneCount);
        return;
    }
    const int position = *decoded.position;
    FUZZ_CHECK(position >= 0 && position < (dcs ? kDcsEntryCount : kToneCount));
    const std::uint8_t again = EncodeSquelchCode(true, isTone, position);
    const bool aliased = dcs && !(byte & 0x80) && (byte == kCode036Byte || byte >= kDcsNumberingCount);
    if (!aliased) {
        FUZZ_CHECK(again == byte);
        return;
    }
    FUZZ_CHECK(again != byte);
    FUZZ_CHECK(DecodeSquelchCode(true, isTone, again).position == position);
}

void CheckEncode(bool on, bool isTone, int position) {
    const int count = isTone ? kToneCount : kDcsEntryCount;
    if (!on) {
        FUZZ_CHECK(EncodeSquelchCode(false, isTone, position) == 0);
        return;
    }
    if (position < 0 || position >= count) {
        bool refused = false;
        try {
            EncodeSquelchCode(true, isTone, position);
        } catch (const std::out_of_range&) {
            refused = true;
        }
        FUZZ_CHECK(refused);
        return;
    }
    const DecodedSquelch decoded = DecodeSquelchCode(true, isTone, EncodeSquelchCode(true, isTone, position));
    FUZZ_CHECK(decoded.position == position);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    while (!in.Empty()) {
        const std::uint8_t flags = in.Byte();
        const bool on = flags & 1;
        const bool isTone = flags & 2;
        if (flags & 4)
            CheckEncode(on, isTone, static_cast<std::int32_t>(in.Be32()));
        else
            CheckDecode(on, isTone, in.Byte());
    }
    return 0;
}
