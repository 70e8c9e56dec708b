#include <gtest/gtest.h>

#include <string>

#include "TransferTestSupport.h"
#include "transfers/AmountEditRule.h"

namespace fv::transfers_test {
namespace {

struct AmountCase {
    const char* name;
    const char* input;
    // What the field holds afterwards.
    const char* expected;
};

std::ostream& operator<<(std::ostream& os, const AmountCase& c) {
    return os << c.name;
}

class AmountTypingTest : public TransferRoadTest, public ::testing::WithParamInterface<AmountCase> {};
class AmountPasteTest : public TransferRoadTest, public ::testing::WithParamInterface<AmountCase> {};

// Typed one character at a time into the empty field: each refused character is simply not applied.
TEST_P(AmountTypingTest, KeepsOnlyAcceptedKeystrokes) {
    auto screen = openMyCards();
    ASSERT_TRUE(screen);
    auto field = amountField(screen);
    host.typeText(field, GetParam().input);
    EXPECT_EQ(field->text(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keystrokes, AmountTypingTest,
    ::testing::Values(AmountCase{"digit", "5", "5"}, AmountCase{"lonePoint", ".", ""},
                      AmountCase{"pointBeforeDigit", ".5", "5"}, AmountCase{"zeroPointFive", "0.5", "0.5"},
                      AmountCase{"trailingPoint", "5.", "5."}, AmountCase{"onePlace", "12.3", "12.3"},
                      AmountCase{"twoPlaces", "12.34", "12.34"}, AmountCase{"thirdPlace", "12.345", "12.34"},
                      AmountCase{"secondPoint", "1.2.", "1.2"}, AmountCase{"leadingBlank", " 12", "12"},
                      AmountCase{"trailingBlank", "12 ", "12"}, AmountCase{"letter", "12a", "12"},
                      AmountCase{"comma", "1,5", "15"}),
    [](const auto& info) { return std::string(info.param.name); });

// Pasted into the empty field as one edit: the whole text is accepted or the field stays empty.
TEST_P(AmountPasteTest, TakesOrRefusesTheWholeText) {
    auto screen = openMyCards();
    ASSERT_TRUE(screen);
    auto field = amountField(screen);
    ASSERT_TRUE(field->becomeFirstResponder());
    field->paste(GetParam().input);
    EXPECT_EQ(field->text(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    WholeTexts, AmountPasteTest,
    ::testing::Values(AmountCase{"leadingPoint", ".5", ".5"}, AmountCase{"exponent", "1e5", "1e5"},
                      AmountCase{"negative", "-5", "-5"}, AmountCase{"plusSign", "+5.25", "+5.25"},
                      AmountCase{"exponentAfterPoint", "1.5e3", ""}, AmountCase{"comma", "1,5", ""},
                      AmountCase{"leadingBlank", " 12", ""}, AmountCase{"trailingBlank", "12 ", ""},
                      AmountCase{"tab", "\t12", ""}, AmountCase{"newline", "12\n", ""},
                      AmountCase{"noBreakSpace", "12\u00A0", ""}, AmountCase{"arabicDigit", "\u0663", ""},
                      AmountCase{"inf", "inf", ""}, AmountCase{"infinity", "-Infinity", ""},
                      AmountCase{"nan", "nan", ""}, AmountCase{"nanPayload", "NAN(1)", ""},
                      AmountCase{"hex", "0x1A", ""}, AmountCase{"hexFloat", "0x1p3", ""},
                      AmountCase{"signOnly", "-", ""}, AmountCase{"danglingExponent", "1e", ""},
                      AmountCase{"exponentSignOnly", "1e+", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransferRoadTest, DeletingEveryCharacterIsAccepted) {
    auto screen = openMyCards();
    ASSERT_TRUE(screen);
    auto field = amountField(screen);
    ASSERT_TRUE(host.typeText(field, "12.34"));
    ASSERT_TRUE(host.deleteBackward(field, 5));
    EXPECT_EQ(field->text(), "");
}

TEST_F(TransferRoadTest, EditsAreJudgedOnTheWholeProposedText) {
    auto screen = openMyCards();
    ASSERT_TRUE(screen);
    auto field = amountField(screen);
    ASSERT_TRUE(host.typeText(field, "12.34"));
    // A digit inserted before the point leaves two places: fine. After the point it makes three.
    EXPECT_TRUE(field->replaceRange(NSMakeRange(1, 0), "0"));
    EXPECT_EQ(field->text(), "102.34");
    EXPECT_FALSE(field->replaceRange(NSMakeRange(4, 0), "9"));
    EXPECT_EQ(field->text(), "102.34");
}

TEST_F(TransferRoadTest, AnEditOutsideTheTextIsRefused) {
    auto screen = openMyCards();
    ASSERT_TRUE(screen);
    auto field = amountField(screen);
    ASSERT_TRUE(host.typeText(field, "12"));
    EXPECT_FALSE(screen->textFieldShouldChangeCharactersInRange(field.get(), NSMakeRange(3, 0), "5"));
    EXPECT_FALSE(screen->textFieldShouldChangeCharactersInRange(field.get(), NSMakeRange(1, 2), ""));
    EXPECT_FALSE(amountEditAllowed(std::string("5\xF0\x9F\x98\x80"), NSMakeRange(2, 1), ""))
        << "cutting a character in two";
    EXPECT_TRUE(amountEditAllowed(std::nullopt, NSMakeRange(7, 0), "x")) << "no text object at all";
}

}  // namespace
}  // namespace fv::transfers_test
