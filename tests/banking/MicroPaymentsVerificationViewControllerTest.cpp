#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "banking/AccountAddedSuccessfullyViewController.h"
#include "banking/MicroPaymentsVerificationViewController.h"
#include "banking/MyBankAccountsViewController.h"
#include "core/ScreenRegistry.h"
#include "core/ThemeManager.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UIToolbar.h"

namespace fv {
namespace {

// ---- the amount rule ----

struct AmountCase {
    const char* text;
    bool accepted;
};

class MicroDepositAmountTest : public ::testing::TestWithParam<AmountCase> {};

// Pasted into an empty field, the text is kept exactly when the rule accepts it.
TEST_P(MicroDepositAmountTest, AcceptsExactlyTheShortAmounts) {
    EXPECT_EQ(microDepositEditAllowed(std::string(), NSMakeRange(0, 0), GetParam().text), GetParam().accepted)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MicroDepositAmountTest,
    ::testing::Values(AmountCase{"", true}, AmountCase{"0", true}, AmountCase{"7", true},
                      AmountCase{"0.", true}, AmountCase{",", true}, AmountCase{".5", true},
                      AmountCase{"0,45", true}, AmountCase{"9.99", true}, AmountCase{"10", false},
                      AmountCase{"0.123", false}, AmountCase{"1.2.3", false}, AmountCase{"0.1,", false},
                      AmountCase{"..", false}, AmountCase{"-1", false}, AmountCase{" ", false},
                      AmountCase{"a", false}, AmountCase{"\u0663", false},  // an Arabic-Indic three
                      AmountCase{"\uFF11", false},                          // a full-width one
                      AmountCase{"0.4\n", false}));

TEST(MicroDepositEditTest, EditsAreCheckedOnTheWholeResult) {
    EXPECT_FALSE(microDepositEditAllowed(std::string("1.5"), NSMakeRange(1, 1), ""));  // "15"
    EXPECT_TRUE(microDepositEditAllowed(std::string("1.5"), NSMakeRange(0, 1), ""));   // ".5"
    EXPECT_FALSE(microDepositEditAllowed(std::string("0.45"), NSMakeRange(4, 0), "6"));
    EXPECT_TRUE(microDepositEditAllowed(std::nullopt, NSMakeRange(0, 0), "3"));
}

TEST(MicroDepositEditTest, AnEditRangeOutsideTheTextIsRefused) {
    EXPECT_FALSE(microDepositEditAllowed(std::string("1"), NSMakeRange(2, 0), ""));
    EXPECT_FALSE(microDepositEditAllowed(std::string("1"), NSMakeRange(0, 5), ""));
    EXPECT_FALSE(microDepositEditAllowed(std::string(), NSMakeRange(SIZE_MAX, 1), "1"));
}

// ---- the screen ----

class MicroPaymentsScreenTest : public TestHostFixture {
  protected:
    void SetUp() override {
        host.navigationController()->setNavigationBarHidden(true);
        screen = std::dynamic_pointer_cast<MicroPaymentsVerificationViewController>(
            ScreenRegistry::screenNamed(screen::MicroPaymentsVerificationViewController));
        ASSERT_TRUE(screen);
        host.show(screen);
    }
    void settle() { host.advance(UIViewControllerTransitionDuration + 0.1); }

    std::string typed(const UITextFieldPtr& field, const std::string& keys) {
        for (std::size_t i = 0; i < keys.size(); ++i) host.typeText(field, keys.substr(i, 1));
        return field->text().value_or("");
    }

