#include <cairo.h>
#include <gtest/gtest.h>

#include <cstring>

#include "platform/graphics/TextLayout.h"

namespace fv {
namespace {

UIFontPtr inter(CGFloat size = 17) {
    return UIFont::fontWithName("Inter-Regular", size);
}

TEST(TextLayout, WidthGrowsWithTextAndFontSize) {
    CGFloat previous = 0;
    for (const char* text : {"W", "Wi", "Wid", "Wide", "Wider text", "Wider text still"}) {
        const CGFloat w = TextLayout::widthOfText(text, inter());
        EXPECT_GT(w, previous) << text;
        previous = w;
    }
    EXPECT_GT(TextLayout::widthOfText("Wide", inter(34)), 1.9 * TextLayout::widthOfText("Wide", inter(17)));
    EXPECT_EQ(TextLayout::sizeOfText("", inter()), CGSizeZero);
}

TEST(TextLayout, WrappingHonoursWidthAndLineLimit) {
    const std::string text = "one two three four five six seven eight nine ten";
    const CGSize single = TextLayout::sizeOfText(text, inter());
    const CGSize wrapped = TextLayout::sizeOfText(text, inter(), 80);
    EXPECT_LE(wrapped.width, 80);
    EXPECT_GT(wrapped.height, 3 * single.height);
    const CGSize two = TextLayout::sizeOfText(text, inter(), 80, 2);
    EXPECT_NEAR(two.height, 2 * single.height, 1);
    NSAttributedString attributed(text);
    TextStyle style;
    style.font = inter();
    style.numberOfLines = 2;
    style.lineBreakMode = NSLineBreakMode::ByTruncatingTail;
    EXPECT_NEAR(TextLayout::sizeOfText(attributed, style, 80).height, two.height, 1);
}

TEST(TextLayout, AttributedFontsChangeTheMeasure) {
    NSMutableAttributedString s("Amount 100");
    TextStyle style;
    style.font = inter(12);
    const CGFloat plain = TextLayout::sizeOfText(s, style).width;
    s.addAttribute(NSFontAttributeName, inter(24), NSMakeRange(7, 3));
    EXPECT_GT(TextLayout::sizeOfText(s, style).width, plain);
}

TEST(TextLayout, CharacterIndexAtPointCountsUtf16) {
    // "é😀 " precede the link; the emoji takes two UTF-16 units.
    NSMutableAttributedString s("é😀 terms");
    TextStyle style;
    style.font = inter();
    const CGFloat prefix = TextLayout::widthOfText("é😀 ", inter());
    const CGFloat half = TextLayout::sizeOfText("é", inter()).height / 2;
    auto at = [&](CGFloat x, CGFloat y) { return TextLayout::characterIndexAtPoint(s, style, 300, {x, y}); };
    EXPECT_EQ(at(1, half), std::optional<std::size_t>(0));
    EXPECT_EQ(at(prefix + 1, half), std::optional<std::size_t>(4));
    EXPECT_EQ(at(prefix - 0.5, half), std::optional<std::size_t>(3));
    EXPECT_FALSE(at(280, half));     // right of the text
    EXPECT_FALSE(at(1, 10 * half));  // below it
    EXPECT_FALSE(TextLayout::characterIndexAtPoint(NSAttributedString(), style, 300, {0, 0}));
}

TEST(TextLayout, DrawsInTheColourAndAlignsWithinTheRect) {
    auto inkColumns = [](NSTextAlignment alignment) {
        UIGraphicsBeginImageContextWithOptions({200, 30}, false, 1);
        TextStyle style;
        style.font = inter();
        style.textColor = UIColor::redColor();
        style.alignment = alignment;
        TextLayout::drawText(*UIGraphicsGetCurrentContext(), "Hi", style, {{0, 0}, {200, 30}});
        UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
        UIGraphicsEndImageContext();
        cairo_surface_t* surface = image->cairoSurface();
        cairo_surface_flush(surface);
        const unsigned char* data = cairo_image_surface_get_data(surface);
        const int stride = cairo_image_surface_get_stride(surface);
        int first = -1, last = -1;
        bool onlyRed = true;
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 200; ++x) {
                std::uint32_t p;
                std::memcpy(&p, data + y * stride + 4 * x, 4);
                if ((p >> 24) == 0) continue;
                if ((p & 0xffff) != 0) onlyRed = false;
                if (first < 0 || x < first) first = x;
                last = std::max(last, x);
            }
        }
        EXPECT_TRUE(onlyRed);
        return std::pair{first, last};
    };
    const auto left = inkColumns(NSTextAlignment::Left);
    const auto center = inkColumns(NSTextAlignment::Center);
    const auto right = inkColumns(NSTextAlignment::Right);
    ASSERT_GE(left.first, 0);
    EXPECT_LT(left.first, 5);
    EXPECT_NEAR((center.first + center.second) / 2.0, 100, 3);
    EXPECT_GT(right.second, 194);
}

}  // namespace
}  // namespace fv
