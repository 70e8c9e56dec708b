#include "platform/foundation/Numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace fv::numbers {
namespace {

struct IntCase {
    std::string text;
    std::optional<std::int64_t> value;
};

class ParseInt64Test : public ::testing::TestWithParam<IntCase> {};

TEST_P(ParseInt64Test, ReadsOnlyWholeSignedDecimals) {
    EXPECT_EQ(parseInt64(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, ParseInt64Test,
    ::testing::Values(IntCase{"0", 0}, IntCase{"00", 0}, IntCase{"+0", 0}, IntCase{"-0", 0},
                      IntCase{"+42", 42}, IntCase{"-42", -42}, IntCase{"007", 7},
                      IntCase{"9223372036854775807", INT64_MAX}, IntCase{"+9223372036854775807", INT64_MAX},
                      IntCase{"-9223372036854775808", INT64_MIN},
                      IntCase{"9223372036854775808", std::nullopt},
                      IntCase{"-9223372036854775809", std::nullopt}, IntCase{"", std::nullopt},
                      IntCase{"+", std::nullopt}, IntCase{"-", std::nullopt}, IntCase{"+-1", std::nullopt},
                      IntCase{"-+1", std::nullopt}, IntCase{"++1", std::nullopt}, IntCase{" 1", std::nullopt},
                      IntCase{"1 ", std::nullopt}, IntCase{"1.0", std::nullopt}, IntCase{"1e3", std::nullopt},
                      IntCase{"0x10", std::nullopt}, IntCase{"\u0661", std::nullopt},  // Arabic-Indic one
                      IntCase{std::string("1\0", 2), std::nullopt}));

struct DoubleCase {
    std::string text;
    std::optional<double> value;
};

class ParseDoubleTest : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(ParseDoubleTest, ReadsTheWholeTextByCRules) {
    const auto got = parseDouble(GetParam().text);
    ASSERT_EQ(got.has_value(), GetParam().value.has_value()) << '"' << GetParam().text << '"';
    if (got) {
        EXPECT_DOUBLE_EQ(*got, *GetParam().value) << '"' << GetParam().text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, ParseDoubleTest,
    ::testing::Values(DoubleCase{"12.50", 12.5}, DoubleCase{".5", 0.5}, DoubleCase{"5.", 5.0},
                      DoubleCase{"-3", -3.0}, DoubleCase{"+3", 3.0}, DoubleCase{"1e3", 1000.0},
                      DoubleCase{"0x10", 16.0}, DoubleCase{"", std::nullopt}, DoubleCase{".", std::nullopt},
                      DoubleCase{"12,5", std::nullopt}, DoubleCase{" 1", std::nullopt},
                      DoubleCase{"1 ", std::nullopt}, DoubleCase{"1\t", std::nullopt},
                      DoubleCase{"\n1", std::nullopt}, DoubleCase{"1\u00A0", std::nullopt},
                      DoubleCase{"\uFF11", std::nullopt}, DoubleCase{"1.2.3", std::nullopt},
                      DoubleCase{"abc", std::nullopt}, DoubleCase{std::string("1\0", 2), std::nullopt}));

TEST(ParseDoubleTest, FollowsStrtodOnInfinitiesAndOverflow) {
    EXPECT_TRUE(std::isinf(*parseDouble("inf")));
    EXPECT_TRUE(std::isnan(*parseDouble("nan")));
    EXPECT_TRUE(std::isinf(*parseDouble("1e999")));
}

struct PrefixCase {
    std::string text;
    double value;
};

class DoubleValueTest : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(DoubleValueTest, ReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(doubleValue(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, DoubleValueTest,
    ::testing::Values(PrefixCase{"40.7128", 40.7128}, PrefixCase{"40.7128abc", 40.7128},
                      PrefixCase{"-74.0060", -74.006}, PrefixCase{"  \t-74.0060 W", -74.006},
                      PrefixCase{"+1.5", 1.5}, PrefixCase{".25x", 0.25}, PrefixCase{"7.", 7.0},
                      PrefixCase{"1e2", 100.0}, PrefixCase{"1e", 1.0}, PrefixCase{"1e+", 1.0},
                      PrefixCase{"2E-1,", 0.2}, PrefixCase{"12,75", 12.0}, PrefixCase{"0x1A", 0.0},
                      PrefixCase{"", 0.0}, PrefixCase{"abc", 0.0}, PrefixCase{"-", 0.0}, PrefixCase{".", 0.0},
                      PrefixCase{"-.e1", 0.0}, PrefixCase{"inf", 0.0}, PrefixCase{"nan", 0.0},
                      PrefixCase{"1e999", 0.0}, PrefixCase{"1e-999", 0.0}));

struct FixedCase {
    double value;
    std::string text;
};

class FormatFixedTest : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedTest, WritesSixDecimals) {
    EXPECT_EQ(formatFixed(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatFixedTest,
                         ::testing::Values(FixedCase{40.7128, "40.712800"}, FixedCase{-74.006, "-74.006000"},
                                           FixedCase{0.0, "0.000000"}, FixedCase{1.0 / 3, "0.333333"},
                                           FixedCase{2.0 / 3, "0.666667"}, FixedCase{1e-7, "0.000000"},
                                           FixedCase{123456789.5, "123456789.500000"}));

TEST(FormatFixedTest, OtherPrecisionsAndHugeValues) {
    EXPECT_EQ(formatFixed(2.5, 0), "2");  // ties to even, as printf does
    EXPECT_EQ(formatFixed(1.25, 1), "1.2");
    EXPECT_EQ(formatFixed(1.0, -3), "1");
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::max()).size(), 309u + 7u);
}

// A locale with a decimal comma must change nothing; skipped where no such locale is installed.
TEST(NumbersLocaleTest, ProcessLocaleChangesNothing) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    const char* comma = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"})
        if (std::setlocale(LC_ALL, name)) {
            comma = name;
            break;
        }
    if (!comma) GTEST_SKIP() << "no decimal-comma locale installed";
    EXPECT_EQ(formatFixed(40.7128), "40.712800");
    EXPECT_EQ(parseDouble("12.5"), 12.5);
    EXPECT_EQ(parseDouble("12,5"), std::nullopt);
    EXPECT_DOUBLE_EQ(doubleValue("40.7128abc"), 40.7128);
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace fv::numbers
