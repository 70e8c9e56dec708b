#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "banking/MyBankAccountsViewController.h"
#include "core/DataModel.h"
#include "core/FrameworkResources.h"
#include "core/ScreenRegistry.h"
#include "core/ThemeManager.h"
#include "platform/graphics/UIColorHex.h"
#include "platform/testing/TestHost.h"
#include "screenkit/BannerMessages.h"

namespace fv {
namespace {

using Names = std::vector<std::string>;

// The header's back button, in window coordinates.
constexpr CGPoint kBackButton{26, 42};
// The card-to-bank transfer screen's back button, in window coordinates.
constexpr CGPoint kTransferBackButton{32, 42};

const Names kEveryAccountInFileOrder{"Everyday Checking", "Rainy Day Fund", "Holiday Savings",
                                     "Bills Account",     "Old Checking",   "College Fund"};
// Rows of "bankAccounts.plist" by status pair.
constexpr long kVerifiedRow = 0, kLoggedRow = 2, kAwaitingDepositsRow = 3, kUnverifiedRow = 4;

class MyBankAccountsTest : public TestHostFixture {
  protected:
    void SetUp() override {
        DataModel::sharedInstance()->setSelectedBankAccount(nullptr);
        host.navigationController()->setNavigationBarHidden(true);
        screen = std::dynamic_pointer_cast<MyBankAccountsViewController>(
            ScreenRegistry::screenNamed(screen::MyBankAccountsViewController));
        ASSERT_TRUE(screen);
        host.show(screen);
        screen->tbl_bankAccs.get()->layoutIfNeeded();
    }
    void TearDown() override {
        host.advance(BannerMessages::kDuration + 1);
        TestHostFixture::TearDown();
    }

    BankAccountListTableViewCellPtr row(long r) {
        return std::dynamic_pointer_cast<BankAccountListTableViewCell>(
            screen->tbl_bankAccs.get()->cellForRowAtIndexPath(NSIndexPath::indexPathForRow(r, 0)));
    }

    Names shown() {
        Names out;
        auto table = screen->tbl_bankAccs.get();
        table->layoutIfNeeded();
        for (long r = 0; r < table->numberOfRowsInSection(0); ++r) {
            auto cell = row(r);
            out.push_back(cell ? cell->lbl_legalName.get()->text().value_or("") : "<no row>");
        }
        return out;
    }

    void settle() { host.advance(UIViewControllerTransitionDuration + 0.1); }

    std::shared_ptr<MyBankAccountsViewController> screen;
};

TEST_F(MyBankAccountsTest, ListsEveryAccountInFileOrderWithItsStatus) {
    EXPECT_EQ(shown(), kEveryAccountInFileOrder);
    EXPECT_EQ(row(kVerifiedRow)->lbl_status.get()->text(), "Verified");
    EXPECT_EQ(row(kLoggedRow)->lbl_status.get()->text(), "Logged");
    EXPECT_TRUE(row(kLoggedRow)->btn_verify.get()->isHidden());
    EXPECT_FALSE(row(kAwaitingDepositsRow)->btn_verify.get()->isHidden());
    EXPECT_TRUE(row(kAwaitingDepositsRow)->Img_status.get()->isHidden());
    EXPECT_EQ(row(kAwaitingDepositsRow)->btn_verify.get()->titleLabel()->font()->pointSize(), 12);
    EXPECT_EQ(row(kUnverifiedRow)->lbl_status.get()->text(), "Un-Verified");

    auto theme = ThemeManager::sharedInstance();
    EXPECT_TRUE(colorsEqual(screen->view_navbar.get()->backgroundColor(), theme->header_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_headerTitle.get()->textColor(), UIColor::whiteColor()));
    EXPECT_TRUE(colorsEqual(screen->Btn_AddNewBankAccount.get()->backgroundColor(), UIColor::clearColor()));
    EXPECT_EQ(UIApplication::sharedApplication()->statusBarStyle(), UIStatusBarStyleLightContent);
}

TEST_F(MyBankAccountsTest, AVerifiedAccountOpensTheTransferWithItChosenWhoseBackReturnsHere) {
    ASSERT_TRUE(host.tap(row(kVerifiedRow)));
    settle();
    auto transfer = host.topViewController();
    ASSERT_EQ(std::string(transfer->className()), "CardToBankTransferViewController");
    EXPECT_EQ(transfer->valueForKey("cameFrom"), Value(kCameFromMyBankAccounts));
    auto chosen = DataModel::sharedInstance()->selectedBankAccount();
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->nickName(), "Everyday Checking");

