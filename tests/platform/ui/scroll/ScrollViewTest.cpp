#include <gtest/gtest.h>

#include <cmath>

#include "platform/foundation/RunLoop.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/TouchDispatch.h"
#include "platform/ui/UIScrollView.h"
#include "platform/ui/UIViewAnimation.h"

namespace fv {
namespace {

std::string fmt(CGPoint p) {
    auto n = [](double v) {
        std::string s = std::to_string(std::lround(v));
        return s;
    };
    return "(" + n(p.x) + "," + n(p.y) + ")";
}

// Records the delegate calls; repeated didScrolls collapse into one "didScroll" entry.
class ScrollLog : public NSObject, public UIScrollViewDelegate {
    FV_CLASS(ScrollLog, NSObject)
    void scrollViewDidScroll(UIScrollView& sv) override {
        ++didScrollCount;
        offsets.push_back(sv.contentOffset());
        if (calls.empty() || calls.back() != "didScroll") calls.push_back("didScroll");
        if (onScroll) onScroll(sv);
    }
    void scrollViewWillBeginDragging(UIScrollView& sv) override {
        calls.push_back("willBeginDragging");
        draggingAtBegin = sv.isDragging();
    }
    void scrollViewWillEndDragging(UIScrollView&, CGPoint velocity, CGPoint* target) override {
        calls.push_back("willEndDragging");
        endVelocity = velocity;
        proposedTarget = *target;
        if (replacement) *target = *replacement;
    }
    void scrollViewDidEndDragging(UIScrollView&, bool decelerate) override {
        calls.push_back(decelerate ? "didEndDragging(decelerate)" : "didEndDragging");
    }
    void scrollViewWillBeginDecelerating(UIScrollView&) override { calls.push_back("willBeginDecelerating"); }
    void scrollViewDidEndDecelerating(UIScrollView&) override { calls.push_back("didEndDecelerating"); }
    void scrollViewDidEndScrollingAnimation(UIScrollView&) override {
        calls.push_back("didEndScrollingAnimation");
    }

    std::vector<std::string> calls;
    std::vector<CGPoint> offsets;
    int didScrollCount = 0;
    bool draggingAtBegin = false;
    CGPoint endVelocity, proposedTarget;
    std::optional<CGPoint> replacement;
    std::function<void(UIScrollView&)> onScroll;
};

class ScrollViewTest : public TestHostFixture {
  protected:
    void SetUp() override {
        scroll = UIScrollView::create(CGRectMake(0, 100, 375, 400));
        scroll->setContentSize(CGSizeMake(375, 2000));
        host.window()->addSubview(scroll);
        log = std::make_shared<ScrollLog>();
        scroll->setDelegate(log);
    }
    // A vertical drag in the scroll view's frame (not content) coordinates.
    void dragUp(CGFloat distance, double velocity = 1000) {
        CGPoint o = scroll->contentOffset();
        host.drag(scroll, CGPointMake(180 + o.x, 300 + o.y), CGPointMake(180 + o.x, 300 + o.y - distance),
                  velocity);
    }

