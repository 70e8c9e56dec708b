#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "PullToRefreshSupport.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/RunLoop.h"
#include "platform/graphics/TextLayout.h"
#include "platform/testing/MainBundleFixture.h"
#include "platform/testing/TestHost.h"

namespace fv {
namespace {

using test::RefreshingList;

constexpr CGFloat kHeight = 60;

class PullToRefreshTest : public TestHostFixture {
  protected:
    void open() {
        list = std::make_shared<RefreshingList>();
        table = UITableView::create(CGRectMake(0, 0, 375, 667));
        table->setDataSource(list);
        table->setDelegate(list);
        host.window()->addSubview(table);
        list->top = PullToRefreshManager::create(kHeight, table, list);
        host.runUntilIdle();
    }
    // Where the list stands while the finger holds it, then let go there.
    void scrollTo(CGFloat y) { table->setContentOffset(CGPointMake(0, y)); }
    void releaseAt(CGFloat y) {
        scrollTo(y);
        list->scrollViewDidEndDragging(*table, false);
    }
    const PullToRefreshViewPtr& view() const { return list->top->pullToRefreshView(); }
    // A fixed update time in a fixed zone, for pictures that do not change with the clock.
    void showFixedDate() {
        view()->dateFormatter()->setTimeZone("UTC");
        view()->setLastUpdateDate(Date{1796560200});
        view()->changeStateOfControl(PullToRefreshViewStateIdle, 0);
    }

