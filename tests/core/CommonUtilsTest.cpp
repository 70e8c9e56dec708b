#include <gtest/gtest.h>

#include "core/CommonUtils.h"
#include "platform/foundation/Log.h"
#include "platform/graphics/UIColorHex.h"
#include "platform/ui/UITextField.h"

namespace fv {
namespace {

struct EmailCase {
    const char* email;
    bool valid;
};

class EmailCheck : public ::testing::TestWithParam<EmailCase> {};

TEST_P(EmailCheck, MatchesTheWholeText) {
    EXPECT_EQ(CommonUtils::sharedInstance()->validateEmailWithString(GetParam().email), GetParam().valid)
        << "\"" << GetParam().email << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Edges, EmailCheck,
    ::testing::Values(EmailCase{"jordan.reyes@example.com", true},
                      EmailCase{"J_R%x+y-z@mail.Example.CO", true}, EmailCase{"a@b.info", true},
                      EmailCase{"a@b-c.d-e.io", true}, EmailCase{" jordan@example.com", false},
                      EmailCase{"jordan@example.com ", false}, EmailCase{"jordan@example.com\n", false},
                      EmailCase{"jordanexample.com", false},
                      EmailCase{"jordan@example.c", false},      // one-letter last label
                      EmailCase{"jordan@example.cards", false},  // five-letter last label
                      EmailCase{"jordan@example.c0m", false}, EmailCase{"jordan@@example.com", false},
                      EmailCase{"jordan@.com", false}, EmailCase{"jordan@example", false},
                      EmailCase{"jor dan@example.com", false}, EmailCase{"jördan@example.com", false},
                      EmailCase{"", false}));

struct ReformatCase {
    const char* text;
    std::size_t caret;
    const char* expectedText;
    std::size_t expectedCaret;
};

class CardNumberReformat : public ::testing::TestWithParam<ReformatCase> {};

TEST_P(CardNumberReformat, GroupsDigitsAndKeepsTheCaret) {
    const auto& c = GetParam();
    const auto edit = CommonUtils::reformatCardNumber(c.text, c.caret);
    ASSERT_TRUE(edit.has_value());
    EXPECT_EQ(edit->text, c.expectedText);
    EXPECT_EQ(edit->caret, c.expectedCaret);
}

INSTANTIATE_TEST_SUITE_P(
    Typing, CardNumberReformat,
    ::testing::Values(ReformatCase{"", 0, "", 0}, ReformatCase{"4111", 4, "4111", 4},
                      ReformatCase{"41111", 5, "4111 1", 6},  // blank before the caret
                      ReformatCase{"41111", 4, "4111 1", 4},  // caret stays before the blank
                      ReformatCase{"4111 11111", 10, "4111 1111 1", 11},
                      ReformatCase{"41111111", 4, "4111 1111", 4},  // a deleted blank comes back
                      ReformatCase{"4111-1111-1111-1111", 19, "4111 1111 1111 1111", 19},
                      ReformatCase{"41a11", 3, "4111", 2},  // removed letter before the caret
                      ReformatCase{"1234x", 2, "1234", 2},  // removed letter after it
                      ReformatCase{"1\U0001F600"
                                   "2",
                                   3, "12", 1},         // a pair counts two units
                      ReformatCase{"12", 99, "12", 2},  // caret past the end
                      ReformatCase{"4111 1111 1111 1111", 7, "4111 1111 1111 1111", 7}));

TEST(CardNumberReformat, MoreThanSixteenDigitsRestores) {
    EXPECT_FALSE(CommonUtils::reformatCardNumber("4111 1111 1111 11112", 20).has_value());
    EXPECT_FALSE(CommonUtils::reformatCardNumber("12345678901234567", 0).has_value());
    EXPECT_TRUE(CommonUtils::reformatCardNumber("1234567890123456abc", 0).has_value());
}

TEST(CardNumberReformat, FieldTakesTheGroupedTextOrItsRestorePoint) {
    auto utils = std::make_shared<CommonUtils>();
    const auto field = UITextField::create(CGRectMake(0, 0, 200, 40));
    field->setText("4111 11112");
    field->setSelectedTextRange(NSMakeRange(7, 0));  // after "4111 11"
    utils->reformatAsCardNumber(field.get());
    EXPECT_EQ(field->text(), "4111 1111 2");
    EXPECT_EQ(field->selectedTextRange(), NSMakeRange(7, 0));

    utils->setPreviousTextFieldContent("4111 1111 1111 1111");
    utils->setPreviousSelection(NSMakeRange(19, 0));
    field->setText("4111 1111 1111 11112");
    field->setSelectedTextRange(NSMakeRange(20, 0));
    utils->reformatAsCardNumber(field.get());
    EXPECT_EQ(field->text(), "4111 1111 1111 1111");
    EXPECT_EQ(field->selectedTextRange(), NSMakeRange(19, 0));

    utils->reformatAsCardNumber(nullptr);
}

TEST(CardNumberReformat, RestoringClampsTheStoredSelectionToTheRestoredText) {
    auto utils = std::make_shared<CommonUtils>();
    utils->setPreviousTextFieldContent("4111");
    utils->setPreviousSelection(NSMakeRange(3, 40));  // written for a longer text
    const auto field = UITextField::create(CGRectMake(0, 0, 200, 40));
    field->setText("12345678901234567");
    utils->reformatAsCardNumber(field.get());
    EXPECT_EQ(field->text(), "4111");
    EXPECT_EQ(field->selectedTextRange(), NSMakeRange(3, 1));

    utils->setPreviousSelection(NSMakeRange(NSNotFound, 0));
    field->setText("12345678901234567");
    utils->reformatAsCardNumber(field.get());
    EXPECT_EQ(field->selectedTextRange(), NSMakeRange(4, 0));
}

TEST(CardNumberReformat, WithoutARestorePointTheFirstSixteenDigitsStay) {
    auto utils = std::make_shared<CommonUtils>();
    ASSERT_FALSE(utils->hasRestorePoint());
    const auto field = UITextField::create(CGRectMake(0, 0, 200, 40));
    field->setText("4111-1111-1111-1111-2222");
    utils->reformatAsCardNumber(field.get());
    EXPECT_EQ(field->text(), "4111 1111 1111 1111");
    EXPECT_EQ(field->selectedTextRange(), NSMakeRange(19, 0));
}

TEST(CommonUtilsFonts, MissingFontFileDoesNothing) {
    LogCapture capture;
    CommonUtils::sharedInstance()->dynamicallyLoadFontNamed("No-Such-Font-Anywhere");
    EXPECT_TRUE(capture.lines().empty());
}

}  // namespace
}  // namespace fv
