#include <gtest/gtest.h>

#include <memory>

#include "core/ScreenRegistry.h"
#include "core/ThemeManager.h"
#include "platform/testing/TestHost.h"
#include "transfers/TransferConfirmationViewController.h"
#include "transfers/TransferSuccessViewController.h"

namespace fv {
namespace {

// The back button of the confirmation, in window coordinates.
constexpr CGPoint kBackButton{32, 42};

using Confirmation = TransferConfirmationViewController;
using Success = TransferSuccessViewController;

class CardToCardConfirmationTest : public TestHostFixture {
  protected:
    void SetUp() override { host.navigationController()->setNavigationBarHidden(true); }

    // The confirmation as the card-to-card transfer screen leaves it: one screen above the root.
    std::shared_ptr<Confirmation> openConfirmation() {
        host.show(UIViewController::create());
        auto screen = std::dynamic_pointer_cast<Confirmation>(
            ScreenRegistry::screenNamed(screen::TransferConfirmationViewController));
        if (screen) host.show(screen);
        return screen;
    }

    void slideToTheEnd(const std::shared_ptr<Confirmation>& screen) {
        auto slider = screen->btn_slider.get();
        const CGFloat x = slider->dragPointWidth() / 2, y = slider->bounds().size.height / 2;
        ASSERT_TRUE(host.drag(slider, {x, y}, {x + 320, y}, 400));
        for (int i = 0; i < 100 && slider->isUserInteractionEnabled(); ++i) host.advance(0.01);
        ASSERT_FALSE(slider->isUserInteractionEnabled());
    }

    static bool isHeaderColor(const UIColorPtr& color) {
        return colorsEqual(color, ThemeManager::sharedInstance()->header_color()) &&
               !colorsEqual(color, ThemeManager::sharedInstance()->main_color());
    }
};

TEST_F(CardToCardConfirmationTest, ShowsTheBalanceUnderTheHeaderColour) {
    auto screen = openConfirmation();
    ASSERT_TRUE(screen);
    EXPECT_TRUE(isHeaderColor(screen->view_TopInfo.get()->backgroundColor()));
    EXPECT_EQ(screen->lbl_TotalAmount.get()->attributedText()->string(), "$ 9500.75");
    EXPECT_EQ(screen->btn_slider.get()->delegate().get(), static_cast<SlideButtonDelegate*>(screen.get()));
    EXPECT_EQ(UIApplication::sharedApplication()->statusBarStyle(), UIStatusBarStyleLightContent);
}

TEST_F(CardToCardConfirmationTest, SlidingShowsTheCardToCardSuccessAfterOneSecondAndContinueEndsTheFlow) {
    auto screen = openConfirmation();
    ASSERT_TRUE(screen);
    slideToTheEnd(screen);
    EXPECT_TRUE(host.snapshot("card_to_card_confirmation_unlocked"));
    host.advance(0.9);
    EXPECT_EQ(host.topViewController(), screen);
    host.advance(0.2);
    auto success = std::dynamic_pointer_cast<Success>(host.topViewController());
    ASSERT_TRUE(success);
    host.advance(0.5);
    EXPECT_TRUE(isHeaderColor(success->view_navbar.get()->backgroundColor()));
    EXPECT_TRUE(colorsEqual(success->btn_continue.get()->backgroundColor(), UIColor::clearColor()));
    EXPECT_TRUE(host.snapshot("card_to_card_success"));

    ASSERT_TRUE(host.tap(success->btn_continue.get()));
    host.advance(0.5);
    ASSERT_EQ(host.navigationStack().size(), 1u);
    EXPECT_EQ(host.topViewController(), host.rootScreen());
}

TEST_F(CardToCardConfirmationTest, OnlyTheExactUnlockedStatusCounts) {
    auto screen = openConfirmation();
    ASSERT_TRUE(screen);
    auto slider = screen->btn_slider.get();
    for (const char* status : {"unlocked", "Locked", "Unlocked ", ""})
        screen->buttonStatus(status, slider.get());
    host.advance(2);
    EXPECT_TRUE(slider->isUserInteractionEnabled());
    EXPECT_EQ(host.topViewController(), screen);
}

TEST_F(CardToCardConfirmationTest, BackRightAfterTheUnlockPopsAndNothingIsPushedLater) {
    auto screen = openConfirmation();
    ASSERT_TRUE(screen);
    const auto below = host.navigationStack().size() - 1;
    screen->buttonStatus("Unlocked", screen->btn_slider.get().get());
    ASSERT_TRUE(host.tap(kBackButton));
    host.advance(2);
    EXPECT_EQ(host.navigationStack().size(), below);
    EXPECT_FALSE(std::dynamic_pointer_cast<Success>(host.topViewController()));
}

TEST_F(CardToCardConfirmationTest, LooksAsDesigned) {
    ASSERT_TRUE(openConfirmation());
    EXPECT_TRUE(host.snapshot("card_to_card_confirmation"));
}

}  // namespace
}  // namespace fv
