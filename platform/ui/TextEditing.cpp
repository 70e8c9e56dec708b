#include "platform/ui/TextEditing.h"

#include <algorithm>
#include <utility>

#include "platform/foundation/Text.h"

namespace fv::textedit {

namespace {

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}
bool splitsPair(const std::u16string& s, std::size_t offset) {
    return offset > 0 && offset < s.size() && isHighSurrogate(s[offset - 1]) && isLowSurrogate(s[offset]);
}

}  // namespace

std::optional<NSRange> backwardDeletionRange(const std::string& text, NSRange selection) {
    if (selection.length > 0) return selection;
    auto s = text::utf8ToUtf16(text);
    std::size_t caret = selection.location;
    if (caret == 0 || caret > s.size()) return std::nullopt;
    std::size_t length = caret >= 2 && isLowSurrogate(s[caret - 1]) && isHighSurrogate(s[caret - 2]) ? 2 : 1;
    return NSRange{caret - length, length};
}

NSRange clampedSelection(const std::string& text, NSRange range) {
    auto s = text::utf8ToUtf16(text);
    std::size_t start = std::min(range.location, s.size());
    std::size_t end = start + std::min(range.length, s.size() - start);
    if (splitsPair(s, start)) --start;
    if (splitsPair(s, end)) ++end;
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
    for (char16_t c : text::utf8ToUtf16(text))
        if (!isLowSurrogate(c)) out += "\u2022";
    return out;
}

}  // namespace fv::textedit
