#include "platform/ui/TextEditing.h"

#include <algorithm>
#include <utility>

#include "platform/foundation/ComposedCharacters.h"
#include "platform/foundation/Text.h"

namespace fv::textedit {

std::optional<NSRange> backwardDeletionRange(const std::string& text, NSRange selection) {
    if (selection.length > 0) return selection;
    const std::size_t caret = selection.location;
    if (caret == 0) return std::nullopt;
    for (const NSRange& r : text::composedCharacterRanges(text))
        if (caret <= r.end()) return caret == r.end() ? r : NSRange{r.location, caret - r.location};
    return std::nullopt;
}

NSRange clampedSelection(const std::string& text, NSRange range) {
    const std::vector<NSRange> characters = text::composedCharacterRanges(text);
    const std::size_t length = characters.empty() ? 0 : characters.back().end();
    std::size_t start = std::min(range.location, length);
    std::size_t end = start + std::min(range.length, length - start);
    // Ends inside a sequence move outwards to its edges; a caret moves to the sequence's start.
    for (const NSRange& r : characters) {
        if (start > r.location && start < r.end()) start = r.location;
        if (end > r.location && end < r.end()) end = range.length == 0 ? start : r.end();
    }
    return {start, end - start};
}

std::optional<std::string> applyUserEdit(std::string& text, NSRange& selection, NSRange range,
                                         const std::string& replacement,
                                         const std::function<bool()>& shouldChange) {
    if (!text::substringWithRange(text, range) || !shouldChange()) return std::nullopt;
    auto edited = text::replaceCharactersInRange(text, range, replacement);
    if (!edited) return std::nullopt;
    std::string before = std::exchange(text, std::move(*edited));
    selection = {range.location + text::utf16Length(replacement), 0};
    return before;
}

std::string bullets(const std::string& text) {
    std::string out;
    for (std::size_t n = text::composedCharacterCount(text); n > 0; --n) out += "\u2022";
    return out;
}

}  // namespace fv::textedit
