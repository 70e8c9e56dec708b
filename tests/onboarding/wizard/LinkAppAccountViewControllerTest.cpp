#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>

#include "onboarding/wizard/LinkAppAccountViewController.h"
#include "onboarding/wizard/OTPVerificationViewController.h"
#include "platform/ui/UIViewRendering.h"
#include "tests/onboarding/support/WizardTestSupport.h"
#include "tests/support/Pixels.h"

namespace fv::wizard_test {
namespace {

using Screen = LinkAppAccountViewController;

class LinkAppAccountTest : public WizardTest {
  protected:
    std::shared_ptr<Screen> openLink() { return open<Screen>(screen::LinkAppAccountViewController); }
};

TEST_F(LinkAppAccountTest, ShowsTheOfferInTheThemeAtItsProgress) {
    auto screen = openLink();
    ASSERT_TRUE(screen);
    EXPECT_FLOAT_EQ(screen->progress_bar.get()->progress(), 0.51f);
    auto theme = ThemeManager::sharedInstance();
    EXPECT_TRUE(colorsEqual(screen->lbl_titleOne.get()->textColor(), theme->main_font_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_titleTwo.get()->textColor(), theme->light_font_color()));
    EXPECT_TRUE(colorsEqual(screen->Btn_skip.get()->titleColorForState(UIControlStateNormal),
                            theme->header_button_color()));
    EXPECT_TRUE(host.snapshot("link_app_account"));
}

// The logo shows on the screen's white: a fair part of its area is clearly darker than the page.
TEST_F(LinkAppAccountTest, TheLogoStandsOutOnTheWhiteScreen) {
    for (TestScreen phone : {TestScreen::Phone320, TestScreen::Phone414}) {
        host.useScreen(phone);
        auto screen = openLink();
        ASSERT_TRUE(screen);
        auto logo = screen->img_logo.get();
        auto root = screen->view();
        auto picture = renderView(*root, 1);
        ASSERT_TRUE(picture);
        const CGRect area = logo->convertRectToView(logo->bounds(), root.get());
        int dark = 0, all = 0;
        for (int y = static_cast<int>(CGRectGetMinY(area)); y < static_cast<int>(CGRectGetMaxY(area)); ++y) {
            for (int x = static_cast<int>(CGRectGetMinX(area)); x < static_cast<int>(CGRectGetMaxX(area));
                 ++x) {
                const std::uint32_t p = test::pixelAt(*picture, x, y);
                const int r = (p >> 16) & 0xff, g = (p >> 8) & 0xff, b = p & 0xff;
                ++all;
                if (std::max({r, g, b}) < 160) ++dark;
            }
        }
        EXPECT_GT(dark, all / 20) << dark << " dark pixels of " << all;
        screen->navigationController()->popViewControllerAnimated(false);
        host.advance(1);
    }
}

TEST_F(LinkAppAccountTest, ConnectChangesNothingHoweverOftenItIsPressed) {
    auto screen = openLink();
    ASSERT_TRUE(screen);
    const auto stack = host.navigationStack();
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(host.tap(screen->Btn_connect.get()));
    settle();
    EXPECT_EQ(host.navigationStack(), stack);
    EXPECT_FALSE(banner());
    EXPECT_TRUE(host.overlayWindows().empty());
}

TEST_F(LinkAppAccountTest, SkipOpensANewNameAndAddressStepEachTime) {
    auto screen = openLink();
    ASSERT_TRUE(screen);
    ASSERT_TRUE(host.tap(screen->Btn_skip.get()));
    ASSERT_TRUE(opened(screen::UserInfoFormViewController, screen));
    const auto first = host.topViewController();
    EXPECT_FLOAT_EQ(host.outlet(first, "progress_bar")->valueForKey("progress").doubleValue(), 0.68f);
    host.navigationController()->popViewControllerAnimated(false);
    settle();
    ASSERT_TRUE(host.tap(screen->Btn_skip.get()));
    ASSERT_TRUE(opened(screen::UserInfoFormViewController, screen));
    EXPECT_NE(host.topViewController(), first);
}

TEST_F(LinkAppAccountTest, BackReturnsLeavingTheOverlayAsItWas) {
    auto screen = openLink();
    ASSERT_TRUE(screen);
    screen->ShowHUD("Verifying");
    screen->action_back(nullptr);
    settle();
    EXPECT_EQ(host.topViewController(), host.rootScreen());
    EXPECT_TRUE(ProgressHUD::isVisible()) << "this step alone leaves the overlay up";
    ProgressHUD::dismiss();
}

TEST_F(LinkAppAccountTest, TheCodeStepLeadsHereOnlyWhenTheThemeSwitchesLinkingOn) {
    for (const bool linking : {true, false}) {
        ThemeManager::sharedInstance()->setLinkAccountEnabledForTesting(linking);
        auto code = open<OTPVerificationViewController>(screen::OTPVerificationViewController);
        ASSERT_TRUE(code);
        for (const auto& box : {code->tf_code1.get(), code->tf_code2.get(), code->tf_code3.get(),
                                code->tf_code4.get(), code->tf_code5.get(), code->tf_code6.get()})
            box->setText("1");
        code->action_redeem(nullptr);
        host.advance(2.0);
        EXPECT_TRUE(
            opened(linking ? screen::LinkAppAccountViewController : screen::UserInfoFormViewController, code))
            << linking;
        host.navigationController()->popToRootViewControllerAnimated(false);
        settle();
    }
}

}  // namespace
}  // namespace fv::wizard_test
