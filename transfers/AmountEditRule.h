#pragma once
// The amount rule of the transfer screens: the amount field only ever holds a plain decimal number
// with at most two places after its point (or nothing).
#include <optional>
#include <string>

#include "platform/foundation/Range.h"

namespace fv {

// Whether the edit replacing `range` (UTF-16 units) of `text` by `replacement` may be applied. No
// text object at all accepts anything. An edit reaching outside the text or cutting a character in
// two is refused. The proposed text is accepted when it is empty, or when it is one number as the C
// locale writes decimals (optional sign, digits with at most one point, optional exponent), nothing
// around it, and at most two characters follow its point.
bool amountEditAllowed(const std::optional<std::string>& text, NSRange range, const std::string& replacement);

// The number test alone: a whole decimal number in the C locale's form. Infinities, NaNs,
// hexadecimal forms, white space and anything outside ASCII fail; so does the empty text.
bool parsesAsDecimalNumber(const std::string& text);

}  // namespace fv
