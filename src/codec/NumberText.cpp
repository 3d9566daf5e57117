// FormatNumber and ParseNumber of Conversions.h: the text of the form's
// numeric edit fields. Both are independent of the C locale, so a Russian or
// Chinese desktop still shows and reads a decimal point (and a decimal comma
// only where the model's rules ask for it).

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <system_error>

#include "Conversions.h"

namespace rk {

namespace {

constexpr int kSignificantDigits = 15;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipBlanks(std::string_view text, std::size_t i) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    return i;
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i;
}

// End of the number that starts at i, or i itself when there is none.
std::size_t ScanNumber(std::string_view text, std::size_t i, bool acceptsComma) {
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t wholeEnd = SkipDigits(text, i);
    std::size_t end = wholeEnd;
    std::size_t digitCount = wholeEnd - i;
    if (end < text.size() && (text[end] == '.' || (acceptsComma && text[end] == ','))) {
        const std::size_t fractionEnd = SkipDigits(text, end + 1);
        digitCount += fractionEnd - (end + 1);
        end = fractionEnd;
    }
    if (digitCount == 0) return start;
    // An exponent counts only with at least one digit; otherwise the 'e' is
    // left over as text after the number.
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t j = end + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t exponentEnd = SkipDigits(text, j);
        if (exponentEnd > j) end = exponentEnd;
    }
    return end;
}

}  // namespace

std::string FormatNumber(double value) {
    char text[64];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, kSignificantDigits);
    return std::string(text, result.ptr);
}

std::optional<double> ParseNumber(std::string_view text, bool acceptsComma) {
    text = text.substr(0, std::min(text.size(), kNumberTextLimit));
    const std::size_t start = SkipBlanks(text, 0);
    const std::size_t end = ScanNumber(text, start, acceptsComma);
    if (end == start || SkipBlanks(text, end) != text.size()) return std::nullopt;

    // from_chars takes a minus sign but no plus sign, and only a point.
    std::size_t from = start;
    if (text[from] == '+') ++from;
    // The scan let a comma through only where it is the decimal point.
    std::array<char, kNumberTextLimit> number{};
    const char* const numberEnd = std::replace_copy(text.data() + from, text.data() + end, number.data(), ',', '.');
    double value = 0;
    const auto result = std::from_chars(number.data(), numberEnd, value);
    if (result.ec != std::errc{} || result.ptr != numberEnd) return std::nullopt;
    if (value == 0 && text[start] != '0') return std::nullopt;
    return value;
}

}  // namespace rk
