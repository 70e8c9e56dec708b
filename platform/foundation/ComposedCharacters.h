#pragma once
// Composed character sequences: what a reader sees as one character (a letter with its accents, an
// emoji with its modifiers and joiners, a Hangul syllable from its jamo), found by ICU's extended
// grapheme cluster rules. Ranges are in UTF-16 units, like every other text range.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/Range.h"

namespace fv::text {

// The sequences of `s` in order; they cover the whole text without gaps.
std::vector<NSRange> composedCharacterRanges(std::string_view s);
std::vector<std::string> composedCharacters(std::string_view s);
std::size_t composedCharacterCount(std::string_view s);

// The sequence holding the unit at `index`; {NSNotFound, 0} at or past the end.
NSRange rangeOfComposedCharacterSequenceAtIndex(std::string_view s, std::size_t index);

// Whether two texts are the same text once normalised (NFD): "é" equals "e" + U+0301. Case, spaces
// and compatibility forms ("ﬁ" against "fi") still count.
bool isCanonicallyEquivalent(std::string_view a, std::string_view b);

}  // namespace fv::text
