#include "onboarding/wizard/PhoneNumberText.h"

#include <vector>

#include "platform/foundation/NSCharacterSet.h"
#include "platform/foundation/Text.h"

namespace fv {

namespace {

// The text's characters, each a whole code point in UTF-8.
std::vector<std::string> codePoints(std::string_view text) {
    const std::u16string units = text::utf8ToUtf16(text);
    std::vector<std::string> out;
    for (std::size_t i = 0; i < units.size();) {
        const bool pair = i + 1 < units.size() && units[i] >= 0xD800 && units[i] <= 0xDBFF &&
                          units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF;
        const std::size_t n = pair ? 2 : 1;
        out.push_back(text::utf16ToUtf8(std::u16string_view(units).substr(i, n)));
        i += n;
    }
    return out;
}

char32_t codePointOf(const std::string& character) {
    const std::u16string units = text::utf8ToUtf16(character);
    if (units.size() == 2)
        return 0x10000 + ((static_cast<char32_t>(units[0]) - 0xD800) << 10) + (units[1] - 0xDC00);
    return units.empty() ? 0 : units[0];
}

}  // namespace

std::string decimalDigitsOf(std::string_view text) {
    static const NSCharacterSet digits = NSCharacterSet::decimalDigitCharacterSet();
    std::string out;
    for (const auto& character : codePoints(text))
        if (digits.longCharacterIsMember(codePointOf(character))) out += character;
    return out;
}

std::string maskedPhoneNumber(std::string_view text) {
    const std::vector<std::string> digits = codePoints(decimalDigitsOf(text));
    std::string out;
    std::size_t next = 0;
    for (const char place : kPhoneNumberMask) {
        if (next == digits.size()) break;
        if (place == 'X')
            out += digits[next++];
        else
            out += place;
    }
    return out;
}

}  // namespace fv
