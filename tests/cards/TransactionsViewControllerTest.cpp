#include "cards/TransactionsViewController.h"

#include <gtest/gtest.h>

#include "cards/TransactionTableViewCell.h"
#include "controls/SectionTableViewCell.h"
#include "core/DataModel.h"
#include "core/FrameworkResources.h"
#include "core/SDKManager.h"
#include "core/ThemeManager.h"
#include "platform/graphics/UIColorHex.h"
#include "platform/testing/TestHost.h"
#include "platform/testing/UserDriver.h"
#include "tests/cards/CardPagesTestSupport.h"

namespace fv {
namespace {

using Screen = TransactionsViewController;
using test::page;
using test::transaction;

class TransactionsTest : public TestHostFixture {
  protected:
    void SetUp() override { host.navigationController()->setNavigationBarHidden(true); }

    std::shared_ptr<Screen> open(const std::string& cameFrom = "") {
        auto screen = std::make_shared<Screen>("TransactionsViewController", frameworkBundle());
        screen->setCameFromView(cameFrom);
        host.show(screen);
        screen->view()->layoutIfNeeded();
        return screen;
    }

    static TransactionTableViewCellPtr row(const std::shared_ptr<Screen>& screen, long index) {
        auto table = screen->tbl.get();
        table->layoutIfNeeded();
        return std::dynamic_pointer_cast<TransactionTableViewCell>(
            table->cellForRowAtIndexPath(NSIndexPath::indexPathForRow(index, 0)));
    }

    static std::string dayHeader(const std::shared_ptr<Screen>& screen) {
        auto header = screen->tbl->headerViewForSection(0);
        if (!header) return "<none>";
        for (const auto& view : header->subviews())
            if (auto label = std::dynamic_pointer_cast<UILabel>(view)) return label->text().value_or("");
        return "<no label>";
    }

    static bool popupShown(const std::shared_ptr<Screen>& screen) {
        return screen->view_DetailViewBottomConstraint->constant() == 0 &&
               !screen->view_darkView->isHidden() && screen->view_darkView->alpha() == Screen::kDimmingAlpha;
    }
    static bool popupHidden(const std::shared_ptr<Screen>& screen) {
        return screen->view_DetailViewBottomConstraint->constant() == -230 &&
               screen->view_darkView->isHidden() && screen->view_darkView->alpha() == 0;
    }
};

const Value kTwoPages = Value::Array{
    page("4111 1111 1111 1111", "Monday, 07 December 2026",
         {transaction("Coffee", "debit", "4.80"), transaction("Salary", "credit", "2450.00"),
          transaction("Refund", "Debit", "12.00"), transaction("Rebate", "DEBIT", "1.00")}),
    page("5500 0000 0000 0004", "Sunday, 06 December 2026", {transaction("Later page", "debit", "9.99")})};

TEST_F(TransactionsTest, TheRootOfItsOwnStackShowsTheSideMenuIconAndItsControlOnlyEndsEditing) {
    SDKManager::sharedInstance()->initAllView();
    const auto stack = DataModel::sharedInstance()->historyNavView();
    ASSERT_TRUE(stack);
    EXPECT_TRUE(stack->isNavigationBarHidden());
    auto screen = std::dynamic_pointer_cast<Screen>(stack->viewControllers().front());
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->cameFromView(), "");

