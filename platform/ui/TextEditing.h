#pragma once
// Range arithmetic shared by the text inputs, in UTF-16 offsets over UTF-8 text. The caret and the
// backspace key move by composed character (an accented letter, an emoji with its modifiers, a Hangul
// syllable), never into the middle of one.
#include <functional>
#include <optional>
#include <string>

#include "platform/foundation/Range.h"

namespace fv::textedit {

// The range the backspace key removes: the selection, else the composed character before the caret;
// none at the start of the text or with the caret past its end.
std::optional<NSRange> backwardDeletionRange(const std::string& text, NSRange selection);
// The range clamped to the text, widened so that neither end falls inside a composed character;
// a caret inside one moves to its start.
NSRange clampedSelection(const std::string& text, NSRange range);
// Applies one user edit of `range` in `text` (the input's own text). A range beyond the text or
// splitting a surrogate pair is never offered to `shouldChange` (the delegate's question), and the
// range is checked again after it, as the delegate may have changed the text meanwhile. Applied, the
// caret goes after the inserted text and the text as it was before is returned; none otherwise.
std::optional<std::string> applyUserEdit(std::string& text, NSRange& selection, NSRange range,
                                         const std::string& replacement,
                                         const std::function<bool()>& shouldChange);
// The text drawn for secure entry: one bullet per composed character.
std::string bullets(const std::string& text);

}  // namespace fv::textedit
