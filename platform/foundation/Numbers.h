#pragma once
// Numbers read from and written to text by fixed C rules, whatever the process locale is: a decimal
// comma in the locale never changes what these accept or produce.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fv::numbers {

// A signed base-10 64-bit integer: an optional "+" or "-", one or more ASCII digits, nothing else.
// None for anything else, an empty text or a value beyond the 64-bit range.
std::optional<std::int64_t> parseInt64(std::string_view s);

// A double read by the C locale's strtod rules that must consume the whole text. Any white space
// or character outside ASCII makes it fail, as does an empty text. As with strtod, "inf", "nan" and
// hexadecimal forms are numbers, and a value beyond the double range reads as an infinity.
std::optional<double> parseDouble(std::string_view s);

// The leading decimal number of `s` after any leading white space ("40.7128abc" -> 40.7128):
// sign, digits, an optional fraction and exponent. 0.0 when the text starts with no number or its
// number lies beyond the double range.
double doubleValue(std::string_view s);

// "%f": fixed notation with `decimals` digits after a "." (six by default).
std::string formatFixed(double value, int decimals = 6);

}  // namespace fv::numbers
