#include <gtest/gtest.h>

#include <functional>

#include "platform/graphics/TextLayout.h"
#include "platform/graphics/UIFont.h"

namespace fv {
namespace {

TextStyle style(CGFloat size, int lines = 1) {
    TextStyle s;
    s.font = UIFont::systemFontOfSize(size);
    s.numberOfLines = lines;
    s.lineBreakMode = NSLineBreakMode::ByTruncatingTail;
    return s;
}

UIImagePtr drawn(const std::function<void(CGContext&)>& draw) {
    UIGraphicsBeginImageContextWithOptions({200, 40}, false, 2);
    draw(*UIGraphicsGetCurrentContext());
    UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image;
}

TEST(LaidOutText, MeasuresAndDrawsWithOneLayoutUntilSomethingChanges) {
    LaidOutText text;
    const NSAttributedString hello("Hello, transfer");
    const CGRect rect{{0, 0}, {200, 40}};
    EXPECT_EQ(text.size(hello, style(17), 200), TextLayout::sizeOfText(hello, style(17), 200));
    const auto kept = drawn([&](CGContext& c) { text.draw(c, hello, style(17), rect); });
    drawn([&](CGContext& c) { text.draw(c, hello, style(17), rect); });
    EXPECT_EQ(text.layouts(), 1);
    EXPECT_TRUE(
        kept->isEqual(*drawn([&](CGContext& c) { TextLayout::drawText(c, hello, style(17), rect); })));

    text.size(NSAttributedString("Hello, bank"), style(17), 200);
    EXPECT_EQ(text.layouts(), 2);
    text.size(NSAttributedString("Hello, bank"), style(15), 200);
    EXPECT_EQ(text.layouts(), 3);
    text.size(NSAttributedString("Hello, bank"), style(15), 120);
    EXPECT_EQ(text.layouts(), 4);
    text.size(NSAttributedString("Hello, bank"), style(15, 2), 120);
    EXPECT_EQ(text.layouts(), 5);
    text.size(NSAttributedString("Hello, bank"), style(15, 2), 120);
    EXPECT_EQ(text.layouts(), 5);
}

TEST(LaidOutText, TakesTheColourAtEachDraw) {
    LaidOutText text;
    const NSAttributedString word("Amount");
    TextStyle black = style(17), red = style(17);
    red.textColor = UIColor::redColor();
    const CGRect rect{{0, 0}, {200, 40}};
    const auto first = drawn([&](CGContext& c) { text.draw(c, word, black, rect); });
    const auto second = drawn([&](CGContext& c) { text.draw(c, word, red, rect); });
    EXPECT_EQ(text.layouts(), 1);
    EXPECT_FALSE(first->isEqual(*second));
    EXPECT_TRUE(second->isEqual(*drawn([&](CGContext& c) { TextLayout::drawText(c, word, red, rect); })));
}

}  // namespace
}  // namespace fv
