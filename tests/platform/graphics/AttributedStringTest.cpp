#include <gtest/gtest.h>

#include "platform/graphics/AttributedString.h"

namespace fv {
namespace {

const NSAttributes kRed = {{NSForegroundColorAttributeName, UIColor::redColor()}};
const NSAttributes kBlue = {{NSForegroundColorAttributeName, UIColor::blueColor()}};

TEST(NSAttributedString, LengthAndRangesCountUtf16Units) {
    // "é" is one unit, the emoji two.
    NSMutableAttributedString s("é😀x", kRed);
    EXPECT_EQ(s.length(), 4u);
    EXPECT_EQ(s.string(), "é😀x");
    ASSERT_TRUE(s.setAttributes(kBlue, NSMakeRange(1, 2)));
    NSRange effective;
    EXPECT_TRUE(attributesEqual(s.attributesAtIndex(2, &effective), kBlue));
    EXPECT_EQ(effective, NSMakeRange(1, 2));
    EXPECT_TRUE(attributesEqual(s.attributesAtIndex(3, &effective), kRed));
    EXPECT_EQ(effective, NSMakeRange(3, 1));
    EXPECT_EQ(s.attributedSubstringFromRange(NSMakeRange(1, 2)).string(), "😀");
    s.attributesAtIndex(4, &effective);
    EXPECT_EQ(effective.location, NSNotFound);
}

TEST(NSAttributedString, SetAttributesReplacesEverythingWhileAddKeepsTheRest) {
    const NSAttributes both = {{NSForegroundColorAttributeName, UIColor::redColor()},
                               {NSBaselineOffsetAttributeName, 2.0}};
    NSMutableAttributedString s("abcdef", both);
    s.setAttributes(kBlue, NSMakeRange(0, 2));
    EXPECT_FALSE(numberAttribute(s.attributesAtIndex(0), NSBaselineOffsetAttributeName));
    EXPECT_EQ(numberAttribute(s.attributesAtIndex(2), NSBaselineOffsetAttributeName), 2.0);
    s.addAttribute(NSFontAttributeName, UIFont::systemFontOfSize(9), NSMakeRange(1, 3));
    EXPECT_TRUE(colorsEqual(foregroundColorAttribute(s.attributesAtIndex(1)), UIColor::blueColor()));
    EXPECT_TRUE(fontAttribute(s.attributesAtIndex(3)));
    EXPECT_EQ(numberAttribute(s.attributesAtIndex(3), NSBaselineOffsetAttributeName), 2.0);
    EXPECT_EQ(s.attributeRuns().size(), 4u);  // a, b, cd, ef
    NSRange r;
    s.attributeAtIndex(NSBaselineOffsetAttributeName, 4, &r);
    EXPECT_EQ(r, NSMakeRange(2, 4));
}

TEST(NSAttributedString, RangesPastTheEndChangeNothing) {
    NSMutableAttributedString s("abc", kRed);
    const NSMutableAttributedString before = s;
    EXPECT_FALSE(s.setAttributes(kBlue, NSMakeRange(2, 5)));
    EXPECT_FALSE(s.addAttribute(NSLinkAttributeName, std::string("https://x"), NSMakeRange(4, 0)));
    EXPECT_FALSE(s.replaceCharactersInRange(NSMakeRange(1, NSNotFound), "z"));
    EXPECT_EQ(s, before);
}

TEST(NSAttributedString, ReplaceOccurrencesKeepsOtherAttributes) {
    NSMutableAttributedString s("Pay $AMOUNT now, $amount", kRed);
    s.setAttributes(kBlue, NSMakeRange(12, 3));  // "now"
    EXPECT_EQ(s.replaceOccurrencesOfString("$amount", "€12", true), 2u);
    EXPECT_EQ(s.string(), "Pay €12 now, €12");
    NSRange r;
    EXPECT_TRUE(attributesEqual(s.attributesAtIndex(8, &r), kBlue));
    EXPECT_EQ(r, NSMakeRange(8, 3));
    EXPECT_TRUE(attributesEqual(s.attributesAtIndex(4), kRed));
    EXPECT_EQ(s.replaceOccurrencesOfString("NOW", "later", false), 0u);
    EXPECT_EQ(s.replaceOccurrencesOfString("", "x", true), 0u);
}

TEST(NSAttributedString, InsertedTextContinuesThePrecedingAttributes) {
    NSMutableAttributedString s("ab", kRed);
    s.setAttributes(kBlue, NSMakeRange(1, 1));
    s.replaceCharactersInRange(NSMakeRange(1, 0), "X");  // after red "a"
    EXPECT_TRUE(attributesEqual(s.attributesAtIndex(1), kRed));
    s.replaceCharactersInRange(NSMakeRange(0, 0), "Y");  // at the start: like the following
    EXPECT_TRUE(attributesEqual(s.attributesAtIndex(0), kRed));
    s.appendAttributedString(NSAttributedString("!", kBlue));
    EXPECT_EQ(s.string(), "YaXb!");
    NSRange r;
    s.attributesAtIndex(4, &r);
    EXPECT_EQ(r, NSMakeRange(3, 2));
    s.deleteCharactersInRange(NSMakeRange(0, 3));
    EXPECT_EQ(s.attributeRuns().size(), 1u);
}

TEST(NSAttributedString, EqualityComparesTextAndAttributesByContent) {
    NSAttributedString a("x", {{NSFontAttributeName, UIFont::systemFontOfSize(12)},
                               {kCTForegroundColorAttributeName, UIColor::colorWithWhite(0, 1)}});
    NSAttributedString b("x", {{NSFontAttributeName, UIFont::systemFontOfSize(12)},
                               {kCTForegroundColorAttributeName, UIColor::blackColor()}});
    NSAttributedString c("x", {{NSFontAttributeName, UIFont::systemFontOfSize(13)}});
    EXPECT_EQ(a, b);
    EXPECT_FALSE(a == c);
    EXPECT_TRUE(colorsEqual(foregroundColorAttribute(a.attributesAtIndex(0)), UIColor::blackColor()));
    EXPECT_EQ(NSAttributedString(), NSAttributedString("", kRed));
}

}  // namespace
}  // namespace fv
