#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/SectionTableViewCell.h"
#include "core/DataModel.h"
#include "core/FrameworkResources.h"
#include "core/ScreenRegistry.h"
#include "core/ThemeManager.h"
#include "platform/graphics/UIColorHex.h"
#include "platform/testing/TestHost.h"
#include "transfers/FundTransferHistoryViewController.h"
#include "transfers/TransferHistoryTableViewCell.h"

namespace fv {
namespace {

using Screen = FundTransferHistoryViewController;

// The shipped file's days and each day's record count, in file order.
using Shape = std::vector<std::pair<std::string, long>>;
const Shape kAllDays = {{"07 Dec 2026", 2}, {"05 Dec 2026", 1}, {"03 Dec 2026", 0},
                        {"01 Dec 2026", 2}, {"28 Nov 2026", 3}, {"24 Nov 2026", 1}};
const Shape kCardToCardDays = {
    {"07 Dec 2026", 1}, {"05 Dec 2026", 1}, {"28 Nov 2026", 2}, {"24 Nov 2026", 1}};
const Shape kCardToBankDays = {{"07 Dec 2026", 1}, {"01 Dec 2026", 2}, {"28 Nov 2026", 1}};

class FundTransferHistoryTest : public TestHostFixture {
  protected:
    void SetUp() override {
        host.navigationController()->setNavigationBarHidden(true);
        screen = std::dynamic_pointer_cast<Screen>(
            ScreenRegistry::screenNamed(screen::FundTransferHistoryViewController));
        ASSERT_TRUE(screen);
        host.show(screen);
        table = screen->tbl.get();
        table->layoutIfNeeded();
    }

    // The day captions the headers show and the rows under each, as the table reports them.
    Shape shape() {
        table->reloadData();
        table->layoutIfNeeded();
        Shape out;
        for (long s = 0; s < table->numberOfSections(); ++s) {
            auto header = screen->tableViewViewForHeaderInSection(*table, s);
            std::string caption = "<no header>";
            if (header && !header->subviews().empty())
                if (auto label = std::dynamic_pointer_cast<UILabel>(header->subviews()[0]))
                    caption = label->text().value_or("<no text>");
            out.push_back({caption, table->numberOfRowsInSection(s)});
        }
        return out;
    }

    // A tap on segment `index` of the three-segment filter.
    void chooseSegment(long index) {
        auto control = screen->typesSegmentCtrl.get();
        const CGRect f = control->bounds();
        const CGFloat width = f.size.width / 3;
        ASSERT_TRUE(
            host.tap(control->convertPointToView({width * (index + 0.5), f.size.height / 2}, nullptr)));
        host.runUntilIdle();
        ASSERT_EQ(control->selectedSegmentIndex(), index);
    }

    std::shared_ptr<TransferHistoryTableViewCell> row(long section, long index) {
        table->scrollToRowAtIndexPath(NSIndexPath::indexPathForRow(index, section),
                                      UITableViewScrollPositionNone, false);
        table->layoutIfNeeded();
        return std::dynamic_pointer_cast<TransferHistoryTableViewCell>(
            table->cellForRowAtIndexPath(NSIndexPath::indexPathForRow(index, section)));
    }

    bool popupIsOpen() {
        screen->view()->layoutIfNeeded();
        const CGRect f = screen->view_transactionDetail.get()->frame();
        return f.origin.y + f.size.height == screen->view()->bounds().size.height;
    }

