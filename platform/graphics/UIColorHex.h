#pragma once
// Colours from and to hexadecimal text ("#4af", "84af", "0e4051", "80ff0000") and packed AARRGGBB numbers.
#include <cstdint>
#include <string>

#include "platform/graphics/UIColor.h"

namespace fv {

// Never none. An optional "#", then RGB, ARGB, RRGGBB or AARRGGBB; shorter inputs are padded with "0" on
// the left, longer ones keep their last eight characters. A channel reads its leading hex digits (0 when
// none), so malformed text still gives a colour. An empty text gives opaque black.
UIColorPtr colorWithCSS(const std::string& css);

// Packed AARRGGBB; a value without any bit above bit 23 is opaque.
UIColorPtr colorWithHex(std::uint32_t hex);

// Packed AARRGGBB of the colour; each component is clamped to 0..1 (NaN as 0) first.
std::uint32_t hex(const UIColor& color);
// "0x" and eight lowercase hex digits.
std::string hexString(const UIColor& color);
// "#rrggbb" when opaque, otherwise "#aarrggbb".
std::string cssString(const UIColor& color);

}  // namespace fv
