#include "platform/foundation/Text.h"

#include <gtest/gtest.h>

namespace fv::text {
namespace {

// "é" precomposed (1 unit), "e"+U+0301 (2 units), "😀" (a surrogate pair: 2 units).
const std::string kMixed = "ab\u00e9e\u0301\U0001F600z";  // a b é e ◌́ 😀 z -> 8 units

TEST(TextTest, LengthsAndIndexingCountUtf16Units) {
    EXPECT_EQ(utf16Length(""), 0u);
    EXPECT_EQ(utf16Length(kMixed), 8u);
    EXPECT_EQ(characterAtIndex(kMixed, 2), u'\u00e9');
    EXPECT_EQ(characterAtIndex(kMixed, 4), u'\u0301');
    EXPECT_EQ(characterAtIndex(kMixed, 5), char16_t{0xD83D});
    EXPECT_EQ(characterAtIndex(kMixed, 7), u'z');
    EXPECT_EQ(characterAtIndex(kMixed, 8), std::nullopt);
    EXPECT_EQ(utf16ToUtf8(utf8ToUtf16(kMixed)), kMixed);
}

TEST(TextTest, InvalidUtf8AndLoneSurrogatesBecomeReplacementCharacters) {
    EXPECT_EQ(utf16Length("a\xff"
                          "b"),
              3u);
    EXPECT_EQ(utf16ToUtf8(std::u16string{u'a', char16_t{0xD800}}), "a\uFFFD");
}

struct RangeCase {
    NSRange range;
    std::optional<std::string> substring;
    std::optional<std::string> replacedWithX;
};

class TextRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(TextRangeTest, SubstringAndReplaceAgreeOnValidity) {
    const RangeCase& c = GetParam();
    EXPECT_EQ(substringWithRange(kMixed, c.range), c.substring);
    EXPECT_EQ(replaceCharactersInRange(kMixed, c.range, "X"), c.replacedWithX);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, TextRangeTest,
    ::testing::Values(
        RangeCase{{0, 0}, "", "X" + kMixed}, RangeCase{{2, 1}, "\u00e9", "abXe\u0301\U0001F600z"},
        RangeCase{{4, 1}, "\u0301", "ab\u00e9eX\U0001F600z"},  // a lone combining mark
        RangeCase{{5, 2}, "\U0001F600", "ab\u00e9e\u0301Xz"}, RangeCase{{8, 0}, "", kMixed + "X"},
        RangeCase{{5, 1}, std::nullopt, std::nullopt},  // first half of the pair
        RangeCase{{6, 1}, std::nullopt, std::nullopt},  // second half
        RangeCase{{6, 0}, std::nullopt, std::nullopt},  // caret inside the pair
        RangeCase{{8, 1}, std::nullopt, std::nullopt}, RangeCase{{9, 0}, std::nullopt, std::nullopt},
        RangeCase{{1, NSNotFound}, std::nullopt, std::nullopt},
        RangeCase{{NSNotFound, 0}, std::nullopt, std::nullopt}));

TEST(TextTest, RangeOfStringIsFirstCaseSensitiveInUtf16) {
    EXPECT_EQ(rangeOfString(kMixed, "z"), NSMakeRange(7, 1));
    EXPECT_EQ(rangeOfString(kMixed, "\U0001F600"), NSMakeRange(5, 2));
    EXPECT_EQ(rangeOfString("abcabc", "bc"), NSMakeRange(1, 2));
    EXPECT_EQ(rangeOfString("abc", "B"), NSMakeRange(NSNotFound, 0));
    EXPECT_EQ(rangeOfString("abc", ""), NSMakeRange(NSNotFound, 0));
}

TEST(TextTest, CaseMappingIsFullAndLocaleIndependent) {
    EXPECT_EQ(uppercase("straße"), "STRASSE");
    EXPECT_EQ(uppercase("istanbul"), "ISTANBUL");  // no Turkish dotted İ
    EXPECT_EQ(lowercase("ÉCOLE I"), "école i");
}

TEST(TextTest, TrimRemovesUnicodeWhiteSpaceAndNewlinesOnly) {
    EXPECT_EQ(trim(" \t\n\u00a0 a b \r\n\u2028"), "a b");
    EXPECT_EQ(trim(" \n "), "");
    EXPECT_EQ(trim("\u200bx"), "\u200bx");  // zero-width space is not white space
}

TEST(TextTest, ComponentsKeepEmptyPieces) {
    using V = std::vector<std::string>;
    EXPECT_EQ(componentsSeparatedByString("a, b,, c", ", "), (V{"a", "b,", "c"}));
    EXPECT_EQ(componentsSeparatedByString(",a,", ","), (V{"", "a", ""}));
    EXPECT_EQ(componentsSeparatedByString("", ","), (V{""}));
    EXPECT_EQ(componentsSeparatedByString("abc", ""), (V{"abc"}));
    EXPECT_EQ(componentsSeparatedByString("1\u00e92\u00e93", "\u00e9"), (V{"1", "2", "3"}));
}

TEST(TextTest, EqualityTakesCanonicalEquivalentsAsEqualButNotCaseOrBlanks) {
    EXPECT_TRUE(isEqualToString("caf\u00e9", "cafe\u0301"));
    EXPECT_TRUE(isEqualToString("", ""));
    EXPECT_FALSE(isEqualToString("Secret", "secret"));
    EXPECT_FALSE(isEqualToString("secret", "secret "));
    EXPECT_FALSE(isEqualToString("\ufb01", "fi")) << "compatibility forms differ";
}

}  // namespace
}  // namespace fv::text