    std::shared_ptr<Screen> screen;
    UITableViewPtr table;
};

TEST_F(FundTransferHistoryTest, OpensOnEveryDayWithThePopupOutOfSight) {
    EXPECT_EQ(screen->typesSegmentCtrl.get()->selectedSegmentIndex(), 0);
    EXPECT_EQ(shape(), kAllDays);
    EXPECT_EQ(screen->view_DetailViewBottomConstraint.get()->constant(), -270);
    screen->view()->layoutIfNeeded();
    EXPECT_EQ(screen->view_transactionDetail.get()->frame().origin.y, 667);
    EXPECT_TRUE(screen->view_darkView.get()->isHidden());
    EXPECT_EQ(screen->view_darkView.get()->alpha(), 0);
    auto theme = ThemeManager::sharedInstance();
    EXPECT_TRUE(colorsEqual(screen->view_navbar.get()->backgroundColor(), theme->main_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_bottomView_Title.get()->textColor(), theme->main_color()));
    EXPECT_EQ(screen->view_transactionDetail.get()->layer()->shadowOpacity, 1);
    EXPECT_TRUE(colorsEqual(screen->img_icon_triangleTip.get()->tintColor(), theme->main_font_color()));
    EXPECT_EQ(screen->img_icon_triangleTip.get()->image()->renderingMode(),
              UIImageRenderingMode::AlwaysTemplate);
    EXPECT_EQ(table->rectForHeaderInSection(0).size.height, 30);
    EXPECT_EQ(table->rectForRowAtIndexPath(NSIndexPath::indexPathForRow(0, 0)).size.height, 90);
    EXPECT_EQ(UIApplication::sharedApplication()->statusBarStyle(), UIStatusBarStyleLightContent);
    EXPECT_TRUE(host.snapshot("transfer_history"));
}

TEST_F(FundTransferHistoryTest, EachSegmentFiltersTheWholeHistoryAndAllBringsEveryDayBack) {
    chooseSegment(1);
    EXPECT_EQ(shape(), kCardToCardDays);
    chooseSegment(2);
    EXPECT_EQ(shape(), kCardToBankDays) << "days with card-to-bank records only come back";
    EXPECT_TRUE(host.snapshot("transfer_history_card_to_bank"));
    chooseSegment(0);
    EXPECT_EQ(shape(), kAllDays) << "the empty day comes back too";
}

TEST_F(FundTransferHistoryTest, ASegmentThatFindsNothingKeepsTheRowsOnScreen) {
    screen->history().loadTransferHistory(
        Value::Array{Value::Dictionary{{"Date", "02 Dec 2026"},
                                       {"Records", Value::Array{Value::Dictionary{{"type", "Card To Card"},
                                                                                  {"status", "Successful"},
                                                                                  {"trans_type", "debit"},
                                                                                  {"amount", "$ 9.00"}}}}}});
    chooseSegment(1);
    const Shape cardToCard = {{"02 Dec 2026", 1}};
    EXPECT_EQ(shape(), cardToCard);
    chooseSegment(2);
    EXPECT_EQ(shape(), cardToCard);
}

TEST_F(FundTransferHistoryTest, AnEmptyHistoryShowsOneEmptySectionWithoutACaption) {
    screen->history().loadTransferHistory(Value::Array{});
    EXPECT_EQ(shape(), (Shape{{"<no text>", 0}}));
    chooseSegment(2);
    EXPECT_EQ(shape(), (Shape{{"<no text>", 0}}));
}

TEST_F(FundTransferHistoryTest, RowsShowTypeFromToAmountAndStatus) {
    auto first = row(0, 0);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->lbl_type.get()->text(), "Card To Card");
    EXPECT_EQ(first->lbl_amount.get()->text(), "$ 120.00");
    EXPECT_TRUE(colorsEqual(first->lbl_amount.get()->textColor(), UIColor::redColor()));
    EXPECT_TRUE(
        first->img_status.get()->image()->isEqual(*UIImage::imageNamed("verified.png", frameworkBundle())));
    EXPECT_FALSE(first->lbl_from.get()->text().value_or("").empty());
    EXPECT_FALSE(first->lbl_to.get()->text().value_or("").empty());

