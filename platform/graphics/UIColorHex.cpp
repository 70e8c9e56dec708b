#include "platform/graphics/UIColorHex.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/foundation/NSStringLeftPadding.h"
#include "platform/foundation/Text.h"

namespace fv {

namespace {

// One character per UTF-16 code unit: ASCII as itself, anything else as a non-digit placeholder, so
// that lengths and positions count as the platform's strings do.
std::string asUnits(const std::string& s) {
    std::string out;
    for (char16_t u : text::utf8ToUtf16(s)) out += u < 0x80 ? static_cast<char>(u) : '\x01';
    return out;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A "%x" scan: the leading hex digits, 0 when there are none.
CGFloat channel(const std::string& digits) {
    unsigned value = 0;
    for (char c : digits) {
        const int d = hexDigit(c);
        if (d < 0) break;
        value = value * 16 + static_cast<unsigned>(d);
    }
    return static_cast<CGFloat>(static_cast<float>(value) / 255.0f);
}

std::uint32_t component255(CGFloat c) {
    const CGFloat clamped = std::isnan(c) ? 0.0 : std::clamp(c, 0.0, 1.0);
    return static_cast<std::uint32_t>(std::lround(static_cast<float>(clamped * 255.0)));
}

std::string twice(char c) {
    return std::string(2, c);
}

}  // namespace

UIColorPtr colorWithCSS(const std::string& css) {
    std::string s = asUnits(css);
    if (s.empty()) return std::make_shared<UIColor>(0, 0, 0, 1);
    if (s[0] == '#') s.erase(0, 1);
    if (s.size() < 3) s = stringByPaddingTheLeftToLength(s, 3, "0", 0);
    if (s.size() == 5 || s.size() == 7) s.insert(0, "0");
    if (s.size() > 8) s = s.substr(s.size() - 8);

    std::string a = "FF", r, g, b;
    switch (s.size()) {
        case 3:
            r = twice(s[0]), g = twice(s[1]), b = twice(s[2]);
            break;
        case 4:
            a = twice(s[0]), r = twice(s[1]), g = twice(s[2]), b = twice(s[3]);
            break;
        case 6:
            r = s.substr(0, 2), g = s.substr(2, 2), b = s.substr(4, 2);
            break;
        default:
            a = s.substr(0, 2), r = s.substr(2, 2), g = s.substr(4, 2), b = s.substr(6, 2);
            break;
    }
    return std::make_shared<UIColor>(channel(r), channel(g), channel(b), channel(a));
}

UIColorPtr colorWithHex(std::uint32_t hex) {
    const CGFloat r = ((hex >> 16) & 0xFF) / 255.0;
    const CGFloat g = ((hex >> 8) & 0xFF) / 255.0;
    const CGFloat b = (hex & 0xFF) / 255.0;
    const CGFloat a = hex <= 0xFFFFFF ? 1.0 : ((hex >> 24) & 0xFF) / 255.0;
    return std::make_shared<UIColor>(r, g, b, a);
}

std::uint32_t hex(const UIColor& color) {
    return component255(color.alpha()) << 24 | component255(color.red()) << 16 |
           component255(color.green()) << 8 | component255(color.blue());
}

std::string hexString(const UIColor& color) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08x", static_cast<unsigned>(hex(color)));
    return buf;
}

std::string cssString(const UIColor& color) {
    const std::uint32_t packed = hex(color);
    char buf[16];
    if ((packed >> 24) == 0xFF) {
        std::snprintf(buf, sizeof buf, "#%06x", static_cast<unsigned>(packed & 0xFFFFFF));
    } else {
        std::snprintf(buf, sizeof buf, "#%08x", static_cast<unsigned>(packed));
    }
    return buf;
}

}  // namespace fv
