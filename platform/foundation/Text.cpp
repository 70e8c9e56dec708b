#include "platform/foundation/Text.h"

#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf16.h>

#include <climits>

#include "platform/foundation/IcuText.h"

namespace fv::text {

namespace {

using detail::toUnicode;
using detail::toUtf8;

// A boundary inside the text that falls between the two halves of a surrogate pair.
bool splitsPair(const icu::UnicodeString& u, std::size_t index) {
    auto i = static_cast<int32_t>(index);
    return i > 0 && i < u.length() && U16_IS_TRAIL(u.charAt(i)) && U16_IS_LEAD(u.charAt(i - 1));
}

bool validRange(const icu::UnicodeString& u, NSRange range) {
    auto length = static_cast<std::size_t>(u.length());
    if (range.location > length || range.length > length - range.location) return false;
    return !splitsPair(u, range.location) && !splitsPair(u, range.location + range.length);
}

}  // namespace

std::size_t utf16Length(std::string_view s) {
    return static_cast<std::size_t>(toUnicode(s).length());
}

std::u16string utf8ToUtf16(std::string_view s) {
    icu::UnicodeString u = toUnicode(s);
    return std::u16string(u.getBuffer(), u.getBuffer() + u.length());
}

std::string utf16ToUtf8(std::u16string_view s) {
    // Lone surrogates become U+FFFD on the way out.
    icu::UnicodeString u(s.data(), static_cast<int32_t>(std::min<std::size_t>(s.size(), INT32_MAX)));
    return toUtf8(u);
}

std::optional<std::string> substringWithRange(std::string_view s, NSRange range) {
    icu::UnicodeString u = toUnicode(s);
    if (!validRange(u, range)) return std::nullopt;
    return toUtf8(u.tempSubString(static_cast<int32_t>(range.location), static_cast<int32_t>(range.length)));
}

std::optional<std::string> replaceCharactersInRange(std::string_view s, NSRange range,
                                                    std::string_view replacement) {
    icu::UnicodeString u = toUnicode(s);
    if (!validRange(u, range)) return std::nullopt;
    u.replace(static_cast<int32_t>(range.location), static_cast<int32_t>(range.length),
              toUnicode(replacement));
    return toUtf8(u);
}

NSRange rangeOfString(std::string_view s, std::string_view needle) {
    if (needle.empty()) return {NSNotFound, 0};
    icu::UnicodeString u = toUnicode(s);
    icu::UnicodeString n = toUnicode(needle);
    int32_t at = u.indexOf(n);
    if (at < 0) return {NSNotFound, 0};
    return {static_cast<std::size_t>(at), static_cast<std::size_t>(n.length())};
}

std::optional<char16_t> characterAtIndex(std::string_view s, std::size_t index) {
    icu::UnicodeString u = toUnicode(s);
    if (index >= static_cast<std::size_t>(u.length())) return std::nullopt;
    return static_cast<char16_t>(u.charAt(static_cast<int32_t>(index)));
}

std::string uppercase(std::string_view s) {
    return toUtf8(toUnicode(s).toUpper(icu::Locale::getRoot()));
}

std::string lowercase(std::string_view s) {
    return toUtf8(toUnicode(s).toLower(icu::Locale::getRoot()));
}

std::string trim(std::string_view s) {
    icu::UnicodeString u = toUnicode(s);
    int32_t begin = 0, end = u.length();
    while (begin < end && u_isUWhiteSpace(u.char32At(begin))) begin = u.moveIndex32(begin, 1);
    while (end > begin) {
        int32_t prev = u.moveIndex32(end, -1);
        if (!u_isUWhiteSpace(u.char32At(prev))) break;
        end = prev;
    }
    return toUtf8(u.tempSubStringBetween(begin, end));
}

std::vector<std::string> componentsSeparatedByString(std::string_view s, std::string_view separator) {
    // UTF-8 is self-synchronising, so a byte search finds exactly the character matches.
    if (separator.empty()) return {std::string(s)};
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at = s.find(separator); at != std::string_view::npos; at = s.find(separator, start)) {
        parts.emplace_back(s.substr(start, at - start));
        start = at + separator.size();
    }
    parts.emplace_back(s.substr(start));
    return parts;
}

bool isEqualToString(std::string_view a, std::string_view b) {
    if (a == b) return true;
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status) || !nfc) return false;
    const icu::UnicodeString left = nfc->normalize(detail::toUnicode(a), status);
    const icu::UnicodeString right = nfc->normalize(detail::toUnicode(b), status);
    return U_SUCCESS(status) && left == right;
}

}  // namespace fv::text