    UIScrollViewPtr scroll;
    std::shared_ptr<ScrollLog> log;
};

TEST_F(ScrollViewTest, DragCallsTheDelegateInThePlatformsOrder) {
    dragUp(100, 1000);
    EXPECT_TRUE(log->draggingAtBegin);
    EXPECT_FALSE(scroll->isDragging());
    EXPECT_TRUE(scroll->isDecelerating());
    host.advance(1);
    EXPECT_EQ(log->calls, (std::vector<std::string>{"willBeginDragging", "didScroll", "willEndDragging",
                                                    "didEndDragging(decelerate)", "willBeginDecelerating",
                                                    "didScroll", "didEndDecelerating"}));
    EXPECT_FALSE(scroll->isDecelerating());
    // Finger up at 1000 points per second = 1 point per millisecond, content moving down the list.
    EXPECT_NEAR(log->endVelocity.y, 1.0, 0.01);
    EXPECT_DOUBLE_EQ(log->endVelocity.x, 0);
    EXPECT_GT(log->proposedTarget.y, 100);
    EXPECT_EQ(fmt(scroll->contentOffset()), fmt(log->proposedTarget));
}

TEST_F(ScrollViewTest, ContentFollowsTheFingerWhileDragging) {
    TouchDispatch::touchDown(CGPointMake(180, 400), RunLoop::main().now());
    TouchDispatch::touchMove(CGPointMake(180, 380), RunLoop::main().now() + 0.02);
    EXPECT_TRUE(scroll->isTracking());
    EXPECT_EQ(fmt(scroll->contentOffset()), "(0,20)");
    TouchDispatch::touchMove(CGPointMake(180, 330), RunLoop::main().now() + 0.02);
    EXPECT_EQ(fmt(scroll->contentOffset()), "(0,70)");
    TouchDispatch::touchUp(CGPointMake(180, 330), RunLoop::main().now() + 0.5);
    host.advance(1);
    EXPECT_FALSE(scroll->isTracking());
}

struct TargetCase {
    const char* name;
    CGPoint replacement;
    CGPoint expected;
};

class ScrollTargetTest : public ScrollViewTest, public ::testing::WithParamInterface<TargetCase> {};

TEST_P(ScrollTargetTest, ReplacedTargetIsWhereTheScrollRests) {
    log->replacement = GetParam().replacement;
    dragUp(100, 2000);
    host.advance(1);
    EXPECT_EQ(fmt(scroll->contentOffset()), fmt(GetParam().expected));
    EXPECT_EQ(log->calls.back(), "didEndDecelerating");
}

INSTANTIATE_TEST_SUITE_P(Scroll, ScrollTargetTest,
                         ::testing::Values(TargetCase{"InRange", {0, 250}, {0, 250}},
                                           TargetCase{"BeyondTheEnd", {0, 5000}, {0, 1600}},
                                           TargetCase{"BeforeTheStart", {30, -400}, {0, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScrollViewTest, ProposedTargetIsAlreadyClamped) {
    dragUp(100, 100000);
    EXPECT_DOUBLE_EQ(log->proposedTarget.y, 1600);
}

TEST_F(ScrollViewTest, ReleaseAtRestDoesNotDecelerate) {
    TouchDispatch::touchDown(CGPointMake(180, 400), RunLoop::main().now());
    TouchDispatch::touchMove(CGPointMake(180, 350), RunLoop::main().now() + 0.05);
    TouchDispatch::touchMove(CGPointMake(180, 350), RunLoop::main().now() + 0.05);
    TouchDispatch::touchUp(CGPointMake(180, 350), RunLoop::main().now() + 0.05);
    host.advance(1);
    EXPECT_EQ(log->calls.back(), "didEndDragging");
    EXPECT_EQ(fmt(scroll->contentOffset()), "(0,50)");
}

TEST_F(ScrollViewTest, OverscrollBouncesBackWithDidScroll) {
    TouchDispatch::touchDown(CGPointMake(180, 200), RunLoop::main().now());
    TouchDispatch::touchMove(CGPointMake(180, 280), RunLoop::main().now() + 0.1);
    EXPECT_EQ(fmt(scroll->contentOffset()), "(0,-80)");
    TouchDispatch::touchMove(CGPointMake(180, 280), RunLoop::main().now() + 0.1);
    TouchDispatch::touchUp(CGPointMake(180, 280), RunLoop::main().now() + 0.1);
    host.advance(1);
    EXPECT_EQ(fmt(scroll->contentOffset()), "(0,0)");
    EXPECT_EQ(log->calls.back(), "didEndDecelerating");

    scroll->setBounces(false);
    TouchDispatch::touchDown(CGPointMake(180, 200), RunLoop::main().now());
    TouchDispatch::touchMove(CGPointMake(180, 280), RunLoop::main().now() + 0.1);
    EXPECT_EQ(fmt(scroll->contentOffset()), "(0,0)");
    TouchDispatch::touchUp(CGPointMake(180, 280), RunLoop::main().now() + 0.1);
}

TEST_F(ScrollViewTest, OnlyRealOffsetChangesCallDidScroll) {
    scroll->setContentOffset(CGPointMake(0, 0));
    scroll->setContentSize(CGSizeMake(375, 3000));  // offset still valid
    scroll->setContentInset(UIEdgeInsetsMake(10, 0, 10, 0));
    EXPECT_EQ(log->didScrollCount, 0);
    scroll->setContentOffset(CGPointMake(0, 40));
    scroll->setContentOffset(CGPointMake(0, 40));
    EXPECT_EQ(log->didScrollCount, 1);
    EXPECT_DOUBLE_EQ(scroll->bounds().origin.y, 40);
    // Code may set offsets outside the range (a refresh control showing above the content).
    scroll->setContentOffset(CGPointMake(0, -60));
    EXPECT_EQ(fmt(scroll->contentOffset()), "(0,-60)");
    EXPECT_EQ(log->didScrollCount, 2);
}

TEST_F(ScrollViewTest, DidScrollIsReentrant) {
    log->onScroll = [](UIScrollView& sv) {
        if (sv.contentOffset().y > 100) sv.setContentOffset(CGPointMake(0, 100));
    };
    scroll->setContentOffset(CGPointMake(0, 150));
    EXPECT_EQ(fmt(scroll->contentOffset()), "(0,100)");
    ASSERT_EQ(log->offsets.size(), 2u);
    EXPECT_EQ(fmt(log->offsets[0]), "(0,150)");
    EXPECT_EQ(fmt(log->offsets[1]), "(0,100)");
}

struct ClampCase {
    const char* name;
    UIEdgeInsets initialInset;
    CGPoint offset;
    CGSize contentSize;
    UIEdgeInsets inset;
    CGPoint expected;
};

class ScrollClampTest : public ScrollViewTest, public ::testing::WithParamInterface<ClampCase> {};

TEST_P(ScrollClampTest, GeometryChangesClampTheOffset) {
    scroll->setContentSize(CGSizeMake(2000, 2000));
    scroll->setContentInset(GetParam().initialInset);
    scroll->setContentOffset(GetParam().offset);
    int before = log->didScrollCount;
    scroll->setContentInset(GetParam().inset);
    scroll->setContentSize(GetParam().contentSize);
    EXPECT_EQ(fmt(scroll->contentOffset()), fmt(GetParam().expected));
    EXPECT_EQ(log->didScrollCount > before, !(GetParam().offset == GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Scroll, ScrollClampTest,
    ::testing::Values(
        ClampCase{"ShrunkContent", {}, {0, 1500}, {375, 1000}, {}, {0, 600}},
        ClampCase{"ShortContentRestsAtTop", {}, {0, 300}, {375, 100}, {}, {0, 0}},
        ClampCase{"RefreshInsetKeepsListOpen", {}, {0, -80}, {375, 2000}, {60, 0, 0, 0}, {0, -60}},
        ClampCase{"RefreshClosed", {60, 0, 0, 0}, {0, -60}, {375, 2000}, {0, 0, 0, 0}, {0, 0}},
        ClampCase{"BottomInsetExtendsRange", {}, {0, 1700}, {375, 2000}, {0, 0, 100, 0}, {0, 1700}},
        ClampCase{"ShortContentWithBottomTrigger", {}, {0, 120}, {375, 300}, {0, 0, 120, 0}, {0, 20}},
        ClampCase{"Horizontal", {}, {900, 0}, {800, 400}, {0, 10, 0, 20}, {445, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScrollViewTest, NoClampWhileTracking) {
    TouchDispatch::touchDown(CGPointMake(180, 200), RunLoop::main().now());
    TouchDispatch::touchMove(CGPointMake(180, 280), RunLoop::main().now() + 0.1);
    scroll->setContentInset(UIEdgeInsetsMake(20, 0, 0, 0));
    EXPECT_EQ(fmt(scroll->contentOffset()), "(0,-80)");
    TouchDispatch::touchUp(CGPointMake(180, 280), RunLoop::main().now() + 0.5);
    host.advance(1);
    EXPECT_EQ(fmt(scroll->contentOffset()), "(0,-20)");
}

TEST_F(ScrollViewTest, AnimatedOffsetEndsWithScrollingAnimationOnTheClock) {
    scroll->setContentOffset(CGPointMake(0, 300), true);
    EXPECT_EQ(log->didScrollCount, 0);
    host.runUntilIdle();
    EXPECT_TRUE(log->calls.empty() || log->calls.back() == "didScroll");
    host.advance(0.15);
    EXPECT_GT(scroll->contentOffset().y, 0);
    EXPECT_LT(scroll->contentOffset().y, 300);
    EXPECT_TRUE(std::find(log->calls.begin(), log->calls.end(), "didEndScrollingAnimation") ==
                log->calls.end());
    host.advance(0.2);
    EXPECT_EQ(fmt(scroll->contentOffset()), "(0,300)");
    EXPECT_EQ(log->calls, (std::vector<std::string>{"didScroll", "didEndScrollingAnimation"}));
    EXPECT_GT(log->didScrollCount, 5);
    host.advance(1);
    EXPECT_EQ(log->calls.size(), 2u);

    scroll->setContentOffset(CGPointMake(0, 300), true);  // unchanged: nothing happens
    host.advance(1);
    EXPECT_EQ(log->calls.size(), 2u);
}

TEST_F(ScrollViewTest, LaterOffsetReplacesAnAnimation) {
    scroll->setContentOffset(CGPointMake(0, 300), true);
    host.advance(0.1);
    scroll->setContentOffset(CGPointMake(0, 50));
    host.advance(1);
    EXPECT_EQ(fmt(scroll->contentOffset()), "(0,50)");
    EXPECT_EQ(log->calls, std::vector<std::string>{"didScroll"});
}

TEST_F(ScrollViewTest, PagingSnapsToPages) {
    auto pager = UIScrollView::create(CGRectMake(0, 0, 320, 200));
    pager->setContentSize(CGSizeMake(320 * 4, 200));
    pager->setPagingEnabled(true);
    host.window()->addSubview(pager);
    host.drag(pager, CGPointMake(200, 100), CGPointMake(160, 100), 2000);  // a flick
    host.advance(1);
    EXPECT_EQ(fmt(pager->contentOffset()), "(320,0)");
    host.drag(pager, CGPointMake(320 + 100, 100), CGPointMake(320 + 200, 100), 50);  // a slow drag back
    host.advance(1);
    EXPECT_EQ(fmt(pager->contentOffset()), "(320,0)");
}

TEST_F(ScrollViewTest, DragAlongAnAxisThatCannotScrollGoesToTheEnclosingScrollView) {
    auto carousel = UIScrollView::create(CGRectMake(0, 0, 375, 150));
    carousel->setContentSize(CGSizeMake(1500, 150));
    scroll->addSubview(carousel);
    auto carouselLog = std::make_shared<ScrollLog>();
    carousel->setDelegate(carouselLog);

    host.drag(carousel, CGPointMake(100, 100), CGPointMake(100, 40));  // vertical
    EXPECT_EQ(carousel->contentOffset().x, 0);
    EXPECT_GT(scroll->contentOffset().y, 0);
    EXPECT_TRUE(carouselLog->calls.empty());
    host.advance(1);

    scroll->setContentOffset(CGPointZero);
    host.drag(carousel, CGPointMake(300, 100), CGPointMake(200, 100));  // horizontal
    EXPECT_GT(carousel->contentOffset().x, 0);
    EXPECT_DOUBLE_EQ(scroll->contentOffset().y, 0);
    host.advance(1);
}

// A subclass refusing its pan (as a pull manager does).
class LockedScrollView : public UIScrollView {
    FV_CLASS(LockedScrollView, UIScrollView)
    bool gestureRecognizerShouldBegin(UIGestureRecognizer* r) override {
        ++asked;
        return r != panGestureRecognizer().get() && UIScrollView::gestureRecognizerShouldBegin(r);
    }
    int asked = 0;
};

TEST_F(ScrollViewTest, SubclassMayRefuseItsPanAndScrollCanBeDisabled) {
    auto locked = std::make_shared<LockedScrollView>();
    locked->setFrame(CGRectMake(0, 0, 375, 300));
    locked->setContentSize(CGSizeMake(375, 1000));
    host.window()->addSubview(locked);
    EXPECT_EQ(locked->panGestureRecognizer()->delegate().get(),
              static_cast<UIGestureRecognizerDelegate*>(locked.get()));
    host.drag(locked, CGPointMake(100, 200), CGPointMake(100, 100));
    EXPECT_GE(locked->asked, 1);
    EXPECT_DOUBLE_EQ(locked->contentOffset().y, 0);
    locked->removeFromSuperview();

    scroll->setScrollEnabled(false);
    dragUp(100);
    EXPECT_TRUE(log->calls.empty());
}

TEST_F(ScrollViewTest, ContentIsDrawnAtTheOffsetAndClipped) {
    EXPECT_TRUE(scroll->clipsToBounds());
    auto child = UIView::create(CGRectMake(0, 500, 10, 10));
    scroll->addSubview(child);
    scroll->setContentOffset(CGPointMake(0, 450));
    CGPoint inWindow = child->convertPointToView(CGPointZero, nullptr);
    EXPECT_DOUBLE_EQ(inWindow.y, 100 + 50);
}

}  // namespace
}  // namespace fv
