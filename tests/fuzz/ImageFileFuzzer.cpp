// Any bytes as an image file: the parser takes a file of 1089 bytes or more
// and nothing shorter; saving gives back the image bytes; the configured
// channels and the pre-write check of both models hold on whatever it took.
// The check's derived fields are recomputed here from the rule itself.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "FuzzCheck.h"
#include "FuzzOracles.h"
#include "ImageFile.h"
#include "RadioDocument.h"
#include "RadioImage.h"
#include "Rk520Rules.h"
#include "Rk7400Rules.h"
#include "WriteValidation.h"

using namespace rk;
using namespace rk::fuzz;

namespace {

constexpr std::size_t kBitmapOffset = kSettingsOffset + 48;
constexpr std::size_t kBitmapSize = 8;

bool BitmapBit(const RadioImage& image, int c) {
    return (image.Bytes()[kBitmapOffset + static_cast<std::size_t>(c / 8)] >> (c % 8)) & 1;
}

void CheckValidation(const RadioImage& before, const ValidationRules& rules) {
    RadioImage image = before;
    const ValidationVerdict verdict = ValidateForWrite(image, rules);

    // Channels before the failing one (all of them on success) have their
    // bitmap bit set exactly when rx is not 0, and the last used channel is
    // the highest of them, or unchanged when there is none. Later channels
    // keep their bits; no other byte changes.
    const int checked = verdict.passed ? kChannelCount : verdict.failingChannel;
    FUZZ_CHECK(checked >= 0 && checked <= kChannelCount);
    std::uint8_t lastUsed = before.Bytes()[kSettingsOffset];
    for (int c = 0; c < kChannelCount; ++c) {
        const bool expected = c < checked ? Rx(before, c) != 0 : BitmapBit(before, c);
        FUZZ_CHECK(BitmapBit(image, c) == expected);
        if (c < checked && Rx(before, c) != 0) lastUsed = static_cast<std::uint8_t>(c);
    }
    FUZZ_CHECK(image.Bytes()[kSettingsOffset] == lastUsed);
    for (std::size_t i = 0; i < kImageSize; ++i) {
        const bool derived = i == kSettingsOffset || (i >= kBitmapOffset && i < kBitmapOffset + kBitmapSize);
        if (!derived) FUZZ_CHECK(image.Bytes()[i] == before.Bytes()[i]);
    }

    if (!verdict.passed) {
        FUZZ_CHECK(verdict.failingChannel >= 0 && verdict.failingChannel < kChannelCount);
        FUZZ_CHECK(verdict.rule != WriteRule::None);
        return;
    }
    FUZZ_CHECK(verdict.failingChannel == -1 && verdict.rule == WriteRule::None);
    FUZZ_CHECK(verdict.transferBytes == image.Bytes());
    // An image that passed has each channel either empty on both sides or
    // inside the band on both, so the bitmap marks exactly the configured
    // channels.
    const ValidChannelList configured = ConfiguredChannels(image);
    int n = 0;
    for (int c = 0; c < kChannelCount; ++c) {
        if (!BitmapBit(image, c)) continue;
        FUZZ_CHECK(configured[static_cast<std::size_t>(n)] == c);
        ++n;
    }
    FUZZ_CHECK(n == kChannelCount || configured[static_cast<std::size_t>(n)] == kEmptySlot);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto image = ParseImageFile({data, size});
    FUZZ_CHECK(image.has_value() == (size >= kImageFileSize));
    if (!image) return 0;

    const auto saved = SerializeImageFile(*image);
    FUZZ_CHECK(std::memcmp(saved.data(), data, kImageSize) == 0);
    FUZZ_CHECK(saved[kImageSize] == 0);
    FUZZ_CHECK(ParseImageFile(saved) == image);

    RadioDocument document;
    document.OnNewDocument();
    const auto listVersion = document.ValidListVersion();
    document.Edit([](RadioImage& changed) { changed[1087] ^= 0x01; });
    document.LoadImage(*image);
    FUZZ_CHECK(document.Image() == *image);
    FUZZ_CHECK(document.ValidChannels() == ConfiguredChannels(*image));
    FUZZ_CHECK(document.ValidListVersion() != listVersion && document.CurrentChannel() == kNoChannel);
    FUZZ_CHECK(!document.IsModified());
    for (int c = 0; c < kChannelCount; ++c) {
        FUZZ_CHECK(image->IsChannelConfigured(c) == Configured(*image, c));
    }

    CheckValidation(*image, Rk520Rules().validation);
    CheckValidation(*image, Rk7400Rules().validation);
    return 0;
}
