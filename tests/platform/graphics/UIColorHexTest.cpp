#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/foundation/NSStringLeftPadding.h"
#include "platform/graphics/UIColorHex.h"

namespace fv {
namespace {

// Components as the parser makes them: a byte over 255 in single precision.
double byte(unsigned b) {
    return static_cast<double>(static_cast<float>(b) / 255.0f);
}

struct CssCase {
    const char* css;
    unsigned a, r, g, b;
};

class ColorWithCSS : public ::testing::TestWithParam<CssCase> {};

TEST_P(ColorWithCSS, ReadsEveryLength) {
    const auto& c = GetParam();
    const auto color = colorWithCSS(c.css);
    ASSERT_NE(color, nullptr);
    EXPECT_EQ(color->alpha(), byte(c.a)) << c.css;
    EXPECT_EQ(color->red(), byte(c.r)) << c.css;
    EXPECT_EQ(color->green(), byte(c.g)) << c.css;
    EXPECT_EQ(color->blue(), byte(c.b)) << c.css;
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, ColorWithCSS,
    ::testing::Values(CssCase{"", 0xff, 0, 0, 0}, CssCase{"#", 0xff, 0, 0, 0},  // nothing left: "000"
                      CssCase{"f", 0xff, 0, 0, 0xff}, CssCase{"#7f", 0xff, 0, 0x77, 0xff},
                      CssCase{"4af", 0xff, 0x44, 0xaa, 0xff}, CssCase{"#FFF", 0xff, 0xff, 0xff, 0xff},
                      CssCase{"84af", 0x88, 0x44, 0xaa, 0xff}, CssCase{"12345", 0xff, 0x01, 0x23, 0x45},
                      CssCase{"0e4051", 0xff, 0x0e, 0x40, 0x51}, CssCase{"#42DC6a", 0xff, 0x42, 0xdc, 0x6a},
                      CssCase{"1234567", 0x01, 0x23, 0x45, 0x67}, CssCase{"8000ff00", 0x80, 0, 0xff, 0},
                      CssCase{"#00ff0000", 0, 0xff, 0, 0}, CssCase{"123456789", 0x23, 0x45, 0x67, 0x89},
                      // Only one "#" is removed; the second makes an alpha without digits.
                      CssCase{"##abc", 0, 0xaa, 0xbb, 0xcc},
                      // Non-digits end a channel's scan.
                      CssCase{"zz3g10", 0xff, 0, 0x03, 0x10}, CssCase{"xyz", 0xff, 0, 0, 0},
                      CssCase{"\u00e912345", 0xff, 0, 0x23, 0x45}));

TEST(ColorWithHex, AlphaByteZeroMeansOpaque) {
    const auto opaque = colorWithHex(0x00ff0000);
    EXPECT_EQ(opaque->red(), 1.0);
    EXPECT_EQ(opaque->alpha(), 1.0);
    const auto half = colorWithHex(0x80ff0000);
    EXPECT_EQ(half->alpha(), 128 / 255.0);
    EXPECT_EQ(colorWithHex(0x0000ff)->blue(), 1.0);
}

TEST(HexOutput, PacksAndFormats) {
    EXPECT_EQ(hexString(UIColor(0, 0, 0, 1)), "0xff000000");
    EXPECT_EQ(cssString(UIColor(1, 1, 1, 1)), "#ffffff");
    EXPECT_EQ(cssString(UIColor(1, 1, 1, 0.5)), "#80ffffff");  // 127.5 rounds away from zero
    EXPECT_EQ(cssString(UIColor(0, 0, 0, 0)), "#00000000");
    EXPECT_EQ(hex(*colorWithCSS("8000ff00")), 0x8000ff00u);
}

TEST(HexOutput, ClampsComponentsOutOfRange) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(hex(UIColor(1.5, -0.2, nan, 2.0)), 0xffff0000u);
    EXPECT_EQ(hex(UIColor(0.5, 0.5, 0.5, -1)), 0x00808080u);
    EXPECT_EQ(hex(UIColor(INFINITY, -INFINITY, 0, nan)), 0x00ff0000u);
}

struct PadCase {
    const char* text;
    std::size_t length;
    const char* pad;
    std::size_t start;
    const char* expected;
};

class LeftPadding : public ::testing::TestWithParam<PadCase> {};

TEST_P(LeftPadding, Pads) {
    const auto& c = GetParam();
    EXPECT_EQ(stringByPaddingTheLeftToLength(c.text, c.length, c.pad, c.start), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, LeftPadding,
    ::testing::Values(PadCase{"7", 3, "0", 0, "007"}, PadCase{"1234", 3, "0", 0, "1234"},
                      PadCase{"abc", 3, "0", 0, "abc"}, PadCase{"", 4, "xy", 0, "xyxy"},
                      PadCase{"z", 4, "abc", 1, "bcaz"},  // repeats from the start index, wrapping
                      PadCase{"7", 3, "", 0, "7"},        // nothing to pad with
                      PadCase{"7", 3, "ab", 2, "7"},      // start index past the pad
                      PadCase{"é", 3, "-", 0, "--é"},     // lengths count characters, not bytes
                      PadCase{"7", 3, "é", 0, "éé7"}));

}  // namespace
}  // namespace fv
