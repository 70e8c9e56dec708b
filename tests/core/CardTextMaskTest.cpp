#include <gtest/gtest.h>

#include "core/CardTextMask.h"

namespace fv {
namespace {

struct MaskCase {
    std::string (*format)(const std::string&, bool);
    const char* number;
    bool hide;
    const char* expected;
};

class MaskWalk : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MaskWalk, Formats) {
    const auto& c = GetParam();
    EXPECT_EQ(c.format(c.number, c.hide), c.expected) << c.number << (c.hide ? " hidden" : " shown");
}

INSTANTIATE_TEST_SUITE_P(
    CardNumber, MaskWalk,
    ::testing::Values(
        MaskCase{formattedCardNumber, "4929183455207316", false, "4929   1834   5520   7316"},
        MaskCase{formattedCardNumber, "4929183455207316", true, "✱✱✱✱ ✱✱✱✱ ✱✱✱✱ 7316"},
        MaskCase{formattedCardNumber, "4929 1834-5520 - 7316", false, "4929   1834   5520   7316"},
        MaskCase{formattedCardNumber, "4929", false, "4929"},  // no trailing separator
        MaskCase{formattedCardNumber, "49291", false, "4929   1"},
        MaskCase{formattedCardNumber, "4929", true, "✱✱✱✱"},
        MaskCase{formattedCardNumber, "49291834552073169999", false, "4929   1834   5520   7316"},
        MaskCase{formattedCardNumber, "49291834552073169999", true, "✱✱✱✱ ✱✱✱✱ ✱✱✱✱ 7316"},
        MaskCase{formattedCardNumber, "", false, ""}, MaskCase{formattedCardNumber, " - ", true, ""}));

INSTANTIATE_TEST_SUITE_P(
    CvvAndExpiry, MaskWalk,
    ::testing::Values(MaskCase{formattedCVV, "371", false, "371"}, MaskCase{formattedCVV, "371", true, "✱✱✱"},
                      MaskCase{formattedCVV, "37", false, "37"}, MaskCase{formattedCVV, "3714", false, "371"},
                      MaskCase{formattedEXP, "0928", false, "09/28"},
                      MaskCase{formattedEXP, "0928", true, "✱✱/✱✱"},
                      MaskCase{formattedEXP, "09", false, "09"},
                      MaskCase{formattedEXP, "09 28", false, "09/28"}, MaskCase{formattedEXP, "", true, ""}));

TEST(MaskWalk, KeepsMultiByteCharactersWhole) {
    EXPECT_EQ(formattedCVV("1é3", false), "1é3");
    EXPECT_EQ(formattedCVV("1é34", true), "✱✱✱");
}

}  // namespace
}  // namespace fv