    auto credit = row(1, 0);
    ASSERT_TRUE(credit);
    EXPECT_TRUE(colorsEqual(credit->lbl_amount.get()->textColor(), colorWithCSS("42dc6a")));
    auto scheduled = row(0, 1);
    ASSERT_TRUE(scheduled);
    EXPECT_TRUE(scheduled->img_status.get()->image()->isEqual(
        *UIImage::imageNamed("inprogress.png", frameworkBundle())));
    auto failed = row(3, 0);
    ASSERT_TRUE(failed);
    EXPECT_TRUE(failed->img_status.get()->image()->isEqual(
        *UIImage::imageNamed("unverified.png", frameworkBundle())));
}

TEST_F(FundTransferHistoryTest, AReusedRowKeepsNothingOfItsLastRecord) {
    auto cell = row(0, 0);
    ASSERT_TRUE(cell);
    ASSERT_TRUE(cell->img_status.get()->image());
    cell->showRecord(Value::Dictionary{
        {"type", "Card To Bank"}, {"status", "successful"}, {"trans_type", "Debit"}, {"amount", Value(12)}});
    EXPECT_EQ(cell->img_status.get()->image(), nullptr) << "a status outside the three shows no image";
    EXPECT_TRUE(colorsEqual(cell->lbl_amount.get()->textColor(), colorWithCSS("42dc6a")));
    EXPECT_EQ(cell->lbl_amount.get()->text().value_or(""), "");
    EXPECT_EQ(cell->lbl_from.get()->text().value_or(""), "");
}

TEST_F(FundTransferHistoryTest, ATapOpensTheDetailOfThatRowOfTheFilteredList) {
    chooseSegment(2);
    auto cell = row(0, 0);
    ASSERT_TRUE(cell);
    ASSERT_TRUE(host.tap(cell));
    host.advance(0.5);
    EXPECT_TRUE(popupIsOpen());
    EXPECT_EQ(screen->view_DetailViewBottomConstraint.get()->constant(), 0);
    EXPECT_FALSE(screen->view_darkView.get()->isHidden());
    EXPECT_DOUBLE_EQ(screen->view_darkView.get()->alpha(), 0.7);
    const Value& record = screen->history().recordAtIndexPath(0, 0);
    EXPECT_EQ(screen->lbl_bottomView_type.get()->text(), "CARD TO BANK");
    EXPECT_EQ(screen->lbl_bottomView_amount.get()->text(), "$ 500.00");
    EXPECT_EQ(screen->lbl_bottomView_date.get()->text(), "07 Dec 2026");
    EXPECT_EQ(screen->lbl_bottomView_time.get()->text(), record["time"].stringValue());
    EXPECT_EQ(screen->lbl_bottomView_status.get()->text(), "Scheduled");
    EXPECT_EQ(screen->lbl_bottomView_from.get()->text(), record["from"].stringValue());
    EXPECT_EQ(screen->lbl_bottomView_to.get()->text(), record["beneficiary_details"].stringValue());
    EXPECT_EQ(screen->lbl_bottomView_referenceID.get()->text(), record["transferReference"].stringValue());
    EXPECT_EQ(screen->lbl_bottomView_Title.get()->text(), "Transfer Details");
    EXPECT_TRUE(host.snapshot("transfer_history_detail"));

    // One tap on the dim view slides it away again.
    ASSERT_TRUE(host.tap(CGPoint{187, 200}));
    host.advance(0.5);
    EXPECT_FALSE(popupIsOpen());
    EXPECT_EQ(screen->view_DetailViewBottomConstraint.get()->constant(), -270);
    EXPECT_TRUE(screen->view_darkView.get()->isHidden());
    EXPECT_EQ(screen->view_darkView.get()->alpha(), 0);
}

TEST_F(FundTransferHistoryTest, TheCloseControlClosesAndTheMenuButtonStaysPut) {
    ASSERT_TRUE(host.tap(row(0, 0)));
    host.advance(0.5);
    ASSERT_TRUE(host.tap(host.findViewWithText("✕")));
    host.advance(0.5);
    EXPECT_FALSE(popupIsOpen());
    EXPECT_TRUE(screen->view_darkView.get()->isHidden());

    const auto stack = host.navigationStack();
    ASSERT_TRUE(host.tap(CGPoint{32, 42}));
    host.advance(0.5);
    EXPECT_EQ(host.navigationStack(), stack);
}

TEST_F(FundTransferHistoryTest, APullPastSixtyPointsLoadsForOneTurnAndKeepsTheRows) {
    auto top = screen->pullToRefreshManager()->pullToRefreshView();
    ASSERT_TRUE(host.drag(table, CGPointMake(187, 100), CGPointMake(187, 300)));
    // The refresh already ended on the turn after the release; the control closes over 0.2 s.
    EXPECT_EQ(top->state(), PullToRefreshViewStateLoading);
    host.advance(1);
    EXPECT_EQ(top->state(), PullToRefreshViewStateIdle);
    EXPECT_EQ(table->contentInset().top, 0);
    EXPECT_EQ(shape(), kAllDays);

    // Up past the end of the list, told as the table tells it: the bottom control ends its loading at
    // once, on the next turn.
    auto bottom = screen->pullToBottomRefreshManager()->pullToRefreshView();
    const CGFloat end = table->contentSize().height - table->bounds().size.height;
    table->setContentOffset({0, std::max<CGFloat>(end, 0) + 80});
    screen->scrollViewDidScroll(*table);
    screen->scrollViewDidEndDragging(*table, false);
    EXPECT_EQ(bottom->state(), BottomPullToRefreshViewStateLoading);
    host.advance(1);
    EXPECT_EQ(bottom->state(), BottomPullToRefreshViewStateIdle);
    EXPECT_EQ(table->contentInset().bottom, 0);
    EXPECT_EQ(shape(), kAllDays);
}

TEST_F(FundTransferHistoryTest, EveryEntryRootsAFreshScreenInItsStack) {
    auto model = DataModel::sharedInstance();
    model->initAllViews();
    auto stack = model->fundsTransferHistoryNavView();
    ASSERT_TRUE(stack);
    ASSERT_EQ(stack->viewControllers().size(), 1u);
    EXPECT_TRUE(std::dynamic_pointer_cast<Screen>(stack->viewControllers()[0]));
}

}  // namespace
}  // namespace fv
