#include "transfers/AmountEditRule.h"

#include <algorithm>

#include "platform/foundation/Text.h"

namespace fv {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Advances `i` over digits and answers how many there were.
std::size_t skipDigits(const std::string& s, std::size_t& i) {
    const std::size_t start = i;
    while (i < s.size() && isDigit(s[i])) ++i;
    return i - start;
}

}  // namespace

bool parsesAsDecimalNumber(const std::string& text) {
    // The decimal form strtod reads in the C locale, written out so that its other forms (infinity,
    // NaN, hexadecimal) and its tolerance of leading white space never let a non-amount through.
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t mantissaDigits = skipDigits(text, i);
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissaDigits += skipDigits(text, i);
    }
    if (mantissaDigits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (skipDigits(text, i) == 0) return false;
    }
    return i == text.size();
}

bool amountEditAllowed(const std::optional<std::string>& text, NSRange range,
                       const std::string& replacement) {
    if (!text) return true;
    const std::optional<std::string> proposed = text::replaceCharactersInRange(*text, range, replacement);
    if (!proposed) return false;
    if (proposed->empty()) return true;
    if (!parsesAsDecimalNumber(*proposed)) return false;
    if (std::count(proposed->begin(), proposed->end(), '.') > 1) return false;
    const std::size_t point = proposed->find('.');
    return point == std::string::npos || proposed->size() - point - 1 <= 2;
}

}  // namespace fv
