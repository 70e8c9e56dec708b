#include <gtest/gtest.h>

#include <string>

#include "TransferTestSupport.h"
#include "banking/BankAccountsListViewController.h"
#include "core/FrameworkResources.h"
#include "core/ThemeManager.h"
#include "platform/foundation/Bundle.h"
#include "platform/ui/UINib.h"
#include "platform/ui/UIToolbar.h"
#include "transfers/CardToBankTransferConfirmationViewController.h"
#include "transfers/CardToBankTransferSuccessViewController.h"

namespace fv::transfers_test {
namespace {

// The back (or side-menu) button of both transfer screens, in window coordinates.
constexpr CGPoint kBackButton{32, 42};

using Confirmation = CardToBankTransferConfirmationViewController;
using Success = CardToBankTransferSuccessViewController;

bool sameImage(const UIImagePtr& a, const UIImagePtr& b) {
    return a && b && a->isEqual(*b);
}

class CardToBankRoadTest : public TransferRoadTest {
  protected:
    std::shared_ptr<Confirmation> openConfirmation() {
        auto screen = openMyCards();
        if (!screen) return nullptr;
        host.tap(screen->btn_Next.get());
        settle();
        return std::dynamic_pointer_cast<Confirmation>(host.topViewController());
    }

    // Drags the knob from its rest position by `distance` points, then lets the slide play out.
    void slide(const std::shared_ptr<Confirmation>& screen, CGFloat distance) {
        auto slider = screen->btn_slider.get();
        const CGFloat x = slider->dragPointWidth() / 2, y = slider->bounds().size.height / 2;
        ASSERT_TRUE(host.drag(slider, {x, y}, {x + distance, y}, 400));
    }

    // What the picker stores when the user chooses an account.
    static void selectHarborPointAccount() {
        auto account = std::make_shared<BankAccountModel>();
        account->setBankName("Harbor Point Bank");
        account->setAccountNumber("XXXXXX4821");
        DataModel::sharedInstance()->setSelectedBankAccount(account);
    }