    std::shared_ptr<MicroPaymentsVerificationViewController> screen;
};

TEST_F(MicroPaymentsScreenTest, TypingKeepsOnlyShortAmounts) {
    auto one = screen->tfMicroPaymentOne.get(), two = screen->tfMicroPaymentTwo.get();
    EXPECT_EQ(one->text(), "");
    EXPECT_EQ(typed(one, "12"), "1");
    EXPECT_EQ(typed(two, "0.456"), "0.45");
    one->setText(std::string());
    EXPECT_EQ(typed(one, "0,45"), "0,45");
    one->setText(std::string());
    EXPECT_EQ(typed(one, "a- .5."), ".5");
}

TEST_F(MicroPaymentsScreenTest, ThemesTheHeaderAndTheFieldLines) {
    auto theme = ThemeManager::sharedInstance();
    EXPECT_TRUE(colorsEqual(screen->view_navbar.get()->backgroundColor(), theme->main_color()));
    EXPECT_TRUE(colorsEqual(screen->view_FirstField.get()->backgroundColor(), theme->border_color()));
    EXPECT_TRUE(colorsEqual(screen->view_SecondField.get()->backgroundColor(), theme->border_color()));
    EXPECT_TRUE(colorsEqual(screen->btn_continue.get()->backgroundColor(), UIColor::clearColor()));
    EXPECT_EQ(UIApplication::sharedApplication()->statusBarStyle(), UIStatusBarStyleLightContent);
}

TEST_F(MicroPaymentsScreenTest, TheToolbarsDoneOnlyClosesTheKeyboard) {
    auto one = screen->tfMicroPaymentOne.get();
    auto toolbar = std::dynamic_pointer_cast<UIToolbar>(one->inputAccessoryView());
    ASSERT_TRUE(toolbar);
    EXPECT_EQ(toolbar, screen->tfMicroPaymentTwo.get()->inputAccessoryView());
    EXPECT_EQ(toolbar->frame(), CGRectMake(0, 0, 375, 50));
    ASSERT_EQ(toolbar->items().size(), 2u);
    EXPECT_EQ(toolbar->items()[1]->title(), "Done");
    ASSERT_TRUE(host.typeText(one, "1"));
    EXPECT_TRUE(toolbar->items()[1]->sendAction());
    EXPECT_FALSE(one->isFirstResponder());
    EXPECT_FALSE(screen->tfMicroPaymentTwo.get()->isFirstResponder());
}

TEST_F(MicroPaymentsScreenTest, DoneOpensTheSuccessScreenWhateverTheAmounts) {
    ASSERT_TRUE(host.tap(screen->btn_continue.get()));
    settle();
    EXPECT_TRUE(std::dynamic_pointer_cast<AccountAddedSuccessfullyViewController>(host.topViewController()));
}

TEST_F(MicroPaymentsScreenTest, BackPops) {
    ASSERT_TRUE(host.tap(CGPoint{26, 42}));
    settle();
    EXPECT_EQ(host.topViewController(), host.rootScreen());
}

TEST_F(MicroPaymentsScreenTest, LooksAsDesigned) {
    typed(screen->tfMicroPaymentOne.get(), "0.32");
    typed(screen->tfMicroPaymentTwo.get(), "0.45");
    screen->view()->endEditing(true);
    EXPECT_TRUE(host.snapshot("micro_payments_verification"));
}

// From the user's bank accounts: an account in process (either account status) and the Verify button
// open micro-deposit verification; its success screen leads back to the list.
class FromMyBankAccountsTest : public TestHostFixture {
  protected:
    void SetUp() override {
        host.navigationController()->setNavigationBarHidden(true);
        list = std::dynamic_pointer_cast<MyBankAccountsViewController>(
            ScreenRegistry::screenNamed(screen::MyBankAccountsViewController));
        ASSERT_TRUE(list);
        host.navigationController()->setViewControllers({list}, false);
        host.advance(0.5);
        list->tbl_bankAccs.get()->layoutIfNeeded();
    }
    BankAccountListTableViewCellPtr row(long r) {
        return std::dynamic_pointer_cast<BankAccountListTableViewCell>(
            list->tbl_bankAccs.get()->cellForRowAtIndexPath(NSIndexPath::indexPathForRow(r, 0)));
    }
    void settle() { host.advance(UIViewControllerTransitionDuration + 0.1); }
    bool verificationOnTop() {
        return std::dynamic_pointer_cast<MicroPaymentsVerificationViewController>(host.topViewController()) !=
               nullptr;
    }
    std::shared_ptr<MyBankAccountsViewController> list;
};

TEST_F(FromMyBankAccountsTest, AccountsInProcessAndTheVerifyButtonOpenVerification) {
    for (long r : {2L, 3L}) {
        ASSERT_TRUE(host.tap(row(r))) << "row " << r;
        settle();
        EXPECT_TRUE(verificationOnTop()) << "row " << r;
        host.navigationController()->popToRootViewControllerAnimated(false);
        host.advance(0.5);
    }
    ASSERT_TRUE(host.tap(row(3)->btn_verify.get()));
    settle();
    ASSERT_TRUE(verificationOnTop());

    ASSERT_TRUE(host.tap(TestHost::outlet(host.topViewController(), "btn_continue")));
    settle();
    auto success =
        std::dynamic_pointer_cast<AccountAddedSuccessfullyViewController>(host.topViewController());
    ASSERT_TRUE(success);
    ASSERT_TRUE(host.tap(success->btn_continue.get()));
    settle();
    EXPECT_EQ(host.topViewController(), list);
    EXPECT_EQ(host.navigationStack().size(), 1u);
}

}  // namespace
}  // namespace fv
