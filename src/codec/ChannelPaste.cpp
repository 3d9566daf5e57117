#include "ChannelPaste.h"

#include <algorithm>

#include "ChannelCells.h"
#include "Csv.h"

namespace rk {

namespace {

char Separator(std::string_view text) {
    const std::string_view firstLine = text.substr(0, text.find_first_of("\r\n"));
    return firstLine.find('\t') != std::string_view::npos ? '\t' : ',';
}

bool HasLocation(const csv::Record& header) {
    return std::any_of(header.cells.begin(), header.cells.end(),
                       [](const std::string& name) { return cells::SameText(cells::Trim(name), "Location"); });
}

}  // namespace

ChannelTableImport PasteChannelTable(const RadioImage& base, std::string_view text, int firstChannel) {
    const char separator = Separator(text);
    const csv::Table table = csv::Parse(text, separator);
    if (table.unclosedQuote) {
        ChannelTableImport refused;
        refused.image = base;
        refused.tableUsable = false;
        refused.problems.push_back({table.unclosedQuote->record, "", TableProblemKind::UnclosedQuote});
        return refused;
    }
    const bool hasLocation = !table.records.empty() && HasLocation(table.records.front());
    if (table.records.empty() || (separator == ',' && hasLocation)) return ImportChannelTable(base, text);

    // The same table as the import reads it: commas, and a Location for each
    // row counted from the first channel.
    std::string rewritten;
    std::vector<int> recordNumbers;  // of the pasted text, by rewritten record
    for (std::size_t i = 0; i < table.records.size(); ++i) {
        std::vector<std::string> cells = table.records[i].cells;
        if (!hasLocation)
            cells.insert(cells.begin(), i == 0 ? std::string("Location") : std::to_string(firstChannel + static_cast<int>(i)));
        rewritten += csv::FormatRecord(cells);
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
