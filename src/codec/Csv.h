#pragma once
// Comma-separated values as RFC 4180 has them: a cell in double quotes may
// hold commas, line breaks and quotes (written twice); records end with LF,
// CRLF or a lone CR. Spreadsheets set to a decimal comma separate cells with
// ';' or a tab instead, which Parse takes as well. No Qt.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rk::csv {

struct Record {
    int number = 0;  // 1 for the text's first record; blank records count too
    std::vector<std::string> cells;
};

struct Table {
    std::vector<Record> records;  // blank records left out
    // A quoted cell ran to the end of the text: the record it began in and
    // the cell's index. Everything from that cell on is lost.
    struct Unclosed {
        int record = 0;
        std::size_t cell = 0;
    };
    std::optional<Unclosed> unclosedQuote;
};

// The separator of the text's first line outside quotes: the one of ',',
// ';' and tab it holds most often; ',' when it holds none.
char DetectSeparator(std::string_view text);

// A leading UTF-8 byte order mark is skipped. Characters after a closing
// quote, or a quote inside an unquoted cell, are taken as they stand.
Table Parse(std::string_view text, char separator = ',');

// One record as written, ending with LF. A cell is quoted when it holds the
// separator, a quote, a line break or blanks at either end.
std::string FormatRecord(const std::vector<std::string>& cells, char separator = ',');

}  // namespace rk::csv
