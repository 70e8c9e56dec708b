#include <gtest/gtest.h>

#include <memory>

#include "CardToCardConfirmationTestSupport.h"
#include "TransferTestSupport.h"
#include "core/ThemeManager.h"
#include "platform/testing/TestHost.h"
#include "transfers/CardToBankTransferConfirmationViewController.h"
#include "transfers/CardToBankTransferSuccessViewController.h"
#include "transfers/TransferConfirmationViewController.h"
#include "transfers/TransferSuccessViewController.h"

namespace fv::transfers_test {
namespace {

// ---- CardToBankTransferConfirmationViewController ----

TEST_F(CardToBankRoadTest, NextWithNothingEnteredStillOpensTheConfirmation) {
    auto screen = openConfirmation();
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->btn_slider.get()->delegate().get(), static_cast<SlideButtonDelegate*>(screen.get()));
    EXPECT_TRUE(colorsEqual(screen->view_TopInfo.get()->backgroundColor(),
                            ThemeManager::sharedInstance()->main_color()));
    EXPECT_EQ(screen->lbl_TotalAmount.get()->attributedText()->string(), "$ 9500.75");
}

TEST_F(CardToBankRoadTest, SlidingToTheEndLocksTheSliderAndShowsSuccessAfterOneSecond) {
    auto screen = openConfirmation();
    ASSERT_TRUE(screen);
    slide(screen, 320);
    ASSERT_TRUE(waitForUnlock(screen));
    host.advance(0.95);
    EXPECT_EQ(host.topViewController(), screen);
    host.advance(0.1);
    EXPECT_TRUE(std::dynamic_pointer_cast<CardToBankTransferSuccessViewController>(host.topViewController()));
}

TEST_F(CardToBankRoadTest, AShortSlideGoesBackAndLeavesTheSliderUsable) {
    auto screen = openConfirmation();
    ASSERT_TRUE(screen);
    slide(screen, 60);
    host.advance(3);
    EXPECT_TRUE(screen->btn_slider.get()->isUserInteractionEnabled());
    EXPECT_EQ(host.topViewController(), screen);
}

TEST_F(CardToBankRoadTest, OnlyTheUnlockedStatusCounts) {
    auto screen = openConfirmation();
    ASSERT_TRUE(screen);
    auto slider = screen->btn_slider.get();
    screen->buttonStatus("unlocked", slider.get());
    screen->buttonStatus("Locked", slider.get());
    host.advance(2);
    EXPECT_TRUE(slider->isUserInteractionEnabled());
    EXPECT_EQ(host.topViewController(), screen);
}

TEST_F(CardToBankRoadTest, BackRightAfterTheUnlockPopsAndNothingIsPushedLater) {
    auto screen = openConfirmation();
    ASSERT_TRUE(screen);
    screen->buttonStatus("Unlocked", screen->btn_slider.get().get());
    ASSERT_TRUE(host.tap(kBackButton));
    host.advance(2);
    ASSERT_EQ(host.navigationStack().size(), 2u);
    EXPECT_TRUE(std::dynamic_pointer_cast<CardToBankTransferViewController>(host.topViewController()));
}

TEST_F(CardToBankRoadTest, EveryAppearanceOfTheConfirmationSetsItsDelegateAgain) {
    auto screen = openConfirmation();
    ASSERT_TRUE(screen);
    auto slider = screen->btn_slider.get();
    slider->setDelegate(nullptr);
    host.navigationController()->pushViewController(UIViewController::create(), false);
    host.advance(0.1);
    host.navigationController()->popViewControllerAnimated(false);
    host.advance(0.1);
    EXPECT_EQ(slider->delegate().get(), static_cast<SlideButtonDelegate*>(screen.get()));
}

TEST_F(CardToBankRoadTest, TheConfirmationLooksAsDesigned) {
    auto confirmation = openFilledInConfirmation();
    ASSERT_TRUE(confirmation);
    EXPECT_TRUE(host.snapshot("card_to_bank_confirmation"));

    slide(confirmation, 320);
    ASSERT_TRUE(waitForUnlock(confirmation));
    EXPECT_TRUE(host.snapshot("card_to_bank_confirmation_unlocked"));
}

// ---- TransferConfirmationViewController ----

TEST_F(CardToCardConfirmationTest, ShowsTheBalanceUnderTheHeaderColour) {
    auto screen = openConfirmation();
    ASSERT_TRUE(screen);
    EXPECT_TRUE(isHeaderColor(screen->view_TopInfo.get()->backgroundColor()));
    EXPECT_EQ(screen->lbl_TotalAmount.get()->attributedText()->string(), "$ 9500.75");
    EXPECT_EQ(screen->btn_slider.get()->delegate().get(), static_cast<SlideButtonDelegate*>(screen.get()));
    EXPECT_EQ(UIApplication::sharedApplication()->statusBarStyle(), UIStatusBarStyleLightContent);
}

TEST_F(CardToCardConfirmationTest, SlidingShowsTheCardToCardSuccessAfterOneSecond) {
    auto screen = openConfirmation();
    ASSERT_TRUE(screen);
    slideToTheEnd(screen);
    EXPECT_TRUE(host.snapshot("card_to_card_confirmation_unlocked"));
    host.advance(0.9);
    EXPECT_EQ(host.topViewController(), screen);
    host.advance(0.2);
    EXPECT_TRUE(std::dynamic_pointer_cast<TransferSuccessViewController>(host.topViewController()));
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
    EXPECT_FALSE(std::dynamic_pointer_cast<TransferSuccessViewController>(host.topViewController()));
}

TEST_F(CardToCardConfirmationTest, LooksAsDesigned) {
    ASSERT_TRUE(openConfirmation());
    EXPECT_TRUE(host.snapshot("card_to_card_confirmation"));
}

}  // namespace
}  // namespace fv::transfers_test
