#include "SortedSlots.h"

#include <algorithm>

namespace rk {

std::optional<int> FirstSlotAtLeast(std::span<const std::uint8_t> slots, int channel) {
    for (std::size_t i = 0; i < slots.size(); ++i)
        if (slots[i] >= channel) return static_cast<int>(i);
    return std::nullopt;
}

std::optional<int> InsertSorted(std::span<std::uint8_t> slots, int channel) {
    const auto found = FirstSlotAtLeast(slots, channel);
    if (!found) return std::nullopt;
    const auto at = static_cast<std::size_t>(*found);
    if (slots[at] == channel) return found;
    std::copy_backward(slots.begin() + static_cast<std::ptrdiff_t>(at), slots.end() - 1, slots.end());
    slots[at] = static_cast<std::uint8_t>(channel);
    return found;
}

void RemoveSlot(std::span<std::uint8_t> slots, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= slots.size()) return;
    std::copy(slots.begin() + index + 1, slots.end(), slots.begin() + index);
    slots.back() = 0xFF;
}

std::optional<int> FindSlot(std::span<const std::uint8_t> slots, int channel) {
    for (std::size_t i = 0; i < slots.size(); ++i)
        if (slots[i] == channel) return static_cast<int>(i);
    return std::nullopt;
}

}  // namespace rk
