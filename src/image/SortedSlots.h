#pragma once
// Ascending lists of channel indexes with 0xFF in the free slots at the end:
// the configured-channel list and the two scan groups share these steps.

#include <cstdint>
#include <optional>
#include <span>

namespace rk {

// First slot whose byte is at least `channel` (a free slot reads as 255 and
// always qualifies); nothing when every slot holds a lower channel.
std::optional<int> FirstSlotAtLeast(std::span<const std::uint8_t> slots, int channel);

// Puts `channel` at its sorted place: the slots from there move up by one and
// the last byte is dropped. Returns the slot found by FirstSlotAtLeast, or
// nothing when there is none; a slot that already holds the channel is left
// alone.
std::optional<int> InsertSorted(std::span<std::uint8_t> slots, int channel);

// Removes slot `index`: the slots after it move down and the last becomes 0xFF.
// An index outside the list does nothing.
void RemoveSlot(std::span<std::uint8_t> slots, int index);

// Position of `channel` in the list, or nothing.
std::optional<int> FindSlot(std::span<const std::uint8_t> slots, int channel);

}  // namespace rk
