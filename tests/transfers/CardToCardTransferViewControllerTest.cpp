#include <gtest/gtest.h>

#include <string>

#include "core/DataModel.h"
#include "core/FrameworkResources.h"
#include "core/ScreenRegistry.h"
#include "core/ThemeManager.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UIToolbar.h"
#include "transfers/CardToCardTransferViewController.h"
#include "transfers/TransferConfirmationViewController.h"

namespace fv {
namespace {

// The side-menu button of the band, in window coordinates.
constexpr CGPoint kMenuButton{32, 42};

class CardToCardTransferTest : public TestHostFixture {
  protected:
    void SetUp() override {
        DataModel::sharedInstance()->setSelectedRecipient(nullptr);
        host.navigationController()->setNavigationBarHidden(true);
    }

    std::shared_ptr<CardToCardTransferViewController> openScreen() {
        auto screen = std::dynamic_pointer_cast<CardToCardTransferViewController>(
            ScreenRegistry::screenNamed(screen::CardToCardTransferViewController));
        if (screen) host.show(screen);
        return screen;
    }

    static RecipientModelPtr recipientNamed(const std::string& name) {
        auto recipient = std::make_shared<RecipientModel>();
        recipient->setRecipient(name);
        recipient->setNickname("Nick");
        return recipient;
    }

    void settle() { host.advance(0.5); }
};

TEST_F(CardToCardTransferTest, EveryEntryRootsAFreshScreenInItsStack) {
    auto model = DataModel::sharedInstance();
    model->initAllViews();
    auto stack = model->cardToCardTransNavView();
    ASSERT_TRUE(stack);
    EXPECT_TRUE(stack->isNavigationBarHidden());
    ASSERT_EQ(stack->viewControllers().size(), 1u);
    EXPECT_TRUE(std::dynamic_pointer_cast<CardToCardTransferViewController>(stack->viewControllers()[0]));
}

TEST_F(CardToCardTransferTest, ShowsTheBalanceBandBordersAndTheFilesRecipientText) {
    auto screen = openScreen();
    ASSERT_TRUE(screen);
    auto theme = ThemeManager::sharedInstance();
    EXPECT_EQ(UIApplication::sharedApplication()->statusBarStyle(), UIStatusBarStyleLightContent);
    EXPECT_EQ(screen->lbl_TotalAmount.get()->attributedText()->string(), "$ 9500.75");
    EXPECT_TRUE(colorsEqual(screen->view_TopInfo.get()->backgroundColor(), theme->main_color()));
    EXPECT_TRUE(colorsEqual(screen->img_arrow.get()->tintColor(), theme->main_color()));
    EXPECT_TRUE(colorsEqual(screen->btn_Next.get()->backgroundColor(), UIColor::clearColor()));
    for (const auto& box :
         {screen->view_OptionOneField, screen->view_OptionTwoField, screen->view_OptionThreeField}) {
        EXPECT_EQ(box.get()->layer()->borderWidth, 1.5);
        EXPECT_EQ(box.get()->layer()->cornerRadius, 5.0);
    }
    EXPECT_EQ(screen->lbl_selectedRecipient.get()->text(), "Select a recipient");

    auto toolbar = std::dynamic_pointer_cast<UIToolbar>(screen->tfAmount.get()->inputAccessoryView());
    ASSERT_TRUE(toolbar);
    EXPECT_EQ(toolbar->frame(), CGRectMake(0, 0, 375, 50));
    ASSERT_EQ(toolbar->items().size(), 2u);
    EXPECT_EQ(toolbar->items()[1]->title(), "Done");
}

TEST_F(CardToCardTransferTest, EachAppearanceShowsTheSelectedRecipientEvenAnEmptyOne) {
    auto screen = openScreen();
    ASSERT_TRUE(screen);
    DataModel::sharedInstance()->setSelectedRecipient(recipientNamed("Marta Quinlan"));
    EXPECT_EQ(screen->lbl_selectedRecipient.get()->text(), "Select a recipient") << "not before it reappears";
    host.navigationController()->pushViewController(UIViewController::create(), false);
    host.navigationController()->popViewControllerAnimated(false);
    settle();
    EXPECT_EQ(screen->lbl_selectedRecipient.get()->text(), "Marta Quinlan");

    DataModel::sharedInstance()->setSelectedRecipient(recipientNamed(""));
    screen->setDefaultSelection();
    EXPECT_EQ(screen->lbl_selectedRecipient.get()->text(), "");
}

TEST_F(CardToCardTransferTest, TheAmountFollowsTheTransferRule) {
    auto screen = openScreen();
    ASSERT_TRUE(screen);
    auto field = screen->tfAmount.get();
    ASSERT_TRUE(host.typeText(field, "12.345"));
    EXPECT_EQ(field->text(), "12.34");
    ASSERT_TRUE(host.typeText(field, ".a,"));
    EXPECT_EQ(field->text(), "12.34");
    field->setText(std::string(""));
    field->paste("1e5");
    EXPECT_EQ(field->text(), "1e5");
    field->paste(" ");
    EXPECT_EQ(field->text(), "1e5");
}

TEST_F(CardToCardTransferTest, TheMenuButtonOnlyDismissesTheKeyboard) {
    auto screen = openScreen();
    ASSERT_TRUE(screen);
    auto field = screen->tfAmount.get();
    ASSERT_TRUE(host.typeText(field, "5"));
    const auto stack = host.navigationStack();
    ASSERT_TRUE(host.tap(kMenuButton));
    settle();
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_EQ(host.navigationStack(), stack);
    EXPECT_EQ(field->text(), "5");
}

TEST_F(CardToCardTransferTest, NextWithNothingEnteredOpensTheCardToCardConfirmation) {
    auto screen = openScreen();
    ASSERT_TRUE(screen);
    ASSERT_TRUE(host.tap(screen->btn_Next.get()));
    settle();
    auto confirmation =
        std::dynamic_pointer_cast<TransferConfirmationViewController>(host.topViewController());
    ASSERT_TRUE(confirmation);
    EXPECT_TRUE(colorsEqual(confirmation->view_TopInfo.get()->backgroundColor(),
                            ThemeManager::sharedInstance()->header_color()));
}

TEST_F(CardToCardTransferTest, LooksAsDesigned) {
    DataModel::sharedInstance()->setSelectedRecipient(recipientNamed("Marta Quinlan"));
    auto screen = openScreen();
    ASSERT_TRUE(screen);
    screen->tfAmount.get()->setText(std::string("40.00"));
    EXPECT_TRUE(host.snapshot("card_to_card_transfer"));
}

}  // namespace
}  // namespace fv