    ASSERT_TRUE(host.tap(kTransferBackButton));
    settle();
    EXPECT_EQ(host.topViewController(), screen);
}

TEST_F(MyBankAccountsTest, DuringASearchATapRoutesByTheShownAccount) {
    ASSERT_TRUE(host.typeText(screen->searchBar.get()->searchField(), "fund"));
    ASSERT_EQ(shown(), (Names{"Rainy Day Fund", "College Fund"}));
    ASSERT_TRUE(host.tap(row(1)));
    settle();
    ASSERT_TRUE(DataModel::sharedInstance()->selectedBankAccount());
    EXPECT_EQ(DataModel::sharedInstance()->selectedBankAccount()->nickName(), "College Fund");
}

TEST_F(MyBankAccountsTest, AnUnverifiedAccountWarnsAndAnUnknownStatusDoesNothing) {
    ASSERT_TRUE(host.tap(row(kUnverifiedRow)));
    settle();
    EXPECT_EQ(host.topViewController(), screen);
    EXPECT_EQ(BannerMessages::visibleBanners(),
              (std::vector<BannerInfo>{{"Un-Verified Account",
                                        std::string("This account verification is not yet completed."),
                                        BannerMessageTypeWarning}}));
    host.advance(BannerMessages::kDuration + 1);

    screen->filteredBankAccounts[kVerifiedRow]->setStatus("verified");
    ASSERT_TRUE(host.tap(row(kVerifiedRow)));
    settle();
    EXPECT_EQ(host.topViewController(), screen);
    EXPECT_TRUE(BannerMessages::visibleBanners().empty());
    EXPECT_FALSE(DataModel::sharedInstance()->selectedBankAccount());
}

TEST_F(MyBankAccountsTest, SwipeButtonsAreEditThenDeleteAndOnlyCloseAgain) {
    auto cell = row(kVerifiedRow);
    ASSERT_EQ(cell->rightUtilityButtons().size(), 2u);
    EXPECT_TRUE(colorsEqual(cell->rightUtilityButtons()[0]->backgroundColor(),
                            ThemeManager::sharedInstance()->main_color()));
    EXPECT_TRUE(colorsEqual(cell->rightUtilityButtons()[1]->backgroundColor(), colorWithCSS("E00001")));
    EXPECT_EQ(cell->rightUtilityButtonsWidth(), 2 * MyBankAccountsViewController::kSwipeButtonWidth);
    EXPECT_EQ(cell->delegate().get(), static_cast<SwipeTableViewCellDelegate*>(screen.get()));

    for (long index : {0, 1}) {
        cell->showRightUtilityButtonsAnimated(false);
        host.advance(0.5);
        ASSERT_FALSE(cell->isUtilityButtonsHidden());
        ASSERT_TRUE(host.tap(cell->rightUtilityButtons()[static_cast<std::size_t>(index)]));
        host.advance(0.5);
        EXPECT_TRUE(cell->isUtilityButtonsHidden()) << "button " << index;
    }
    EXPECT_EQ(shown(), kEveryAccountInFileOrder);
    EXPECT_EQ(host.topViewController(), screen);
}

TEST_F(MyBankAccountsTest, OpeningOneRowsButtonsClosesAnothers) {
    auto first = row(0), second = row(1);
    first->showRightUtilityButtonsAnimated(false);
    host.advance(0.5);
    ASSERT_TRUE(host.drag(second, {300, 37}, {120, 37}, 400));
    host.advance(0.5);
    EXPECT_TRUE(first->isUtilityButtonsHidden());
    EXPECT_FALSE(second->isUtilityButtonsHidden());
}

TEST_F(MyBankAccountsTest, BackNeverLeavesAndOnlyPutsTheKeyboardAway) {
    auto field = screen->searchBar.get()->searchField();
    ASSERT_TRUE(host.typeText(field, "ha"));
    ASSERT_TRUE(host.tap(kBackButton));
    settle();
    EXPECT_EQ(host.topViewController(), screen);
    EXPECT_FALSE(field->isFirstResponder());
}

TEST_F(MyBankAccountsTest, LooksAsDesigned) {
    EXPECT_TRUE(host.snapshot("my_bank_accounts"));
}

}  // namespace
}  // namespace fv
