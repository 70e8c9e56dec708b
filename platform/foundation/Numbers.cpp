#include "platform/foundation/Numbers.h"

#include <locale.h>

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace fv::numbers {

namespace {

bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The C locale, made once; strtod_l reads with it whatever setlocale or uselocale say.
locale_t cLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

// strtod_l over a copy, so that the text needs no terminator; none unless it reads to the end.
std::optional<double> strtodWhole(std::string_view s) {
    const std::string copy(s);
    char* end = nullptr;
    const double value = strtod_l(copy.c_str(), &end, cLocale());
    if (end != copy.c_str() + copy.size()) return std::nullopt;
    return value;
}

// Length of the leading [sign] digits [. digits] [e [sign] digits] of `s`; 0 without a digit.
std::size_t decimalPrefix(std::string_view s) {
    std::size_t i = 0, digits = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    for (; i < s.size() && isAsciiDigit(s[i]); ++i) ++digits;
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && isAsciiDigit(s[i]); ++i) ++digits;
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && isAsciiDigit(s[j])) {
            while (j < s.size() && isAsciiDigit(s[j])) ++j;
            i = j;
        }
    }
    return i;
}

}  // namespace

std::optional<std::int64_t> parseInt64(std::string_view s) {
    // One sign at most, then a digit: from_chars takes "-" but not "+".
    const bool plus = !s.empty() && s.front() == '+';
    if (plus) s.remove_prefix(1);
    const std::size_t firstDigit = !plus && !s.empty() && s.front() == '-' ? 1 : 0;
    if (s.size() <= firstDigit || !isAsciiDigit(s[firstDigit])) return std::nullopt;
    std::int64_t out = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return out;
}

std::optional<double> parseDouble(std::string_view s) {
    if (s.empty()) return std::nullopt;
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80 || c == '\0' || isCSpace(c)) return std::nullopt;
    return strtodWhole(s);
}

double doubleValue(std::string_view s) {
    std::size_t start = 0;
    while (start < s.size() && isCSpace(s[start])) ++start;
    s.remove_prefix(start);
    const std::size_t length = decimalPrefix(s);
    if (length == 0) return 0.0;
    // The prefix names no infinity, so an infinite result is an overflow.
    const double value = strtodWhole(s.substr(0, length)).value_or(0.0);
    return std::isinf(value) ? 0.0 : value;
}

std::string formatFixed(double value, int decimals) {
    if (decimals < 0) decimals = 0;
    if (decimals > 17) decimals = 17;
    // The largest double has 309 integer digits; with sign, point and decimals this always fits.
    char buffer[400];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (ec != std::errc()) return {};
    return std::string(buffer, end);
}

}  // namespace fv::numbers