    std::shared_ptr<RefreshingList> list;
    UITableViewPtr table;
};

// A client may let go of the control while it is told; the release must then not touch freed memory.
TEST_F(PullToRefreshTest, AClientLettingGoOfTheControlWhileToldIsSafe) {
    open();
    list->onTopTrigger = [&] { list->top.reset(); };
    scrollTo(-90);
    PullToRefreshManager* manager = list->top.get();
    manager->tableViewReleased();
    EXPECT_EQ(list->topTriggers, 1);
    EXPECT_FALSE(list->top);
    host.advance(1);
}

TEST_F(PullToRefreshTest, SitsAboveTheFirstRowAtRestWithTheFrameworkTexts) {
    NSLocale::setCurrentLocaleIdentifier("en_US");
    open();
    auto v = view();
    EXPECT_EQ(v->superview(), table.get());
    EXPECT_EQ(v->frame(), CGRectMake(0, -kHeight, 375, kHeight));
    EXPECT_EQ(v->fixedHeight(), kHeight);
    EXPECT_TRUE(v->rotateIconWhileBecomingVisible());
    EXPECT_EQ(v->state(), PullToRefreshViewStateIdle);
    EXPECT_FALSE(v->isLoading());
    EXPECT_EQ(v->bottomLabel()->text(), "Pull down to refresh");

    // The arrow (16 by 36 points) is centred vertically; the labels start 20 points after it and
    // share the height left by the 10-point margins.
    EXPECT_EQ(v->iconImageView()->frame(), CGRectMake(0, 12, 16, 36));
    EXPECT_EQ(v->topLabel()->frame().origin, CGPointMake(36, 10));
    EXPECT_EQ(v->topLabel()->frame().size.height, 20);
    EXPECT_EQ(v->bottomLabel()->frame().origin, CGPointMake(36, 30));
    EXPECT_EQ(v->loadingActivityIndicator()->center(), v->iconImageView()->center());
    EXPECT_EQ(v->loadingActivityIndicator()->activityIndicatorViewStyle(), UIActivityIndicatorViewStyleGray);
    EXPECT_TRUE(v->loadingActivityIndicator()->isHidden());

    // Each label is as wide as its text; the container ends with the wider one and stays centred on
    // the view as the texts change.
    showFixedDate();
    host.runUntilIdle();
    EXPECT_EQ(v->bottomLabel()->frame().size.width,
              TextLayout::widthOfText("Pull down to refresh", v->bottomLabel()->font()));
    EXPECT_EQ(v->topLabel()->frame().size.width,
              TextLayout::widthOfText(*v->topLabel()->text(), v->topLabel()->font()));
    auto c = v->containerView()->frame();
    EXPECT_GT(v->topLabel()->frame().size.width, v->bottomLabel()->frame().size.width);
    EXPECT_EQ(c.size.width, CGRectGetMaxX(v->topLabel()->frame()));
    EXPECT_NEAR(CGRectGetMidX(c), 187.5, 1e-9);

    scrollTo(-90);
    host.runUntilIdle();
    c = v->containerView()->frame();
    EXPECT_EQ(v->bottomLabel()->text(), "Release to refresh");
    EXPECT_EQ(v->bottomLabel()->frame().size.width,
              TextLayout::widthOfText("Release to refresh", v->bottomLabel()->font()));
    EXPECT_EQ(c.size.width, CGRectGetMaxX(v->topLabel()->frame()));
    EXPECT_NEAR(CGRectGetMidX(c), 187.5, 1e-9);
}

struct ScrollCase {
    CGFloat y;
    std::int32_t state;
    const char* text;
    CGRect frame;
};

class PullToRefreshScrollTest : public PullToRefreshTest, public ::testing::WithParamInterface<ScrollCase> {};

TEST_P(PullToRefreshScrollTest, OffsetPicksTheState) {
    open();
    const auto& p = GetParam();
    scrollTo(p.y);
    EXPECT_EQ(view()->state(), p.state);
    EXPECT_EQ(view()->bottomLabel()->text(), p.text);
    EXPECT_EQ(view()->frame(), p.frame);
}

INSTANTIATE_TEST_SUITE_P(
    Offsets, PullToRefreshScrollTest,
    ::testing::Values(ScrollCase{10, 0, "Pull down to refresh", CGRectMake(0, -60, 375, 60)},
                      ScrollCase{0, 0, "Pull down to refresh", CGRectMake(0, -60, 375, 60)},
                      ScrollCase{-1, 1, "Pull down to refresh", CGRectMake(0, -60, 375, 60)},
                      ScrollCase{-60, 1, "Pull down to refresh", CGRectMake(0, -60, 375, 60)},
                      ScrollCase{-61, 2, "Release to refresh", CGRectMake(0, -61, 375, 61)},
                      ScrollCase{-150, 2, "Release to refresh", CGRectMake(0, -150, 375, 150)}));

TEST_F(PullToRefreshTest, IconTurnsWithThePullAndAgainstTheStretchedHeight) {
    open();
    scrollTo(-30);
    auto t = view()->iconImageView()->transform();
    EXPECT_NEAR(std::atan2(t.b, t.a), std::numbers::pi / 2, 1e-9);

    scrollTo(-120);
    t = view()->iconImageView()->transform();
    EXPECT_NEAR(std::abs(std::atan2(t.b, t.a)), std::numbers::pi, 1e-9);
    EXPECT_EQ(view()->frame().size.height, 120);

    // The first pulling update after the stretch divides by 120, then the view is back at 60.
    scrollTo(-30);
    t = view()->iconImageView()->transform();
    EXPECT_NEAR(std::atan2(t.b, t.a), std::numbers::pi / 4, 1e-9);
    EXPECT_EQ(view()->frame().size.height, kHeight);

    view()->setRotateIconWhileBecomingVisible(false);
    scrollTo(-40);
    EXPECT_EQ(view()->iconImageView()->transform(), CGAffineTransformIdentity);
}

TEST_F(PullToRefreshTest, ReleaseExactlyAtTheThresholdDoesNotRefresh) {
    open();
    releaseAt(-kHeight);
    EXPECT_EQ(list->topTriggers, 0);
    EXPECT_EQ(view()->state(), PullToRefreshViewStatePulling);
    EXPECT_EQ(table->contentInset(), UIEdgeInsetsMake(0, 0, 0, 0));
}

TEST_F(PullToRefreshTest, ReleaseBeyondTheThresholdLoadsHoldsTheListOpenAndTellsTheClient) {
    open();
    table->setContentInset(UIEdgeInsetsMake(5, 0, 30, 0));
    UIEdgeInsets insetWhenTold{};
    std::int32_t stateWhenTold = -1;
    list->onTopTrigger = [&] {
        insetWhenTold = table->contentInset();
        stateWhenTold = view()->state();
    };
    releaseAt(-90);
    EXPECT_EQ(list->topTriggers, 1);
    EXPECT_EQ(stateWhenTold, PullToRefreshViewStateLoading);
    EXPECT_EQ(insetWhenTold, UIEdgeInsetsMake(kHeight, 0, 0, 0));
    EXPECT_EQ(AnimationLog::last()->duration, PullToRefreshManager::kAnimationDuration);
    EXPECT_TRUE(view()->isLoading());
    EXPECT_TRUE(view()->iconImageView()->isHidden());
    EXPECT_FALSE(view()->loadingActivityIndicator()->isHidden());
    EXPECT_EQ(view()->bottomLabel()->text(), "Loading…");
    EXPECT_EQ(view()->frame(), CGRectMake(0, -90, 375, 90));

    // While loading, scrolling and letting go again change nothing.
    releaseAt(-200);
    EXPECT_EQ(list->topTriggers, 1);
    EXPECT_EQ(view()->state(), PullToRefreshViewStateLoading);
    EXPECT_EQ(view()->frame(), CGRectMake(0, -90, 375, 90));
}

TEST_F(PullToRefreshTest, FinishClosesTheListAndShowsTheUpdateTime) {
    NSLocale::setCurrentLocaleIdentifier("en_US");
    open();
    const Date created = view()->lastUpdateDate();
    releaseAt(-90);
    host.advance(75);
    list->top->tableViewReloadFinishedAnimated(false);
    // Closed at once; idle only once the (zero-length) animation completes.
    EXPECT_EQ(table->contentInset(), UIEdgeInsetsMake(0, 0, 0, 0));
    EXPECT_TRUE(view()->isLoading());
    host.runUntilIdle();
    EXPECT_EQ(view()->state(), PullToRefreshViewStateIdle);
    EXPECT_FALSE(view()->isLoading());
    EXPECT_FALSE(view()->iconImageView()->isHidden());
    EXPECT_EQ(view()->iconImageView()->transform(), CGAffineTransformIdentity);
    EXPECT_EQ(view()->frame(), CGRectMake(0, -kHeight, 375, kHeight));

    const Date updated = view()->lastUpdateDate();
    EXPECT_NEAR(updated.secondsSince1970 - created.secondsSince1970, 75, 1);
    NSDateFormatter shortMedium;
    shortMedium.setLocale("en_US");
    shortMedium.setDateStyle(NSDateFormatter::Style::Short);
    shortMedium.setTimeStyle(NSDateFormatter::Style::Medium);
    EXPECT_EQ(view()->topLabel()->text(), shortMedium.stringFromDate(updated));
    ASSERT_TRUE(view()->dateFormatter());
    EXPECT_EQ(view()->dateFormatter()->locale(), "en_US");

    // A new pull refreshes again.
    releaseAt(-90);
    EXPECT_EQ(list->topTriggers, 2);
}

TEST_F(PullToRefreshTest, AnimatedFinishTakesAFifthOfASecond) {
    open();
    releaseAt(-90);
    list->top->tableViewReloadFinishedAnimated(true);
    EXPECT_EQ(table->contentInset(), UIEdgeInsetsMake(0, 0, 0, 0));
    host.advance(0.1);
    EXPECT_TRUE(view()->isLoading());
    host.advance(0.15);
    EXPECT_EQ(view()->state(), PullToRefreshViewStateIdle);
}

TEST_F(PullToRefreshTest, HiddenControlIgnoresScrollAndRelease) {
    open();
    list->top->setPullToRefreshViewVisible(false);
    EXPECT_TRUE(view()->isHidden());
    releaseAt(-120);
    EXPECT_EQ(list->topTriggers, 0);
    EXPECT_EQ(view()->state(), PullToRefreshViewStateIdle);
    list->top->setPullToRefreshViewVisible(true);
    releaseAt(-120);
    EXPECT_EQ(list->topTriggers, 1);
}

TEST_F(PullToRefreshTest, CallsReachNothingOnceTheTableIsGone) {
    open();
    auto manager = list->top;
    table->removeFromSuperview();
    table.reset();
    list->top.reset();
    manager->tableViewScrolled();
    manager->tableViewReleased();
    manager->tableViewReloadFinishedAnimated(true);
    host.runUntilIdle();
    EXPECT_EQ(list->topTriggers, 0);
    EXPECT_EQ(manager->pullToRefreshView()->state(), PullToRefreshViewStateIdle);
}

TEST_F(PullToRefreshTest, HostWordsItsOwnTextsAndKeepsTheFrameworksForTheRest) {
    test::MainBundleFixture bundle;
    bundle.setString("TXT_PTR_PULL", "Pull to check for new activity", "PullToRefresh");
    open();
    EXPECT_EQ(view()->bottomLabel()->text(), "Pull to check for new activity");
    releaseAt(-90);
    EXPECT_EQ(view()->bottomLabel()->text(), "Loading…");
}

TEST_F(PullToRefreshTest, UserPullsTheListDownAndLetsGo) {
    open();
    ASSERT_TRUE(host.drag(table, CGPointMake(187, 100), CGPointMake(187, 300)));
    host.advance(1);
    EXPECT_EQ(list->topTriggers, 1);
    EXPECT_TRUE(view()->isLoading());
    EXPECT_EQ(table->contentInset(), UIEdgeInsetsMake(kHeight, 0, 0, 0));
    EXPECT_EQ(table->contentOffset().y, -kHeight) << "the list stays open while it loads";

    list->top->tableViewReloadFinishedAnimated(true);
    host.advance(1);
    EXPECT_EQ(table->contentInset(), UIEdgeInsetsMake(0, 0, 0, 0));
    EXPECT_EQ(table->contentOffset().y, 0);
    EXPECT_EQ(view()->state(), PullToRefreshViewStateIdle);
}

TEST_F(PullToRefreshTest, LoadingLook) {
    NSLocale::setCurrentLocaleIdentifier("en_US");
    open();
    showFixedDate();
    releaseAt(-kHeight - 1);
    scrollTo(-kHeight);
    host.runUntilIdle();
    EXPECT_TRUE(host.snapshot("PullToRefreshLoading", table));
}

TEST_F(PullToRefreshTest, ReadyToReleaseLook) {
    NSLocale::setCurrentLocaleIdentifier("en_US");
    open();
    showFixedDate();
    scrollTo(-90);
    host.runUntilIdle();
    EXPECT_TRUE(host.snapshot("PullToRefreshReadyToRelease", table));
}

}  // namespace
}  // namespace fv
