#include <gtest/gtest.h>

#include <string>

#include "TransferTestSupport.h"
#include "banking/BankAccountsListViewController.h"
#include "core/FrameworkResources.h"
#include "core/ThemeManager.h"
#include "platform/foundation/Bundle.h"
#include "platform/ui/UINib.h"
#include "platform/ui/UIToolbar.h"

namespace fv::transfers_test {
namespace {

bool sameImage(const UIImagePtr& a, const UIImagePtr& b) {
    return a && b && a->isEqual(*b);
}

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
    EXPECT_EQ(screen->valueForKey("cameFrom"), Value(kCameFromMyBankAccounts));
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

TEST_F(CardToBankRoadTest, TheTransferLooksAsDesigned) {
    auto screen = openMyCards();
    ASSERT_TRUE(screen);
    fillIn(screen);
    EXPECT_TRUE(host.snapshot("card_to_bank_transfer"));
}

}  // namespace
}  // namespace fv::transfers_test
