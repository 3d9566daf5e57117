#include "Csv.h"

namespace rk::csv {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

// Steps over one line end at i: LF, CR or CRLF.
std::size_t SkipLineEnd(std::string_view text, std::size_t i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') return i + 2;
    return i + 1;
}

bool IsBlank(const Record& record) { return record.cells.size() == 1 && record.cells.front().empty(); }

}  // namespace

char DetectSeparator(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    std::size_t commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (IsLineEnd(c)) break;
        commas += c == ',';
        semicolons += c == ';';
        tabs += c == '\t';
    }
    if (semicolons > commas && semicolons >= tabs) return ';';
    if (tabs > commas && tabs > semicolons) return '\t';
    return ',';
}

Table Parse(std::string_view text, char separator) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    Table table;
    Record record{1, {}};
    std::string cell;
    std::size_t i = 0;
    const auto endRecord = [&] {
        record.cells.push_back(std::move(cell));
        cell.clear();
        const int next = record.number + 1;
        if (!IsBlank(record)) table.records.push_back(std::move(record));
        record = Record{next, {}};
    };

    while (i < text.size()) {
        if (text[i] == '"') {
            // A quoted cell: up to the quote that is not doubled.
            std::size_t j = i + 1;
            bool closed = false;
            while (j < text.size()) {
                if (text[j] != '"') {
                    cell += text[j++];
                } else if (j + 1 < text.size() && text[j + 1] == '"') {
                    cell += '"';
                    j += 2;
                } else {
                    closed = true;
                    ++j;
                    break;
                }
            }
            if (!closed) {
                table.unclosedQuote = Table::Unclosed{record.number, record.cells.size()};
                return table;
            }
            i = j;
        }
        // The unquoted part, up to the cell's end.
        while (i < text.size() && text[i] != separator && !IsLineEnd(text[i])) cell += text[i++];
        if (i == text.size()) break;
        if (text[i] == separator) {
            record.cells.push_back(std::move(cell));
            cell.clear();
            ++i;
            continue;
        }
        endRecord();
        i = SkipLineEnd(text, i);
    }
    // A last record without a line end.
    if (!record.cells.empty() || !cell.empty()) endRecord();
    return table;
}

std::string FormatRecord(const std::vector<std::string>& cells, char separator) {
    std::string line;
    for (std::size_t n = 0; n < cells.size(); ++n) {
        const std::string& cell = cells[n];
        if (n > 0) line += separator;
        const bool quoted = cell.find_first_of(std::string{separator, '"', '\r', '\n'}) != std::string::npos ||
                            (!cell.empty() && (cell.front() == ' ' || cell.back() == ' '));
        if (!quoted) {
            line += cell;
            continue;
        }
        line += '"';
        for (const char c : cell) {
            if (c == '"') line += '"';
            line += c;
        }
        line += '"';
    }
    line += '\n';
    return line;
}

}  // namespace rk::csv
