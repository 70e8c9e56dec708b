#pragma once
// ICU regular expressions over UTF-8 text. An invalid pattern never matches and logs one line.
#include <cstddef>
#include <optional>
#include <string_view>

#include "platform/foundation/Range.h"

namespace fv::regex {

// The whole text matches the pattern (what "SELF MATCHES %@" asks).
bool matchesWhole(std::string_view pattern, std::string_view text, bool caseInsensitive = false);

// The first match anywhere in the text, as a UTF-16 range.
std::optional<NSRange> firstMatch(std::string_view pattern, std::string_view text,
                                  bool caseInsensitive = false);

// Non-overlapping matches anywhere in the text.
std::size_t countMatches(std::string_view pattern, std::string_view text, bool caseInsensitive = false);

}  // namespace fv::regex