    auto shown = open();
    EXPECT_EQ(shown->constraint_img_back_sidemenu_width->constant(), 20);
    EXPECT_EQ(shown->img_backBtn->image(), UIImage::imageNamed("side_menu_white", frameworkBundle()));
    shown->backPressed(nullptr);
    host.advance(1);
    EXPECT_EQ(host.topViewController(), shown);
}

TEST_F(TransactionsTest, OpenedFromHomeShowsABackArrowThatPops) {
    auto screen = open(kCameFromHome);
    EXPECT_EQ(screen->constraint_img_back_sidemenu_width->constant(), 8);
    screen->view()->layoutIfNeeded();
    EXPECT_EQ(screen->img_backBtn->frame().size.width, 8);
    EXPECT_EQ(screen->img_backBtn->image(), UIImage::imageNamed("icon_back", frameworkBundle()));
    ASSERT_TRUE(host.tap(UserDriver::controlWiredTo(screen->view(), screen.get(), "backPressed:")));
    host.advance(1);
    EXPECT_EQ(host.topViewController(), host.rootScreen());
}

TEST_F(TransactionsTest, ListsOnlyTheFirstPageUnderItsDateWithDebitsInRed) {
    test::BundleWithPages bundle(kTwoPages);
    auto screen = open();
    EXPECT_EQ(screen->tbl->numberOfSections(), 1);
    ASSERT_EQ(screen->tbl->numberOfRowsInSection(0), 4);
    EXPECT_EQ(dayHeader(screen), "Monday, 07 December 2026");
    const auto green = colorWithCSS("42dc6a");
    const struct {
        const char* title;
        UIColorPtr colour;
    } expected[] = {{"Coffee", UIColor::redColor()}, {"Salary", green}, {"Refund", green}, {"Rebate", green}};
    for (long i = 0; i < 4; ++i) {
        auto cell = row(screen, i);
        ASSERT_TRUE(cell) << i;
        EXPECT_EQ(cell->Lbl_Transaction->text(), expected[i].title);
        EXPECT_TRUE(colorsEqual(cell->Lbl_Amount->textColor(), expected[i].colour)) << expected[i].title;
        EXPECT_EQ(cell->lbl_time->text(), "10:15 AM");
        EXPECT_TRUE(cell->Img_Category->image()) << "the category image is in the bundle";
        EXPECT_TRUE(colorsEqual(cell->Lbl_Transaction->textColor(),
                                ThemeManager::sharedInstance()->main_font_color()));
    }
    EXPECT_EQ(screen->lbl_TotalAmount->text(), "$ 9500.75");
}

TEST_F(TransactionsTest, AFirstPageWithoutRecordsShowsItsDateAndNoRowsAndNoPagesShowNothing) {
    {
        test::BundleWithPages bundle(Value::Array{page("4111 1111 1111 1111", "Tuesday", {})});
        auto screen = open();
        EXPECT_EQ(screen->tbl->numberOfRowsInSection(0), 0);
        EXPECT_EQ(dayHeader(screen), "Tuesday");
    }
    test::BundleWithPages empty(Value::Array{});
    auto screen = open();
    EXPECT_EQ(screen->tbl->numberOfRowsInSection(0), 0);
    EXPECT_EQ(screen->myCardTransactions().pageCount(), 0u);
}

TEST_F(TransactionsTest, ATappedRowFillsThePopupWhichSlidesUpAndTheDimmingClosesIt) {
    Value numeric = transaction("Numeric", "credit", "1");
    numeric.set(TransactionRecord::kAmount, Value(std::int64_t{42}));
    test::BundleWithPages bundle(Value::Array{
        page("4111 1111 1111 1111", "Monday", {transaction("Coffee", "debit", "4.80"), numeric})});
    auto screen = open();
    EXPECT_TRUE(popupHidden(screen));
    const CGFloat bottom = screen->view()->bounds().size.height;
    EXPECT_EQ(screen->view_transactionDetail->frame().origin.y, bottom) << "hidden below the screen's edge";

    ASSERT_TRUE(host.tap(row(screen, 0)));
    EXPECT_TRUE(popupShown(screen));
    screen->view()->layoutIfNeeded();
    EXPECT_EQ(CGRectGetMaxY(screen->view_transactionDetail->frame()), bottom);
    EXPECT_EQ(screen->lbl_bottomView_type->text(), "DEBIT");
    EXPECT_EQ(screen->lbl_bottomView_amount->text(), "4.80");
    EXPECT_EQ(screen->lbl_bottomView_description->text(), "TXN-Coffee");
    EXPECT_EQ(screen->lbl_bottomView_date->text(), "Monday");
    EXPECT_EQ(screen->lbl_bottomView_Title->text(), "Coffee");
    EXPECT_EQ(screen->lbl_bottomView_categoryName->text(), "Dining");
    EXPECT_TRUE(screen->img_bottomView_categoryIcon->image());
    EXPECT_FALSE(screen->tbl->indexPathForSelectedRow()) << "the row is deselected";

    ASSERT_TRUE(host.tap(screen->view_darkView.get()));
    EXPECT_EQ(screen->view_DetailViewBottomConstraint->constant(), -230);
    EXPECT_FALSE(screen->view_darkView->isHidden()) << "hidden only once the fade has ended";
    host.advance(Screen::kDimmingDuration);
    EXPECT_TRUE(popupHidden(screen));

    // A number is shown in the row but leaves the pop-up's amount empty.
    EXPECT_EQ(row(screen, 1)->Lbl_Amount->text(), "42");
    screen->tableViewDidSelectRowAtIndexPath(*screen->tbl, NSIndexPath::indexPathForRow(1, 0));
    EXPECT_EQ(screen->lbl_bottomView_amount->text(), std::nullopt);
}

TEST_F(TransactionsTest, PullsAtTheTopAndTheBottomEndWithTheSameRowsAndRenewTheUpdateTime) {
    auto screen = open();
    auto table = screen->tbl.get();
    const long rows = table->numberOfRowsInSection(0);
    const auto top = screen->pullToRefreshManager()->pullToRefreshView();
    const auto before = top->lastUpdateDate();

    ASSERT_TRUE(host.drag(table, CGPointMake(187, 100), CGPointMake(187, 300)));
    host.advance(1);
    EXPECT_EQ(top->state(), PullToRefreshViewStateIdle);
    EXPECT_EQ(table->contentInset(), UIEdgeInsetsMake(0, 0, 0, 0));
    EXPECT_EQ(table->numberOfRowsInSection(0), rows);
    const auto afterTop = top->lastUpdateDate();
    EXPECT_GT(afterTop.secondsSince1970, before.secondsSince1970);

    host.advance(5);
    const CGFloat end = std::max<CGFloat>(0, table->contentSize().height - table->bounds().size.height);
    table->setContentOffset(CGPointMake(0, end));
    ASSERT_TRUE(host.drag(table, CGPointMake(187, 400), CGPointMake(187, 150)));
    host.advance(1);
    EXPECT_EQ(screen->pullToBottomRefreshManager()->pullToRefreshView()->state(), PullToRefreshViewStateIdle);
    EXPECT_EQ(table->contentInset(), UIEdgeInsetsMake(0, 0, 0, 0));
    EXPECT_EQ(table->numberOfRowsInSection(0), rows);
    EXPECT_GT(top->lastUpdateDate().secondsSince1970, afterTop.secondsSince1970)
        << "a pull at the bottom renews the top's time too";
}

TEST_F(TransactionsTest, Snapshot) {
    auto screen = open(kCameFromHome);
    host.runUntilIdle();
    EXPECT_TRUE(host.snapshot("transactions"));
    host.tap(row(screen, 1));
    host.advance(0.3);
    EXPECT_TRUE(host.snapshot("transactions_detail"));
}

}  // namespace
}  // namespace fv
