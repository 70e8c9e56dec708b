#include "platform/foundation/ComposedCharacters.h"

#include <gtest/gtest.h>

#include "platform/foundation/Text.h"

namespace fv::text {
namespace {

struct ClusterCase {
    const char* name;
    std::string text;
    std::vector<std::string> characters;
};

class ComposedCharactersTest : public ::testing::TestWithParam<ClusterCase> {};

TEST_P(ComposedCharactersTest, SplitsWhereAReaderSeesCharacters) {
    const ClusterCase& c = GetParam();
    EXPECT_EQ(composedCharacters(c.text), c.characters);
    EXPECT_EQ(composedCharacterCount(c.text), c.characters.size());
    // The ranges tile the text in UTF-16 units.
    std::size_t at = 0;
    for (const NSRange& r : composedCharacterRanges(c.text)) {
        EXPECT_EQ(r.location, at);
        EXPECT_GT(r.length, 0u);
        at = r.end();
    }
    EXPECT_EQ(at, utf16Length(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    RealText, ComposedCharactersTest,
    ::testing::Values(
        ClusterCase{"Empty", "", {}}, ClusterCase{"Ascii", "ab", {"a", "b"}},
        // Precomposed and decomposed accents, and a letter with two marks.
        ClusterCase{"Accents", "\u00E9e\u0301o\u0308\u0304", {"\u00E9", "e\u0301", "o\u0308\u0304"}},
        // Thumbs up with a skin tone, a family joined by ZWJ, a flag of two regional indicators.
        ClusterCase{"EmojiWithModifiers",
                    "\U0001F44D\U0001F3FD\U0001F468\u200D\U0001F469\u200D\U0001F467\U0001F1EB\U0001F1F7!",
                    {"\U0001F44D\U0001F3FD", "\U0001F468\u200D\U0001F469\u200D\U0001F467",
                     "\U0001F1EB\U0001F1F7", "!"}},
        // A precomposed syllable, then the same syllable from conjoining jamo.
        ClusterCase{"Hangul", "\uD55C\u1112\u1161\u11AB", {"\uD55C", "\u1112\u1161\u11AB"}},
        ClusterCase{"CarriageReturnLineFeed", "a\r\nb", {"a", "\r\n", "b"}}),
    [](const ::testing::TestParamInfo<ClusterCase>& info) { return std::string(info.param.name); });

TEST(ComposedCharacterRangeTest, FindsTheSequenceAroundAnIndex) {
    const std::string s = "x\U0001F44D\U0001F3FDe\u0301";  // x, 4 units of emoji, 2 of e + accent
    EXPECT_EQ(rangeOfComposedCharacterSequenceAtIndex(s, 0), (NSRange{0, 1}));
    EXPECT_EQ(rangeOfComposedCharacterSequenceAtIndex(s, 3), (NSRange{1, 4}));
    EXPECT_EQ(rangeOfComposedCharacterSequenceAtIndex(s, 6), (NSRange{5, 2}));
    EXPECT_EQ(rangeOfComposedCharacterSequenceAtIndex(s, 7), (NSRange{NSNotFound, 0}));
}

struct EquivalenceCase {
    std::string a, b;
    bool equivalent;
};

class CanonicalEquivalenceTest : public ::testing::TestWithParam<EquivalenceCase> {};

TEST_P(CanonicalEquivalenceTest, ComparesNormalisedText) {
    const EquivalenceCase& c = GetParam();
    EXPECT_EQ(isCanonicallyEquivalent(c.a, c.b), c.equivalent) << c.a << " / " << c.b;
    EXPECT_EQ(isCanonicallyEquivalent(c.b, c.a), c.equivalent);
}

INSTANTIATE_TEST_SUITE_P(Pairs, CanonicalEquivalenceTest,
                         ::testing::Values(EquivalenceCase{"caf\u00E9", "cafe\u0301", true},
                                           // Marks of different classes in either order are the same text.
                                           EquivalenceCase{"q\u0307\u0323", "q\u0323\u0307", true},
                                           EquivalenceCase{"\uD55C", "\u1112\u1161\u11AB", true},
                                           EquivalenceCase{"\u212B", "\u00C5", true},  // Ångström sign and Å
                                           EquivalenceCase{"Secret1", "secret1", false},
                                           EquivalenceCase{"pass word", "password", false},
                                           EquivalenceCase{"\uFB01", "fi", false},  // compatibility only
                                           EquivalenceCase{"", "", true}));

}  // namespace
}  // namespace fv::text
