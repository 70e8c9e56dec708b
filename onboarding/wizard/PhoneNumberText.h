#pragma once
// The phone number as the first wizard screen shows and stores it: typed text reduced to its decimal
// digits, and those digits laid into the mask "(XXX) XXX-XXXX".
#include <string>
#include <string_view>

namespace fv {

inline constexpr std::string_view kPhoneNumberMask = "(XXX) XXX-XXXX";

// Every decimal digit of `text` (any script's), in order, nothing else.
std::string decimalDigitsOf(std::string_view text);

// The digits of `text` laid into the mask from its start: each "X" takes the next digit, any other
// mask character is copied, and the walk stops before a mask character when no digit is left. Digits
// beyond the tenth are dropped; no digits give the empty text.
std::string maskedPhoneNumber(std::string_view text);

}  // namespace fv
