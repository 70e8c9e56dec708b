#pragma once
// Internal to platform/foundation: UTF-8 to and from ICU strings. Invalid UTF-8 reads as U+FFFD; text
// beyond ICU's 32-bit lengths is cut there rather than overflowing.
#include <unicode/unistr.h>

#include <climits>
#include <string>
#include <string_view>

namespace fv::detail {

inline icu::UnicodeString toUnicode(std::string_view s) {
    if (s.size() > static_cast<std::size_t>(INT32_MAX)) s = s.substr(0, INT32_MAX);
    return icu::UnicodeString::fromUTF8(icu::StringPiece(s.data(), static_cast<int32_t>(s.size())));
}

inline std::string toUtf8(const icu::UnicodeString& u) {
    std::string out;
    u.toUTF8String(out);
    return out;
}

}  // namespace fv::detail
