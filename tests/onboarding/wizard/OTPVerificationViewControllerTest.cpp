#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/ThemeManager.h"
#include "onboarding/wizard/OTPVerificationViewController.h"
#include "platform/ui/UIBarButtonItem.h"
#include "tests/onboarding/support/WizardTestSupport.h"

namespace fv::wizard_test {
namespace {

using Screen = OTPVerificationViewController;

class OneTimeCodeTest : public WizardTest {
  protected:
    // The screen as the phone and e-mail step opens it, with where the code went.
    std::shared_ptr<Screen> openCodeScreen(std::optional<bool> byMessage = true,
                                           std::optional<bool> byEmail = false,
                                           std::string number = "(555) 867-5309",
                                           std::string address = "ada@example.org") {
        auto screen = std::dynamic_pointer_cast<Screen>(
            ScreenRegistry::screenNamed(screen::OTPVerificationViewController));
        if (!screen) return nullptr;
        screen->isSentOnMessage = byMessage;
        screen->isSentOnEmail = byEmail;
        screen->numberText = number;
        screen->emailText = address;
        host.navigationController()->pushViewController(screen, true);
        settle();
        return screen;
    }

    static UITextFieldPtr box(const std::shared_ptr<Screen>& s, int k) {
        const UITextFieldPtr all[] = {s->tf_code1.get(), s->tf_code2.get(), s->tf_code3.get(),
                                      s->tf_code4.get(), s->tf_code5.get(), s->tf_code6.get()};
        return all[k - 1];
    }

    // Types one character into each box from box 1, as the focus moves on.
    void typeCode(const std::shared_ptr<Screen>& s, const std::string& code = "482913") {
        for (int k = 1; k <= 6; ++k)
            ASSERT_TRUE(host.typeText(box(s, k), code.substr(k - 1, 1))) << "box " << k;
    }

    static UIBarButtonItemPtr toolbarItem(const UITextFieldPtr& field) {
        auto toolbar = std::dynamic_pointer_cast<UIToolbar>(field->inputAccessoryView());
        return toolbar && toolbar->items().size() == 2 ? toolbar->items()[1] : nullptr;
    }
};

struct Titles {
    std::optional<bool> byMessage, byEmail;
    const char* one;
    const char* three;
};

class OneTimeCodeTitlesTest : public OneTimeCodeTest, public ::testing::WithParamInterface<Titles> {};

TEST_P(OneTimeCodeTitlesTest, SayWhereTheCodeWent) {
    const Titles t = GetParam();
    auto screen = openCodeScreen(t.byMessage, t.byEmail);
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->lbl_titleOne.get()->text(), t.one);
    EXPECT_EQ(screen->lbl_titleThree.get()->text(), t.three);
}

INSTANTIATE_TEST_SUITE_P(Destinations, OneTimeCodeTitlesTest,
                         ::testing::Values(Titles{true, false, "Check your messages", "(555) 867-5309"},
                                           Titles{false, true, "Check your email", "ada@example.org"},
                                           Titles{true, true, "Check your messages or email",
                                                  "(555) 867-5309\n&\nada@example.org"},
                                           Titles{false, false, "Check your messages", "your phone"},
                                           Titles{std::nullopt, true, "Check your messages", "your phone"}));

TEST_F(OneTimeCodeTest, StartsDisabledWithEmptyBoxesAndTheThemedLook) {
    auto screen = openCodeScreen(true, true);
    ASSERT_TRUE(screen);
    EXPECT_TRUE(mainButtonIs(screen->btn_redeemCode.get(), false));
    EXPECT_FLOAT_EQ(screen->progress_bar.get()->progress(), 0.34f);
    auto theme = ThemeManager::sharedInstance();
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(box(screen, k)->text(), "");
        EXPECT_EQ(box(screen, k)->layer()->borderWidth, 1.5);
        EXPECT_EQ(box(screen, k)->layer()->cornerRadius, 5.0);
        EXPECT_TRUE(colorsEqual(box(screen, k)->layer()->borderColor, theme->border_color()));
    }
    EXPECT_TRUE(colorsEqual(screen->view_underline.get()->backgroundColor(), theme->main_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_titleTwo.get()->textColor(), theme->light_font_color()));
    EXPECT_TRUE(host.snapshot("one_time_code_empty"));
}

TEST_F(OneTimeCodeTest, EachCharacterMovesTheFocusOnAndTheSixthClosesTheKeyboard) {
    auto screen = openCodeScreen();
    ASSERT_TRUE(screen);
    for (int k = 1; k <= 6; ++k) {
        ASSERT_TRUE(host.typeText(box(screen, k), std::to_string(k)));
        if (k < 6) {
            EXPECT_TRUE(box(screen, k + 1)->isFirstResponder()) << "after box " << k;
            EXPECT_TRUE(mainButtonIs(screen->btn_redeemCode.get(), false));
        }
    }
    for (int k = 1; k <= 6; ++k) EXPECT_FALSE(box(screen, k)->isFirstResponder());
    EXPECT_TRUE(mainButtonIs(screen->btn_redeemCode.get(), true));
    EXPECT_TRUE(host.snapshot("one_time_code_filled"));
}

TEST_F(OneTimeCodeTest, ADeletionEmptiesTheBoxKeepsTheFocusThereAndDisablesRedeem) {
    auto screen = openCodeScreen();
    ASSERT_TRUE(screen);
    typeCode(screen);
    ASSERT_TRUE(host.deleteBackward(box(screen, 3)));
    EXPECT_EQ(box(screen, 3)->text(), "");
    EXPECT_TRUE(box(screen, 3)->isFirstResponder());
    EXPECT_TRUE(mainButtonIs(screen->btn_redeemCode.get(), false));
}

