#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "PullToRefreshSupport.h"
#include "platform/graphics/TextLayout.h"
#include "platform/testing/MainBundleFixture.h"
#include "platform/testing/TestHost.h"

namespace fv {
namespace {

using test::RefreshingList;

constexpr CGFloat kHeight = 60;
constexpr CGFloat kTableHeight = 667;
constexpr long kLongRows = 20;  // 880 points of content
constexpr long kShortRows = 5;  // 220 points
constexpr CGFloat kLongEnd = 880 - kTableHeight;

class BottomPullToRefreshTest : public TestHostFixture {
  protected:
    void open(long rows, bool withTop = false) {
        list = std::make_shared<RefreshingList>();
        list->rows = rows;
        table = UITableView::create(CGRectMake(0, 0, 375, kTableHeight));
        table->setDataSource(list);
        table->setDelegate(list);
        host.window()->addSubview(table);
        if (withTop) list->top = PullToRefreshManager::create(kHeight, table, list);
        list->bottom = BottomPullToRefreshManager::create(kHeight, table, list);
        host.runUntilIdle();
        list->bottom->relocatePullToRefreshView();
    }
    void scrollTo(CGFloat y) { table->setContentOffset(CGPointMake(0, y)); }
    void releaseAt(CGFloat y) {
        scrollTo(y);
        list->scrollViewDidEndDragging(*table, false);
    }
    const BottomPullToRefreshViewPtr& view() const { return list->bottom->pullToRefreshView(); }