    // Advances in small steps until the slider goes inert; false if it never does within `limit`.
    bool waitForUnlock(const std::shared_ptr<Confirmation>& screen, double limit = 1.0) {
        for (double t = 0; t < limit; t += 0.01) {
            if (!screen->btn_slider.get()->isUserInteractionEnabled()) return true;
            host.advance(0.01);
        }
        return false;
    }
};

TEST_F(CardToBankRoadTest, OpenMyCardsShowsTheBalanceTheBandAndTheRootBackIcon) {
    auto screen = openMyCards();
    ASSERT_TRUE(screen);
    EXPECT_EQ(host.navigationStack().size(), 2u);
    EXPECT_EQ(screen->cameFrom(), std::nullopt);
    EXPECT_EQ(UIApplication::sharedApplication()->statusBarStyle(), UIStatusBarStyleLightContent);

    const auto balance = screen->lbl_TotalAmount.get()->attributedText();
    ASSERT_TRUE(balance);
    EXPECT_EQ(balance->string(), "$ 9500.75");
    const UIFontPtr large = fontAttribute(balance->attributesAtIndex(0));
    const auto smallAttrs = balance->attributesAtIndex(6);
    ASSERT_TRUE(large && fontAttribute(smallAttrs));
    EXPECT_EQ(large->pointSize(), 26);
    EXPECT_EQ(fontAttribute(smallAttrs)->pointSize(), 14);
    EXPECT_GT(numberAttribute(smallAttrs, NSBaselineOffsetAttributeName).value_or(0), 0);

    auto theme = ThemeManager::sharedInstance();
    EXPECT_TRUE(colorsEqual(screen->view_TopInfo.get()->backgroundColor(), theme->main_color()));
    EXPECT_TRUE(colorsEqual(screen->img_arrow.get()->tintColor(), theme->main_color()));
    for (const auto& box :
         {screen->view_OptionOneField, screen->view_OptionTwoField, screen->view_OptionThreeField}) {
        EXPECT_EQ(box.get()->layer()->borderWidth, 1.5);
        EXPECT_EQ(box.get()->layer()->cornerRadius, 5.0);
    }
    EXPECT_TRUE(sameImage(screen->Img_backIcon.get()->image(),
                          UIImage::imageNamed("side_menu_white", frameworkBundle())));
    EXPECT_EQ(screen->constraint_img_back.get()->constant(), 20);
    EXPECT_EQ(screen->Img_backIcon.get()->frame().origin.x, 20);
    EXPECT_EQ(screen->lbl_selectedRecipient.get()->text(), "Select a bank account");
}

TEST_F(CardToBankRoadTest, TheAmountKeyboardCarriesADoneBarThatEndsEditing) {
    auto screen = openMyCards();
    ASSERT_TRUE(screen);
    auto field = amountField(screen);
    auto toolbar = std::dynamic_pointer_cast<UIToolbar>(field->inputAccessoryView());
    ASSERT_TRUE(toolbar);
    EXPECT_EQ(toolbar->frame(), CGRectMake(0, 0, 375, 50));
    ASSERT_EQ(toolbar->items().size(), 2u);
    EXPECT_TRUE(toolbar->items()[0]->isFlexibleSpace());
    const auto done = toolbar->items()[1];
    EXPECT_EQ(done->title(), "Done");
    EXPECT_EQ(done->style(), UIBarButtonItemStyleDone);

    ASSERT_TRUE(host.typeText(field, "7"));
    ASSERT_TRUE(field->isFirstResponder());
    EXPECT_TRUE(done->sendAction());
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_EQ(field->text(), "7");
}

TEST_F(CardToBankRoadTest, TheChosenAccountComesBackFromThePicker) {
    auto screen = openMyCards();
    ASSERT_TRUE(screen);
    ASSERT_TRUE(host.tap(screen->view_OptionTwoField.get()));
    settle();
    auto picker = std::dynamic_pointer_cast<BankAccountsListViewController>(host.topViewController());
    ASSERT_TRUE(picker);
    auto table = picker->tbl_bankAccs.get();
    table->layoutIfNeeded();
    ASSERT_TRUE(host.tap(table->cellForRowAtIndexPath(NSIndexPath::indexPathForRow(1, 0))));
    settle();

    EXPECT_EQ(host.topViewController(), screen);
    auto chosen = DataModel::sharedInstance()->selectedBankAccount();
    ASSERT_TRUE(chosen);
    EXPECT_EQ(screen->lbl_selectedRecipient.get()->text(),
              chosen->bankName() + " - " + chosen->accountNumber());
    EXPECT_EQ(chosen->status(), "Verified");
}

TEST_F(CardToBankRoadTest, EachAppearanceReadsTheSelectionAgain) {
    auto screen = openMyCards();
    ASSERT_TRUE(screen);
    selectHarborPointAccount();
    EXPECT_EQ(screen->lbl_selectedRecipient.get()->text(), "Select a bank account")
        << "not before it reappears";
    host.tap(screen->btn_Next.get());
    settle();
    host.navigationController()->popViewControllerAnimated(true);
    settle();
    EXPECT_EQ(screen->lbl_selectedRecipient.get()->text(), "Harbor Point Bank - XXXXXX4821");
}

TEST_F(CardToBankRoadTest, TheRootInstanceBackButtonOnlyDismissesTheKeyboard) {
    auto screen = openMyCards();
    ASSERT_TRUE(screen);
    auto field = amountField(screen);
    ASSERT_TRUE(host.typeText(field, "12"));
    ASSERT_TRUE(host.tap(kBackButton));
    settle();
    EXPECT_EQ(host.topViewController(), screen);
    EXPECT_FALSE(field->isFirstResponder());
}

TEST_F(CardToBankRoadTest, AnInstanceFromMyBankAccountsShowsTheBackChevronAndPops) {
    auto screen = std::make_shared<CardToBankTransferViewController>("CardToBankTransferViewController",
                                                                     frameworkBundle());
    screen->setCameFrom(std::string(kCameFromMyBankAccounts));
    EXPECT_EQ(screen->valueForKey("cameFrom"), Value("MY_BANK_ACCOUNTS"));
    host.show(screen);
    screen->view()->layoutIfNeeded();
    EXPECT_TRUE(
        sameImage(screen->Img_backIcon.get()->image(), UIImage::imageNamed("icon_back", frameworkBundle())));
    EXPECT_EQ(screen->constraint_img_back.get()->constant(), 5);
    EXPECT_EQ(screen->Img_backIcon.get()->frame().origin.x, 5);
    ASSERT_TRUE(host.tap(kBackButton));
    settle();
    EXPECT_EQ(host.topViewController(), host.rootScreen());
}

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
    auto success = std::dynamic_pointer_cast<Success>(host.topViewController());
    ASSERT_TRUE(success);
    settle();
    EXPECT_TRUE(colorsEqual(success->view_navbar.get()->backgroundColor(),
                            ThemeManager::sharedInstance()->main_color()));

    ASSERT_TRUE(host.tap(success->btn_continue.get()));
    settle();
    ASSERT_EQ(host.navigationStack().size(), 1u);
    EXPECT_EQ(host.topViewController(), host.rootScreen());
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

TEST_F(CardToBankRoadTest, ScreensLookAsDesigned) {
    auto screen = openMyCards();
    ASSERT_TRUE(screen);
    selectHarborPointAccount();
    screen->setDefaultSelection();
    screen->tfAmount.get()->setText(std::string("250.00"));
    EXPECT_TRUE(host.snapshot("card_to_bank_transfer"));

    host.tap(screen->btn_Next.get());
    settle();
    auto confirmation = std::dynamic_pointer_cast<Confirmation>(host.topViewController());
    ASSERT_TRUE(confirmation);
    EXPECT_TRUE(host.snapshot("card_to_bank_confirmation"));

    slide(confirmation, 320);
    ASSERT_TRUE(waitForUnlock(confirmation));
    EXPECT_TRUE(host.snapshot("card_to_bank_confirmation_unlocked"));
    host.advance(1.5);
    EXPECT_TRUE(host.snapshot("card_to_bank_success"));
}

}  // namespace
}  // namespace fv::transfers_test
