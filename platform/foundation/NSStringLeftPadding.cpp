#include "platform/foundation/NSStringLeftPadding.h"

#include "platform/foundation/Text.h"

namespace fv {

std::string stringByPaddingTheLeftToLength(const std::string& text, std::size_t length,
                                           const std::string& pad, std::size_t startIndex) {
    const std::size_t textLength = text::utf16Length(text);
    const std::u16string padUnits = text::utf8ToUtf16(pad);
    if (textLength >= length || startIndex >= padUnits.size()) return text;
    std::u16string out;
    for (std::size_t k = 0, j = startIndex; k < length - textLength; ++k, j = (j + 1) % padUnits.size()) {
        out += padUnits[j];
    }
    return text::utf16ToUtf8(out) + text;
}

}  // namespace fv
