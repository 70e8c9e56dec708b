#pragma once
// Text as the platform's strings see it: stored as UTF-8, indexed and measured in UTF-16 code units.
// Invalid UTF-8 reads as U+FFFD wherever text is measured or converted. Case mapping uses the ICU root
// locale, independent of the process.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/Range.h"

namespace fv::text {

std::size_t utf16Length(std::string_view s);
std::u16string utf8ToUtf16(std::string_view s);
std::string utf16ToUtf8(std::u16string_view s);

// None when the range reaches beyond the text or cuts a surrogate pair in two.
std::optional<std::string> substringWithRange(std::string_view s, NSRange range);
std::optional<std::string> replaceCharactersInRange(std::string_view s, NSRange range,
                                                    std::string_view replacement);

// First case-sensitive occurrence, as a UTF-16 range; {NSNotFound, 0} when absent or `needle` empty.
NSRange rangeOfString(std::string_view s, std::string_view needle);

// The UTF-16 code unit at `index` (half of a pair for characters outside the BMP); none past the end.
std::optional<char16_t> characterAtIndex(std::string_view s, std::size_t index);

std::string uppercase(std::string_view s);  // "ß" -> "SS"
std::string lowercase(std::string_view s);

// Without leading and trailing white space and newlines (Unicode White_Space).
std::string trim(std::string_view s);

// Pieces between occurrences of `separator`, empty pieces kept; the whole text when it is empty.
std::vector<std::string> componentsSeparatedByString(std::string_view s, std::string_view separator);

// Equal as Unicode texts: canonically equivalent sequences ("é" composed or as "e" and its accent)
// count as equal; case and blanks count.
bool isEqualToString(std::string_view a, std::string_view b);

}  // namespace fv::text
