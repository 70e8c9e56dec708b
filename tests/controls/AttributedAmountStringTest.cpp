#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/AttributedAmountString.h"

namespace fv {
namespace {

// A run as the tests expect it: its text, point size and raise (0 = no baseline offset).
struct Run {
    std::string text;
    CGFloat size;
    double raise;
};

std::vector<Run> runsOf(const NSAttributedString& s) {
    std::vector<Run> runs;
    for (const auto& [range, attrs] : s.attributeRuns()) {
        const UIFontPtr font = fontAttribute(attrs);
        runs.push_back({s.attributedSubstringFromRange(range).string(), font ? font->pointSize() : 0,
                        numberAttribute(attrs, NSBaselineOffsetAttributeName).value_or(0)});
    }
    return runs;
}

struct AmountCase {
    const char* input;
    const char* output;
    std::vector<Run> runs;
};

void PrintTo(const AmountCase& c, std::ostream* os) {
    *os << '"' << c.input << '"';
}

class AttributedAmount : public ::testing::TestWithParam<AmountCase> {};

TEST_P(AttributedAmount, SetsTheFractionSmallAndRaised) {
    const auto& c = GetParam();
    const auto result = attributedAmountString(c.input);
    EXPECT_EQ(result.string(), c.output);
    const auto runs = runsOf(result);
    ASSERT_EQ(runs.size(), c.runs.size());
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].text, c.runs[i].text) << "run " << i;
        EXPECT_EQ(runs[i].size, c.runs[i].size) << "run " << i;
        EXPECT_EQ(runs[i].raise, c.runs[i].raise) << "run " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, AttributedAmount,
    ::testing::Values(AmountCase{"$ 9500.75", "$ 9500.75", {{"$ 9500", 26, 0}, {".75", 14, 10}}},
                      AmountCase{"$ 9500", "$ 9500", {{"$ 9500", 26, 0}}}, AmountCase{"", "", {}},
                      AmountCase{"75.", "75.", {{"75", 26, 0}, {".", 14, 10}}},
                      AmountCase{".5", ".5", {{".5", 14, 10}}},
                      // Every digit stays: only the part after the last "." is small.
                      AmountCase{"1.234.56", "1.234.56", {{"1.234", 26, 0}, {".56", 14, 10}}},
                      AmountCase{"USD 12€.5", "USD 12€.5", {{"USD 12€", 26, 0}, {".5", 14, 10}}},
                      // Braces in the text are markers and never show; without a "." the text is left alone.
                      AmountCase{"{1}2.5", "12.5", {{"1", 14, 10}, {"2", 26, 0}, {".5", 14, 10}}},
                      // A stray "}" pairs with nothing.
                      AmountCase{"}1.5", "1.5", {{"1.5", 26, 0}}}, AmountCase{"{9", "{9", {{"{9", 26, 0}}}));

TEST(AttributedAmountBraces, ManyMarkersNeverOverrunAndNeverShow) {
    const std::string braces(40, '{');
    const std::string closers(40, '}');
    for (const std::string& input : {braces + "1.5", closers + "1.5", braces + closers + "2.25",
                                     "1.5" + braces + closers, std::string(15, '.') + "{}"}) {
        const auto result = attributedAmountString(input);
        EXPECT_EQ(result.string().find_first_of("{}"), std::string::npos) << input;
        for (std::size_t i = 0; i < result.length(); ++i) {
            const UIFontPtr font = fontAttribute(result.attributesAtIndex(i));
            ASSERT_NE(font, nullptr);
            EXPECT_TRUE(font->pointSize() == 26 || font->pointSize() == 14) << input;
        }
    }
}

TEST(AttributedAmountFonts, UsesTheLightDisplayFaceAndFallsBackToTheSystemFont) {
    const auto result = attributedAmountString("$ 1.25");
    const UIFontPtr large = fontAttribute(result.attributesAtIndex(0));
    const UIFontPtr small = fontAttribute(result.attributesAtIndex(4));
    ASSERT_TRUE(large && small);
    EXPECT_EQ(large->fontName(), kAmountFontName);
    EXPECT_EQ(small->fontName(), kAmountFontName);

    const auto fallback = detail::attributedAmountString("$ 1.25", "NoSuchFace-Light");
    EXPECT_EQ(fallback.string(), "$ 1.25");
    EXPECT_TRUE(fontsEqual(fontAttribute(fallback.attributesAtIndex(0)), UIFont::systemFontOfSize(26)));
    EXPECT_TRUE(fontsEqual(fontAttribute(fallback.attributesAtIndex(4)), UIFont::systemFontOfSize(14)));
    EXPECT_EQ(numberAttribute(fallback.attributesAtIndex(4), NSBaselineOffsetAttributeName), 10.0);
    // Without a ".", the fallback applies as well.
    EXPECT_TRUE(
        fontsEqual(fontAttribute(detail::attributedAmountString("9", "NoSuchFace").attributesAtIndex(0)),
                   UIFont::systemFontOfSize(26)));
}

}  // namespace
}  // namespace fv
