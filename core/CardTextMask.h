#pragma once
// Card number, CVV and expiry as shown on a card face, in full or masked with "✱".
#include <string>

namespace fv {

// Blanks and "-" are removed from `number` first. The result stops where the number runs out (no
// trailing separator); characters beyond the mask's places are dropped.
// Shown: "1234   5678   9012   3456"; hidden: "✱✱✱✱ ✱✱✱✱ ✱✱✱✱ 3456".
std::string formattedCardNumber(const std::string& number, bool shouldHide);
// Shown: the three characters; hidden: "✱✱✱".
std::string formattedCVV(const std::string& number, bool shouldHide);
// Takes four characters, month then year. Shown: "MM/YY"; hidden: "✱✱/✱✱".
std::string formattedEXP(const std::string& number, bool shouldHide);

// The walk behind the three above, for any mask: blanks and "-" are removed from `text`, then "X"
// places its next character, "Y" shows "✱" in its place and any other mask character stands as it
// is; the walk stops where the text runs out.
std::string applyTextMask(const std::string& text, const std::string& mask);

}  // namespace fv
