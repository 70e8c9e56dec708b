#include "platform/foundation/NSCharacterSet.h"

#include <gtest/gtest.h>

#include <functional>

namespace fv {
namespace {

struct ClassCase {
    const char* name;
    std::function<NSCharacterSet()> make;
    std::u32string members;
    std::u32string nonMembers;
};

class CharacterClassTest : public ::testing::TestWithParam<ClassCase> {};

TEST_P(CharacterClassTest, HoldsItsCategoryAndNothingElse) {
    const ClassCase& c = GetParam();
    const NSCharacterSet set = c.make();
    const NSCharacterSet inverted = set.invertedSet();
    for (char32_t m : c.members) {
        EXPECT_TRUE(set.longCharacterIsMember(m)) << c.name << " U+" << std::hex << +m;
        EXPECT_FALSE(inverted.longCharacterIsMember(m)) << c.name << " U+" << std::hex << +m;
    }
    for (char32_t n : c.nonMembers) {
        EXPECT_FALSE(set.longCharacterIsMember(n)) << c.name << " U+" << std::hex << +n;
        EXPECT_TRUE(inverted.longCharacterIsMember(n)) << c.name << " U+" << std::hex << +n;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Classes, CharacterClassTest,
    ::testing::Values(
        // ß and ǆ are lower case; the title-case ǅ is not.
        ClassCase{"lower", &NSCharacterSet::lowercaseLetterCharacterSet, U"azßéöяω\u01C6",
                  U"AZÉ\u01C50 _!\u3131\U0001F600"},
        // Title case (ǅ) counts as upper case.
        ClassCase{"upper", &NSCharacterSet::uppercaseLetterCharacterSet, U"AZÉЯΩ\u01C5",
                  U"aé1\u01C6 -\uAC00"},
        // Arabic-Indic and full-width digits are decimal digits; Roman numerals and ² are not.
        ClassCase{"digits", &NSCharacterSet::decimalDigitCharacterSet, U"09\u0660\u0669\uFF15",
                  U"a\u2167\u00B2\u00BD."},
        // Maths, currency, modifier and other symbols, emoji included.
        ClassCase{"symbols", &NSCharacterSet::symbolCharacterSet, U"+<=>|~$€£^`©°\U0001F600\U0001F44D",
                  U"a1!.,-_ \u0301"},
        ClassCase{"punctuation", &NSCharacterSet::punctuationCharacterSet,
                  U"!\"#%&'()*,-./:;?@[]_{}¡¿«»\u2014\u3002", U"$+<=>^`|~a1 "},
        // Space separators and the tab; line breaks are not white space here.
        ClassCase{"white space", &NSCharacterSet::whitespaceCharacterSet, U" \t\u00A0\u2003\u3000",
                  U"\n\r\u2028a_"},
        ClassCase{"non-base", &NSCharacterSet::nonBaseCharacterSet, U"\u0301\u0308\u20DD\u0903\uFE0F",
                  U"ae\u00E9 \U0001F3FB"}),
    [](const ::testing::TestParamInfo<ClassCase>& info) {
        std::string n = info.param.name;
        for (char& ch : n)
            if (ch == ' ' || ch == '-') ch = '_';
        return n;
    });

TEST(NSCharacterSetTest, UnitsOfASurrogatePairBelongToNoClass) {
    // The thumbs-up emoji is a symbol as a code point, but neither of its halves is.
    EXPECT_FALSE(NSCharacterSet::symbolCharacterSet().characterIsMember(char16_t{0xD83D}));
    EXPECT_FALSE(NSCharacterSet::symbolCharacterSet().characterIsMember(char16_t{0xDC4D}));
    EXPECT_TRUE(NSCharacterSet::symbolCharacterSet().characterIsMember(u'€'));
    EXPECT_FALSE(NSCharacterSet::lowercaseLetterCharacterSet().longCharacterIsMember(0x110000));
}

TEST(NSCharacterSetTest, UnionAndCustomSets) {
    const NSCharacterSet letters = NSCharacterSet::lowercaseLetterCharacterSet().unionWith(
        NSCharacterSet::uppercaseLetterCharacterSet());
    EXPECT_TRUE(letters.characterIsMember(u'a'));
    EXPECT_TRUE(letters.characterIsMember(u'Q'));
    EXPECT_FALSE(letters.characterIsMember(u'1'));

    const NSCharacterSet custom = NSCharacterSet::characterSetWithCharactersInString("-x\U0001F600");
    EXPECT_TRUE(custom.longCharacterIsMember(U'\U0001F600'));
    EXPECT_TRUE(custom.characterIsMember(u'-'));
    EXPECT_FALSE(custom.characterIsMember(u'y'));
    EXPECT_TRUE(custom.invertedSet().characterIsMember(u'y'));
}

TEST(NSCharacterSetTest, RangeOfCharacterCountsUtf16Units) {
    const NSCharacterSet digits = NSCharacterSet::decimalDigitCharacterSet();
    EXPECT_EQ(digits.rangeOfCharacterInString("\U0001F600e\u03017"), (NSRange{4, 1}));
    EXPECT_EQ(digits.rangeOfCharacterInString("none"), (NSRange{NSNotFound, 0}));
    EXPECT_EQ(digits.rangeOfCharacterInString(""), (NSRange{NSNotFound, 0}));
    EXPECT_EQ(NSCharacterSet::symbolCharacterSet().rangeOfCharacterInString("ab\U0001F600"), (NSRange{2, 2}));
}

}  // namespace
}  // namespace fv