TEST_F(OneTimeCodeTest, ACharacterReplacesWhatTheBoxHeld) {
    auto screen = openCodeScreen();
    ASSERT_TRUE(screen);
    ASSERT_TRUE(host.typeText(box(screen, 2), "4"));
    ASSERT_TRUE(host.typeText(box(screen, 2), "7"));
    EXPECT_EQ(box(screen, 2)->text(), "7");
}

TEST_F(OneTimeCodeTest, APasteLandsWholeInOneBox) {
    auto screen = openCodeScreen();
    ASSERT_TRUE(screen);
    ASSERT_TRUE(box(screen, 1)->becomeFirstResponder());
    box(screen, 1)->insertText("482913");
    EXPECT_EQ(box(screen, 1)->text(), "482913");
    EXPECT_TRUE(box(screen, 2)->isFirstResponder());
    EXPECT_TRUE(mainButtonIs(screen->btn_redeemCode.get(), false));
    for (int k = 2; k <= 6; ++k) ASSERT_TRUE(host.typeText(box(screen, k), "x"));
    EXPECT_TRUE(mainButtonIs(screen->btn_redeemCode.get(), true)) << "any characters fill a box";
}

TEST_F(OneTimeCodeTest, TheKeyboardShowsNextOnFiveBoxesAndDoneOnTheLast) {
    auto screen = openCodeScreen();
    ASSERT_TRUE(screen);
    for (int k = 1; k <= 5; ++k) {
        auto item = toolbarItem(box(screen, k));
        ASSERT_TRUE(item) << k;
        EXPECT_EQ(item->title(), "Next");
    }
    ASSERT_TRUE(host.typeText(box(screen, 5), ""));
    ASSERT_TRUE(box(screen, 5)->isFirstResponder());
    EXPECT_TRUE(toolbarItem(box(screen, 5))->sendAction());
    EXPECT_TRUE(box(screen, 6)->isFirstResponder());
    auto done = toolbarItem(box(screen, 6));
    ASSERT_TRUE(done);
    EXPECT_EQ(done->title(), "Done");
    EXPECT_TRUE(done->sendAction());
    EXPECT_FALSE(box(screen, 6)->isFirstResponder());
    screen->nextField();
    EXPECT_FALSE(box(screen, 6)->isFirstResponder()) << "nothing follows box 6";
}

TEST_F(OneTimeCodeTest, RedeemShowsVerifyingAfterAFifthOfASecondAndMovesOnAtOnePointTwo) {
    ThemeManager::sharedInstance()->setLinkAccountEnabledForTesting(false);
    auto screen = openCodeScreen();
    ASSERT_TRUE(screen);
    typeCode(screen);
    ASSERT_TRUE(host.tap(screen->btn_redeemCode.get()));
    host.advance(0.19);
    EXPECT_FALSE(ProgressHUD::isVisible());
    host.advance(0.02);
    EXPECT_TRUE(ProgressHUD::isVisible());
    EXPECT_EQ(ProgressHUD::status(), "Verifying");
    host.advance(0.95);
    EXPECT_EQ(host.topViewController(), screen);
    host.advance(0.05);
    EXPECT_FALSE(ProgressHUD::isVisible());
    EXPECT_TRUE(opened(screen::UserInfoFormViewController, screen));
}

TEST_F(OneTimeCodeTest, WithTheLinkStepSwitchedOnRedeemLeadsThere) {
    ThemeManager::sharedInstance()->setLinkAccountEnabledForTesting(true);
    auto screen = openCodeScreen();
    ASSERT_TRUE(screen);
    typeCode(screen);
    ASSERT_TRUE(host.tap(screen->btn_redeemCode.get()));
    host.advance(1.2);
    EXPECT_TRUE(opened(screen::LinkAppAccountViewController, screen));
}

TEST_F(OneTimeCodeTest, ASecondTapWhileVerifyingPushesNothingMore) {
    ThemeManager::sharedInstance()->setLinkAccountEnabledForTesting(false);
    auto screen = openCodeScreen();
    ASSERT_TRUE(screen);
    typeCode(screen);
    ASSERT_TRUE(host.tap(screen->btn_redeemCode.get()));
    host.advance(0.1);
    screen->action_redeem(nullptr);
    host.advance(0.5);
    screen->action_redeem(nullptr);
    host.advance(3);
    EXPECT_EQ(host.navigationStack().size(), 3u);

    host.navigationController()->popViewControllerAnimated(true);
    settle();
    ASSERT_EQ(host.topViewController(), screen);
    EXPECT_EQ(box(screen, 4)->text(), "9") << "the code stays on return";
    ASSERT_TRUE(host.tap(screen->btn_redeemCode.get()));
    host.advance(1.5);
    EXPECT_EQ(host.navigationStack().size(), 3u) << "a new sequence after return opens a new screen";
    EXPECT_NE(host.topViewController(), screen);
}

TEST_F(OneTimeCodeTest, BackWhileVerifyingStillShowsThenHidesTheOverlayAndOpensNothing) {
    auto screen = openCodeScreen();
    ASSERT_TRUE(screen);
    typeCode(screen);
    ASSERT_TRUE(host.tap(screen->btn_redeemCode.get()));
    host.advance(0.1);
    screen->action_back(nullptr);
    host.advance(0.15);
    EXPECT_TRUE(ProgressHUD::isVisible());
    host.advance(1.0);
    EXPECT_FALSE(ProgressHUD::isVisible());
    EXPECT_EQ(host.topViewController(), host.rootScreen());
    EXPECT_EQ(host.navigationStack().size(), 1u);
}

}  // namespace
}  // namespace fv::wizard_test
