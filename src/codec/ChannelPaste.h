#pragma once
// Channel table rows pasted from the clipboard: the layout of the table
// export, from either program, a spreadsheet (tab-separated) or a CSV text,
// read with the table import's rules. No Qt.

#include <optional>
#include <string_view>

#include "ChannelTable.h"

namespace rk {

// As in a spreadsheet: with a `target` channel (the top of the selection,
// 0..63) the first pasted row goes there and the others follow in the
// text's order, keeping the gaps that their Locations have between them (one
// channel each without a Location column); rows that would land outside the
// radio are refused and listed. Without a target, a Location column places
// each row on the channel it names, and rows without one go to channel 01
// and down. Row numbers in the problems count the pasted text's records,
// the header being 1.
ChannelTableImport PasteChannelTable(const RadioImage& base, std::string_view text, std::optional<int> target);

}  // namespace rk
