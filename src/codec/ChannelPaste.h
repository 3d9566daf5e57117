#pragma once
// Channel table rows pasted from the clipboard: the layout of the table
// export, from either program, a spreadsheet (tab-separated) or a CSV text,
// read with the table import's rules. No Qt.

#include <string_view>

#include "ChannelTable.h"

namespace rk {

// Tab-separated when the first line holds a tab, comma-separated otherwise.
// A table with a Location column puts each row on the channel it names;
// without one the rows go to `firstChannel` (0..63) and down. Row numbers in
// the problems count the pasted text's records, the header being 1.
ChannelTableImport PasteChannelTable(const RadioImage& base, std::string_view text, int firstChannel);

}  // namespace rk
