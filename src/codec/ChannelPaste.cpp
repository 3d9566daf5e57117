#include "ChannelPaste.h"

#include <algorithm>

#include "ChannelCells.h"
#include "Csv.h"

namespace rk {

namespace {

bool HasLocation(const csv::Record& header) {
    return std::any_of(header.cells.begin(), header.cells.end(),
                       [](const std::string& name) { return cells::SameText(cells::Trim(name), "Location"); });
}

}  // namespace

ChannelTableImport PasteChannelTable(const RadioImage& base, std::string_view text, int firstChannel) {
    const char separator = csv::DetectSeparator(text);
    const csv::Table table = csv::Parse(text, separator);
    if (table.unclosedQuote) {
        ChannelTableImport refused;
        refused.image = base;
        refused.tableUsable = false;
        refused.problems.push_back({table.unclosedQuote->record, "", TableProblemKind::UnclosedQuote, ""});
        return refused;
    }
    const bool hasLocation = !table.records.empty() && HasLocation(table.records.front());
    if (table.records.empty() || hasLocation) return ImportChannelTable(base, text);

    // The same table with a Location for each row, counted from the first
    // channel; the separator stays, and with it the decimal comma it allows.
    std::string rewritten;
    std::vector<int> recordNumbers;  // of the pasted text, by rewritten record
    for (std::size_t i = 0; i < table.records.size(); ++i) {
        std::vector<std::string> cells = table.records[i].cells;
        if (!hasLocation)
            cells.insert(cells.begin(), i == 0 ? std::string("Location") : std::to_string(firstChannel + static_cast<int>(i)));
        rewritten += csv::FormatRecord(cells, separator);
        recordNumbers.push_back(table.records[i].number);
    }
    ChannelTableImport result = ImportChannelTable(base, rewritten);
    const auto original = [&](int row) {
        return row >= 1 && static_cast<std::size_t>(row) <= recordNumbers.size() ? recordNumbers[static_cast<std::size_t>(row - 1)] : row;
    };
    for (TableProblem& problem : result.problems) problem.row = original(problem.row);
    for (int& row : result.importedRows) row = original(row);
    return result;
}

}  // namespace rk
