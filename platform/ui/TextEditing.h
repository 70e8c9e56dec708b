#pragma once
// Range arithmetic shared by the text inputs, in UTF-16 offsets over UTF-8 text.
#include <optional>
#include <string>

#include "platform/foundation/Range.h"

namespace fv::textedit {

// The range the backspace key removes: the selection, else the character (both halves of a pair)
// before the caret; none at the start of the text.
std::optional<NSRange> backwardDeletionRange(const std::string& text, NSRange selection);
// The range clamped to the text, widened so that neither end splits a surrogate pair.
NSRange clampedSelection(const std::string& text, NSRange range);
// The text drawn for secure entry: one bullet per character.
std::string bullets(const std::string& text);

}  // namespace fv::textedit
