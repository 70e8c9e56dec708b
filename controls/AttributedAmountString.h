#pragma once
// Amounts in large type with a small, raised fraction: "$ 9500.75" shows "$ 9500" at 26 points and
// ".75" at 14 points, 10 points above the baseline.
#include <string>

#include "platform/graphics/AttributedString.h"

namespace fv {

// The face amounts are set in; the system font of the same size stands in when it cannot be made.
inline constexpr const char* kAmountFontName = "SFProDisplay-Light";

// Never fails. A text without "." comes back whole at 26 points. Otherwise the last "." and what
// follows it are small and raised; everything before it stays large. "{" and "}" act as markers of
// a small run (at most ten pairs count) and never appear in the result.
NSMutableAttributedString attributedAmountString(const std::string& amount);

namespace detail {
// The same with another face, so that the fallback can be exercised.
NSMutableAttributedString attributedAmountString(const std::string& amount, const std::string& fontName);
}  // namespace detail

}  // namespace fv