    std::shared_ptr<RefreshingList> list;
    UITableViewPtr table;
};

TEST_F(BottomPullToRefreshTest, JoinsTheTableOnlyWhenRelocated) {
    list = std::make_shared<RefreshingList>();
    table = UITableView::create(CGRectMake(0, 0, 375, kTableHeight));
    auto manager = BottomPullToRefreshManager::create(kHeight, table, list);
    EXPECT_EQ(manager->pullToRefreshView()->superview(), nullptr);
    EXPECT_EQ(manager->pullToRefreshView()->frame(), CGRectMake(0, 0, 375, kHeight));
    manager->relocatePullToRefreshView();
    EXPECT_EQ(manager->pullToRefreshView()->superview(), table.get());
}

TEST_F(BottomPullToRefreshTest, BuildsIconSpinnerAndOneLabel) {
    open(kLongRows);
    auto v = view();
    EXPECT_EQ(v->fixedHeight(), kHeight);
    EXPECT_TRUE(v->rotateIconWhileBecomingVisible());
    EXPECT_EQ(v->state(), BottomPullToRefreshViewStateIdle);
    EXPECT_EQ(v->iconImageView()->frame(), CGRectMake(30, 12, 16, 36));
    EXPECT_EQ(v->loadingActivityIndicator()->activityIndicatorViewStyle(), UIActivityIndicatorViewStyleWhite);
    EXPECT_EQ(v->loadingActivityIndicator()->center(), v->iconImageView()->center());
    EXPECT_EQ(v->messageLabel()->text(), "Pull up to load more");

    host.runUntilIdle();
    // The label is as wide as its text; the container ends with it and stays at x 0.
    auto label = v->messageLabel()->frame();
    EXPECT_EQ(label.origin, CGPointMake(66, 10));
    EXPECT_EQ(label.size.height, kHeight - 20);
    EXPECT_EQ(label.size.width, TextLayout::widthOfText("Pull up to load more", v->messageLabel()->font()));
    EXPECT_EQ(v->containerView()->frame(), CGRectMake(0, 0, CGRectGetMaxX(label), kHeight));
}

struct PlaceCase {
    long rows;
    CGFloat y;
    CGFloat offset;     // d
    CGFloat footerTop;  // after relocation
};

class BottomPlacementTest : public BottomPullToRefreshTest,
                            public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(BottomPlacementTest, OffsetAndPlacementFollowTheContentHeight) {
    const auto& p = GetParam();
    open(p.rows);
    scrollTo(p.y);
    EXPECT_EQ(list->bottom->tableScrollOffset(), p.offset);
    EXPECT_EQ(view()->frame().origin.y, p.footerTop);
    EXPECT_EQ(view()->superview(), table.get());
}

INSTANTIATE_TEST_SUITE_P(Lists, BottomPlacementTest,
                         ::testing::Values(PlaceCase{kLongRows, kLongEnd, 0, 880},
                                           PlaceCase{kLongRows, kLongEnd + 40, -40, 880},
                                           PlaceCase{kLongRows, 0, kLongEnd, 880},
                                           PlaceCase{kShortRows, 0, 0, kTableHeight},
                                           PlaceCase{kShortRows, 30, -30, kTableHeight}));

struct StateCase {
    CGFloat d;
    std::int32_t state;
    const char* text;
    CGFloat height;
};

class BottomStateTest : public BottomPullToRefreshTest, public ::testing::WithParamInterface<StateCase> {};

TEST_P(BottomStateTest, PullPicksTheStateAndTheFooterGrowsDownwards) {
    const auto& p = GetParam();
    open(kLongRows);
    scrollTo(kLongEnd - p.d);
    EXPECT_EQ(view()->state(), p.state);
    EXPECT_EQ(view()->messageLabel()->text(), p.text);
    EXPECT_EQ(view()->frame(), CGRectMake(0, 880, 375, p.height));
}

INSTANTIATE_TEST_SUITE_P(Pulls, BottomStateTest,
                         ::testing::Values(StateCase{10, 0, "Pull up to load more", 60},
                                           StateCase{0, 0, "Pull up to load more", 60},
                                           StateCase{-1, 1, "Pull up to load more", 60},
                                           StateCase{-60, 1, "Pull up to load more", 60},
                                           StateCase{-61, 2, "Release to load more", 121},
                                           StateCase{-100, 2, "Release to load more", 160}));

TEST_F(BottomPullToRefreshTest, IconTurnsWithThePull) {
    open(kLongRows);
    scrollTo(kLongEnd + 30);
    auto t = view()->iconImageView()->transform();
    EXPECT_NEAR(std::atan2(t.b, t.a), std::numbers::pi / 2, 1e-9);
    scrollTo(kLongEnd + 100);
    t = view()->iconImageView()->transform();
    EXPECT_NEAR(std::abs(std::atan2(t.b, t.a)), std::numbers::pi, 1e-9);
    // Against the stretched height of 160 once, then back to 60.
    scrollTo(kLongEnd + 40);
    t = view()->iconImageView()->transform();
    EXPECT_NEAR(std::atan2(t.b, t.a), std::numbers::pi / 4, 1e-9);
    EXPECT_EQ(view()->frame().size.height, kHeight);
}

TEST_F(BottomPullToRefreshTest, ReleaseExactlyAtTheThresholdDoesNotLoad) {
    open(kLongRows);
    releaseAt(kLongEnd + kHeight);
    EXPECT_EQ(list->bottomTriggers, 0);
    EXPECT_EQ(view()->state(), BottomPullToRefreshViewStatePulling);
}

struct ReleaseCase {
    long rows;
    CGFloat y;
    UIEdgeInsets inset;
};

class BottomReleaseTest : public BottomPullToRefreshTest,
                          public ::testing::WithParamInterface<ReleaseCase> {};

TEST_P(BottomReleaseTest, ClientHearsFirstThenTheFooterLoadsAndStaysInView) {
    const auto& p = GetParam();
    open(p.rows);
    table->setContentInset(UIEdgeInsetsMake(7, 0, 9, 0));
    releaseAt(p.y);
    EXPECT_EQ(list->bottomTriggers, 1);
    EXPECT_EQ(list->bottomStateSeen, BottomPullToRefreshViewStateRelease);
    EXPECT_EQ(view()->state(), BottomPullToRefreshViewStateLoading);
    EXPECT_TRUE(view()->isLoading());
    EXPECT_TRUE(view()->iconImageView()->isHidden());
    EXPECT_EQ(view()->messageLabel()->text(), "Loading…");
    EXPECT_EQ(table->contentInset(), p.inset);
    EXPECT_EQ(AnimationLog::last()->duration, BottomPullToRefreshManager::kAnimationDuration);

    releaseAt(p.y + 50);
    EXPECT_EQ(list->bottomTriggers, 1);
    EXPECT_EQ(view()->state(), BottomPullToRefreshViewStateLoading);

    list->bottom->tableViewReloadFinished();
    EXPECT_EQ(table->contentInset(), UIEdgeInsetsMake(0, 0, 0, 0));
    EXPECT_EQ(view()->state(), BottomPullToRefreshViewStateIdle);
    EXPECT_FALSE(view()->isLoading());
    EXPECT_EQ(view()->frame().size.height, kHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, BottomReleaseTest,
    ::testing::Values(ReleaseCase{kLongRows, kLongEnd + 80, UIEdgeInsetsMake(0, 0, kHeight, 0)},
                      // Short content rests scrolled up by the footer's height, the footer in view.
                      ReleaseCase{kShortRows, 80, UIEdgeInsetsMake(-kHeight, 0, 0, 0)}));

TEST_F(BottomPullToRefreshTest, ClientFinishingWhileToldLeavesTheControlIdle) {
    open(kLongRows);
    list->onBottomTrigger = [&] { list->bottom->tableViewReloadFinished(); };
    releaseAt(kLongEnd + 80);
    EXPECT_EQ(list->bottomTriggers, 1);
    EXPECT_EQ(list->bottomStateSeen, BottomPullToRefreshViewStateRelease);
    host.advance(1);
    EXPECT_EQ(view()->state(), BottomPullToRefreshViewStateIdle);
    EXPECT_FALSE(view()->isLoading());
    EXPECT_EQ(table->contentInset(), UIEdgeInsetsMake(0, 0, 0, 0));
    // The next pull loads again.
    list->onBottomTrigger = nullptr;
    releaseAt(kLongEnd + 80);
    EXPECT_EQ(list->bottomTriggers, 2);
    EXPECT_TRUE(view()->isLoading());
}

// A client may let go of the control while it is told; the release must then not touch freed memory.
TEST_F(BottomPullToRefreshTest, AClientLettingGoOfTheControlWhileToldIsSafe) {
    open(kLongRows);
    list->onBottomTrigger = [&] { list->bottom.reset(); };
    scrollTo(kLongEnd + 80);
    BottomPullToRefreshManager* manager = list->bottom.get();
    manager->relocatePullToRefreshView();
    manager->tableViewReleased();
    EXPECT_EQ(list->bottomTriggers, 1);
    EXPECT_FALSE(list->bottom);
    host.advance(1);
}

TEST_F(BottomPullToRefreshTest, FinishZeroesTheTopControlsInsetToo) {
    open(kLongRows, true);
    releaseAt(-90);
    EXPECT_EQ(table->contentInset(), UIEdgeInsetsMake(kHeight, 0, 0, 0));
    list->bottom->tableViewReloadFinished();
    EXPECT_EQ(table->contentInset(), UIEdgeInsetsMake(0, 0, 0, 0));
}

TEST_F(BottomPullToRefreshTest, FinishPlacesTheFooterAfterNewRows) {
    open(kLongRows);
    releaseAt(kLongEnd + 80);
    list->rows = 30;
    table->reloadData();
    list->bottom->tableViewReloadFinished();
    EXPECT_EQ(view()->frame().origin.y, 30 * 44);
}

TEST_F(BottomPullToRefreshTest, HiddenControlIgnoresScrollAndRelease) {
    open(kLongRows);
    list->bottom->setPullToRefreshViewVisible(false);
    releaseAt(kLongEnd + 100);
    EXPECT_EQ(list->bottomTriggers, 0);
    EXPECT_EQ(view()->state(), BottomPullToRefreshViewStateIdle);
}

TEST_F(BottomPullToRefreshTest, CallsReachNothingOnceTheTableIsGone) {
    open(kLongRows);
    auto manager = list->bottom;
    list->bottom.reset();
    table->removeFromSuperview();
    table.reset();
    EXPECT_EQ(manager->tableScrollOffset(), 0);
    manager->relocatePullToRefreshView();
    manager->tableViewScrolled();
    manager->tableViewReleased();
    manager->tableViewReloadFinished();
    EXPECT_EQ(list->bottomTriggers, 0);
}

TEST_F(BottomPullToRefreshTest, HostWordsItsOwnTexts) {
    test::MainBundleFixture bundle;
    bundle.setString("BOTTOM_PTR_RELEASE_TEXT", "Let go to load older activity", "BottomPullToRefresh");
    open(kLongRows);
    scrollTo(kLongEnd + 100);
    EXPECT_EQ(view()->messageLabel()->text(), "Let go to load older activity");
    scrollTo(kLongEnd + 10);
    EXPECT_EQ(view()->messageLabel()->text(), "Pull up to load more");
}

TEST_F(BottomPullToRefreshTest, ReadyToReleaseAndLoadingLooks) {
    open(kLongRows);
    scrollTo(kLongEnd + 90);
    host.runUntilIdle();
    EXPECT_TRUE(host.snapshot("BottomPullToRefreshReadyToRelease", table));
    releaseAt(kLongEnd + 90);
    scrollTo(kLongEnd + kHeight);
    host.runUntilIdle();
    EXPECT_TRUE(host.snapshot("BottomPullToRefreshLoading", table));
}

}  // namespace
}  // namespace fv
