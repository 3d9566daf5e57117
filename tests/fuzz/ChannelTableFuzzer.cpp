// Any text as a CSV channel table laid over an image: nothing crashes, a
// refused table changes nothing, and whatever was accepted exports to a table
// that imports back to the same image and exports the same again.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ChannelTable.h"
#include "FuzzCheck.h"
#include "RadioDocument.h"
#include "Rk520Rules.h"
#include "Rk7400Rules.h"

using namespace rk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte picks the model whose split decides duplex or split.
    const std::int32_t greatestSplit =
        (data[0] & 1) ? Rk7400Rules().validation.greatestSplit : Rk520Rules().validation.greatestSplit;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    RadioDocument document;
    document.OnNewDocument();
    const RadioImage& base = document.Image();
    const ChannelTableImport imported = ImportChannelTable(base, text);
    if (!imported.tableUsable) FUZZ_CHECK(imported.importedRows.empty() && imported.image == base);
    for (const TableProblem& problem : imported.problems) FUZZ_CHECK(problem.row >= 1);
    if (imported.importedRows.empty()) {
        FUZZ_CHECK(imported.image == base);
        return 0;
    }

    const ChannelTableExport exported = ExportChannelTable(imported.image, greatestSplit, ExportRows::All);
    FUZZ_CHECK(exported.unlistedCodes.empty());
    const ChannelTableImport again = ImportChannelTable(imported.image, exported.text);
    FUZZ_CHECK(again.tableUsable && again.problems.empty() && again.importedRows.size() == kChannelCount);
    FUZZ_CHECK(again.image == imported.image);
    FUZZ_CHECK(ExportChannelTable(again.image, greatestSplit, ExportRows::All).text == exported.text);
    return 0;
}
