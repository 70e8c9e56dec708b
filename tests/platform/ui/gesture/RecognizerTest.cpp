#include <gtest/gtest.h>

#include "platform/foundation/RunLoop.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/TouchDispatch.h"
#include "platform/ui/UIControl.h"
#include "platform/ui/UILongPressGestureRecognizer.h"
#include "platform/ui/UINib.h"
#include "platform/ui/UIPanGestureRecognizer.h"
#include "platform/ui/UISwipeGestureRecognizer.h"
#include "platform/ui/UITapGestureRecognizer.h"
#include "tests/platform/ui/gesture/Support.h"

namespace fv {
namespace {

constexpr int kPossible = UIGestureRecognizerStatePossible;
constexpr int kBegan = UIGestureRecognizerStateBegan;
constexpr int kChanged = UIGestureRecognizerStateChanged;
constexpr int kEnded = UIGestureRecognizerStateEnded;
constexpr int kCancelled = UIGestureRecognizerStateCancelled;
constexpr int kFailed = UIGestureRecognizerStateFailed;

class GestureTest : public TestHostFixture {
  protected:
    void SetUp() override {
        box = TouchLogView::make(CGRectMake(50, 100, 200, 200));
        host.window()->addSubview(box);
        actions = std::make_shared<GestureActionLog>();
    }
    template <typename R>
    std::shared_ptr<R> attach(const UIViewPtr& view = nullptr) {
        auto r = std::make_shared<R>();
        r->addTarget(actions, "handle:");
        (view ? view : UIViewPtr(box))->addGestureRecognizer(r);
        return r;
    }
    double now() const { return RunLoop::main().now(); }

    std::shared_ptr<TouchLogView> box;
    std::shared_ptr<GestureActionLog> actions;
};

TEST_F(GestureTest, TapRecognisesOnLiftAndCancelsTheViewsTouches) {
    auto tap = attach<UITapGestureRecognizer>();
    auto states = observeStates(*tap, actions.get());
    ASSERT_TRUE(host.tap(CGPointMake(100, 150)));
    EXPECT_EQ(actions->entries, std::vector<int>{kEnded});
    EXPECT_EQ(*states, std::vector<int>{kEnded});
    EXPECT_EQ(box->log, (std::vector<std::string>{"began", "cancelled"}));
    EXPECT_EQ(tap->state(), kPossible);  // ready for the next gesture
    EXPECT_EQ(tap->view(), box.get());
    EXPECT_DOUBLE_EQ(tap->locationInView(box.get()).x, 50);
}

TEST_F(GestureTest, TapThatKeepsTouchesInViewLetsTheViewSeeTheEnd) {
    auto tap = attach<UITapGestureRecognizer>();
    tap->setCancelsTouchesInView(false);
    host.tap(CGPointMake(100, 150));
    EXPECT_EQ(actions->entries, std::vector<int>{kEnded});
    EXPECT_EQ(box->log, (std::vector<std::string>{"began", "ended"}));
}

TEST_F(GestureTest, TapFailsWhenTheFingerWanders) {
    auto tap = attach<UITapGestureRecognizer>();
    auto states = observeStates(*tap, actions.get());
    host.drag(box, CGPointMake(20, 20), CGPointMake(60, 20));
    EXPECT_TRUE(actions->entries.empty());
    EXPECT_EQ(*states, std::vector<int>{kFailed});
    EXPECT_EQ(box->log, (std::vector<std::string>{"began", "moved", "ended"}));
}

TEST_F(GestureTest, DoubleTapNeedsTheSecondTapInTime) {
    auto doubleTap = attach<UITapGestureRecognizer>();
    doubleTap->setNumberOfTapsRequired(2);
    host.tap(CGPointMake(100, 150));
    host.tap(CGPointMake(102, 151));
    EXPECT_EQ(actions->entries, std::vector<int>{kEnded});

    host.tap(CGPointMake(100, 150));
    host.advance(0.5);
    host.tap(CGPointMake(100, 150));
    host.advance(0.5);
    EXPECT_EQ(actions->entries.size(), 1u);
}

TEST_F(GestureTest, TwoFingerTapNeedsBothFingers) {
    auto tap = attach<UITapGestureRecognizer>();
    tap->setNumberOfTouchesRequired(2);
    host.tap(CGPointMake(100, 150));
    EXPECT_TRUE(actions->entries.empty());

    TouchDispatch::touchDown(CGPointMake(100, 150), now(), 0);
    TouchDispatch::touchDown(CGPointMake(140, 150), now(), 1);
    EXPECT_FALSE(TouchDispatch::touchDown(CGPointMake(140, 150), now(), 1)) << "finger 1 is already down";
    TouchDispatch::touchUp(CGPointMake(100, 150), now() + 0.05, 0);
    EXPECT_TRUE(actions->entries.empty());
    TouchDispatch::touchUp(CGPointMake(140, 150), now(), 1);
    EXPECT_EQ(actions->entries, std::vector<int>{kEnded});
    EXPECT_FALSE(TouchDispatch::isTouching());
}

TEST_F(GestureTest, SingleTapWaitsForTheDoubleTapToFail) {
    auto doubleTap = std::make_shared<UITapGestureRecognizer>();
    doubleTap->setNumberOfTapsRequired(2);
    auto doubleLog = std::make_shared<GestureActionLog>();
    doubleTap->addTarget(doubleLog, "handle:");
    box->addGestureRecognizer(doubleTap);
    auto single = attach<UITapGestureRecognizer>();
    single->requireGestureRecognizerToFail(doubleTap);

    double start = now();
    host.tap(CGPointMake(100, 150));
    EXPECT_TRUE(actions->entries.empty()) << "must wait for the double tap";
    host.advance(0.5);
    ASSERT_EQ(actions->entries, std::vector<int>{kEnded});
    EXPECT_NEAR(actions->times[0] - start, UITapGestureRecognizer::kMaximumTapInterval, 0.02);
    EXPECT_TRUE(doubleLog->entries.empty());

    host.tap(CGPointMake(100, 150));
    host.tap(CGPointMake(100, 150));
    host.advance(0.5);
    EXPECT_EQ(doubleLog->entries, std::vector<int>{kEnded});
    EXPECT_EQ(actions->entries.size(), 1u) << "the single tap fails once the double tap recognises";
}

TEST_F(GestureTest, PanReportsTranslationVelocityAndEachStateChangeOnce) {
    auto pan = attach<UIPanGestureRecognizer>();
    auto states = observeStates(*pan, actions.get());
    CGPoint translation, velocity;
    pan->addObserver(actions.get(), "state", [&](const Value&, const Value& s) {
        if (s.asInteger() == kEnded)
            translation = pan->translationInView(box.get()), velocity = pan->velocityInView(box.get());
    });
    // 100 points right over 10 steps at 500 points per second.
    host.drag(box, CGPointMake(20, 20), CGPointMake(120, 20), 500);
    EXPECT_EQ(*states, (std::vector<int>{kBegan, kChanged, kEnded}));
    ASSERT_GE(actions->entries.size(), 4u);
    EXPECT_EQ(actions->entries.front(), kBegan);
    EXPECT_EQ(actions->entries.back(), kEnded);
    EXPECT_EQ(std::count(actions->entries.begin(), actions->entries.end(), kChanged),
              static_cast<long>(actions->entries.size()) - 2);
    EXPECT_DOUBLE_EQ(translation.x, 100);
    EXPECT_DOUBLE_EQ(translation.y, 0);
    EXPECT_NEAR(velocity.x, 500, 1);
    EXPECT_EQ(box->log.back(), "cancelled");
}

TEST_F(GestureTest, PanBelowTheThresholdNeverBegins) {
    auto pan = attach<UIPanGestureRecognizer>();
    host.drag(box, CGPointMake(20, 20), CGPointMake(26, 20));
    EXPECT_TRUE(actions->entries.empty());
    EXPECT_EQ(box->log.back(), "ended");
}

TEST_F(GestureTest, PanTestSeamsSetTranslationVelocityAndState) {
    auto pan = attach<UIPanGestureRecognizer>();
    pan->setTranslation(CGPointMake(30, -5), box.get());
    pan->setVelocity(CGPointMake(250, 0), box.get());
    pan->setState(UIGestureRecognizerStateBegan);
    EXPECT_EQ(actions->entries, std::vector<int>{kBegan});
    EXPECT_EQ(pan->state(), kBegan);
    EXPECT_DOUBLE_EQ(pan->translationInView(box.get()).x, 30);
    EXPECT_DOUBLE_EQ(pan->translationInView(nullptr).y, -5);
    EXPECT_DOUBLE_EQ(pan->velocityInView(box.get()).x, 250);
}

TEST_F(GestureTest, LongPressBeginsAfterItsDurationOnTheClock) {
    auto press = attach<UILongPressGestureRecognizer>();
    press->setMinimumPressDuration(0.16);
    double start = now();
    ASSERT_TRUE(TouchDispatch::touchDown(CGPointMake(100, 150), start));
    host.advance(0.1);
    EXPECT_TRUE(actions->entries.empty());
    host.advance(0.1);
    ASSERT_EQ(actions->entries, std::vector<int>{kBegan});
    EXPECT_NEAR(actions->times[0] - start, 0.16, 1e-9);
    EXPECT_EQ(box->log, (std::vector<std::string>{"began", "cancelled"}));
    TouchDispatch::touchMove(CGPointMake(140, 150));
    TouchDispatch::touchUp(CGPointMake(140, 150));
    EXPECT_EQ(actions->entries, (std::vector<int>{kBegan, kChanged, kEnded}));
}

struct EarlyEnd {
    const char* name;
    double holdSeconds;
    CGFloat moveBy;
};

class LongPressFailureTest : public GestureTest, public ::testing::WithParamInterface<EarlyEnd> {};

TEST_P(LongPressFailureTest, FailsWithoutAction) {
    auto press = attach<UILongPressGestureRecognizer>();
    auto states = observeStates(*press, actions.get());
    TouchDispatch::touchDown(CGPointMake(100, 150), now());
    TouchDispatch::touchMove(CGPointMake(100 + GetParam().moveBy, 150), now() + 0.05);
    TouchDispatch::touchUp(CGPointMake(100 + GetParam().moveBy, 150), now() + GetParam().holdSeconds);
    host.advance(1);
    EXPECT_TRUE(actions->entries.empty());
    EXPECT_EQ(*states, std::vector<int>{kFailed});
    EXPECT_EQ(box->log.back(), "ended");
}

INSTANTIATE_TEST_SUITE_P(Gestures, LongPressFailureTest,
                         ::testing::Values(EarlyEnd{"LiftedTooSoon", 0.2, 0},
                                           EarlyEnd{"MovedTooFar", 0.6, 30}),
                         [](const auto& info) { return std::string(info.param.name); });

// A subclass hook may fail the gesture itself.
class StrictLongPress : public UILongPressGestureRecognizer {
    FV_CLASS(StrictLongPress, UILongPressGestureRecognizer)
    void touchesMoved(const UITouchSet& touches, UIEvent* event) override {
        UILongPressGestureRecognizer::touchesMoved(touches, event);
        if (state() == UIGestureRecognizerStateBegan || state() == UIGestureRecognizerStateChanged)
            setState(UIGestureRecognizerStateFailed);
    }
};

TEST_F(GestureTest, SubclassHookForcesFailure) {
    auto press = attach<StrictLongPress>();
    press->setMinimumPressDuration(0.16);
    auto states = observeStates(*press, actions.get());
    TouchDispatch::touchDown(CGPointMake(100, 150), now());
    host.advance(0.2);
    TouchDispatch::touchMove(CGPointMake(105, 150));
    TouchDispatch::touchUp(CGPointMake(105, 150));
    EXPECT_EQ(*states, (std::vector<int>{kBegan, kChanged, kFailed}));
    EXPECT_EQ(actions->entries, (std::vector<int>{kBegan, kChanged}));
}

struct SwipeCase {
    const char* name;
    unsigned direction;
    CGPoint to;
    double velocity;
    bool recognised;
};

class SwipeTest : public GestureTest, public ::testing::WithParamInterface<SwipeCase> {};

TEST_P(SwipeTest, RecognisesOnlyItsDirectionAtSpeed) {
    auto swipe = attach<UISwipeGestureRecognizer>();
    swipe->setDirection(GetParam().direction);
    host.drag(box, CGPointMake(100, 100), GetParam().to, GetParam().velocity);
    EXPECT_EQ(actions->entries, GetParam().recognised ? std::vector<int>{kEnded} : std::vector<int>{});
}

INSTANTIATE_TEST_SUITE_P(
    Gestures, SwipeTest,
    ::testing::Values(
        SwipeCase{"Left", UISwipeGestureRecognizerDirectionLeft, {20, 100}, 1000, true},
        SwipeCase{"RightWhenLeftWanted", UISwipeGestureRecognizerDirectionLeft, {180, 100}, 1000, false},
        SwipeCase{"UpOrDown",
                  UISwipeGestureRecognizerDirectionUp | UISwipeGestureRecognizerDirectionDown,
                  {105, 180},
                  1000,
                  true},
        SwipeCase{"TooSlow", UISwipeGestureRecognizerDirectionLeft, {20, 100}, 50, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Answers the delegate questions as configured.
class GestureDelegate : public NSObject, public UIGestureRecognizerDelegate {
    FV_CLASS(GestureDelegate, NSObject)
    bool gestureRecognizerShouldBegin(UIGestureRecognizer*) override { return begin; }
    bool gestureRecognizerShouldReceiveTouch(UIGestureRecognizer*, UITouch*) override { return receive; }
    bool gestureRecognizerShouldRecognizeSimultaneouslyWithGestureRecognizer(UIGestureRecognizer*,
                                                                             UIGestureRecognizer*) override {
        return simultaneous;
    }
    bool begin = true, receive = true, simultaneous = false;
};

TEST_F(GestureTest, DelegateAndViewCanRefuseARecogniser) {
    auto tap = attach<UITapGestureRecognizer>();
    auto delegate = std::make_shared<GestureDelegate>();
    tap->setDelegate(delegate);

    delegate->receive = false;
    host.tap(CGPointMake(100, 150));
    EXPECT_TRUE(actions->entries.empty());
    EXPECT_EQ(box->log.back(), "ended");

    delegate->receive = true;
    delegate->begin = false;
    host.tap(CGPointMake(100, 150));
    EXPECT_TRUE(actions->entries.empty());

    delegate->begin = true;
    box->allowRecognizers = false;
    host.tap(CGPointMake(100, 150));
    EXPECT_TRUE(actions->entries.empty());

    box->allowRecognizers = true;
    host.tap(CGPointMake(100, 150));
    EXPECT_EQ(actions->entries, std::vector<int>{kEnded});

    // Without a delegate the view is still asked.
    tap->setDelegate(nullptr);
    box->allowRecognizers = false;
    host.tap(CGPointMake(100, 150));
    EXPECT_EQ(actions->entries, std::vector<int>{kEnded});
}

// Counts the touch-up-inside actions of a control.
class ControlTaps : public NSObject {
    FV_CLASS(ControlTaps, NSObject)
    static void registerMembers(ClassBuilder<ControlTaps>& b) {
        b.action("tapped:",
                 std::function<void(ControlTaps&, NSObject*)>([](ControlTaps& t, NSObject*) { ++t.count; }));
    }
    int count = 0;
};

TEST_F(GestureTest, AControlsTapWinsOverAnAncestorsSingleTap) {
    auto ancestorTap = attach<UITapGestureRecognizer>();
    auto control = std::make_shared<UIControl>(CGRectMake(10, 10, 80, 40));
    box->addSubview(control);
    auto taps = std::make_shared<ControlTaps>();
    control->addTarget(taps, "tapped:", UIControlEventTouchUpInside);
    const CGPoint onControl = CGPointMake(80, 130);

    ASSERT_TRUE(host.tap(onControl));
    EXPECT_EQ(taps->count, 1);
    EXPECT_TRUE(actions->entries.empty());
    host.tap(CGPointMake(200, 250));  // beside the control the ancestor's tap still recognises
    EXPECT_EQ(actions->entries, std::vector<int>{kEnded});

    // The control's own single tap is not refused: it takes the touch from the control.
    auto ownTap = attach<UITapGestureRecognizer>(control);
    host.advance(1);
    host.tap(onControl);
    EXPECT_EQ(actions->entries, (std::vector<int>{kEnded, kEnded}));
    EXPECT_EQ(ownTap->view(), control.get());
    EXPECT_EQ(taps->count, 1);
    control->removeGestureRecognizer(ownTap.get());

    // Nor is an ancestor's double tap.
    ancestorTap->setNumberOfTapsRequired(2);
    host.advance(1);
    host.tap(onControl);
    host.tap(onControl);
    EXPECT_EQ(actions->entries, (std::vector<int>{kEnded, kEnded, kEnded}));
}

TEST_F(GestureTest, InnerRecogniserExcludesOuterUnlessSimultaneous) {
    auto inner = TouchLogView::make(CGRectMake(10, 10, 100, 100));
    box->addSubview(inner);
    auto outerPan = attach<UIPanGestureRecognizer>(box);
    auto innerLog = std::make_shared<GestureActionLog>();
    auto innerPan = std::make_shared<UIPanGestureRecognizer>();
    innerPan->addTarget(innerLog, "handle:");
    inner->addGestureRecognizer(innerPan);

    host.drag(inner, CGPointMake(20, 20), CGPointMake(80, 20));
    EXPECT_FALSE(innerLog->entries.empty());
    EXPECT_TRUE(actions->entries.empty());

    auto delegate = std::make_shared<GestureDelegate>();
    delegate->simultaneous = true;
    innerPan->setDelegate(delegate);
    innerLog->entries.clear();
    host.drag(inner, CGPointMake(20, 20), CGPointMake(80, 20));
    EXPECT_FALSE(innerLog->entries.empty());
    EXPECT_FALSE(actions->entries.empty());
    EXPECT_EQ(actions->entries.back(), kEnded);
}

TEST_F(GestureTest, DisablingMidGestureCancels) {
    auto pan = attach<UIPanGestureRecognizer>();
    TouchDispatch::touchDown(CGPointMake(100, 150), now());
    TouchDispatch::touchMove(CGPointMake(150, 150), now() + 0.05);
    pan->setEnabled(false);
    TouchDispatch::touchMove(CGPointMake(160, 150), now() + 0.05);
    TouchDispatch::touchUp(CGPointMake(160, 150));
    EXPECT_EQ(actions->entries, (std::vector<int>{kBegan, kCancelled}));
    pan->setEnabled(true);
    host.pan(box, CGPointMake(40, 0));
    EXPECT_EQ(actions->entries.back(), kEnded);
}

TEST_F(GestureTest, ScreenEdgePanOnlyFromTheEdge) {
    auto edge = attach<UIScreenEdgePanGestureRecognizer>(host.window());
    host.drag(host.window(), CGPointMake(100, 400), CGPointMake(250, 400));
    EXPECT_TRUE(actions->entries.empty());
    host.drag(host.window(), CGPointMake(5, 400), CGPointMake(150, 400));
    EXPECT_EQ(actions->entries.front(), kBegan);
    EXPECT_EQ(actions->entries.back(), kEnded);
}

// ---- delivery ----

TEST_F(GestureTest, TouchesSkipHiddenAndNonInteractiveViews) {
    auto front = TouchLogView::make(CGRectMake(0, 0, 200, 200));
    box->addSubview(front);
    front->setHidden(true);
    host.tap(CGPointMake(100, 150));
    EXPECT_TRUE(front->log.empty());
    EXPECT_EQ(box->log, (std::vector<std::string>{"began", "ended"}));

    front->setHidden(false);
    front->setUserInteractionEnabled(false);
    host.tap(CGPointMake(100, 150));
    EXPECT_TRUE(front->log.empty());
    EXPECT_EQ(box->log.size(), 4u);

    front->setUserInteractionEnabled(true);
    host.tap(CGPointMake(100, 150));
    EXPECT_EQ(front->log.size(), 2u);
}

TEST_F(GestureTest, SwallowingOverlayWindowStopsTouches) {
    auto tap = attach<UITapGestureRecognizer>();
    auto overlay = UIWindow::create();
    overlay->setWindowLevel(UIWindowLevelAlert);
    overlay->setHidden(false);
    EXPECT_TRUE(host.tap(CGPointMake(100, 150)));
    EXPECT_TRUE(actions->entries.empty());
    EXPECT_TRUE(box->log.empty());

    overlay->setUserInteractionEnabled(false);  // a pass-through overlay
    host.tap(CGPointMake(100, 150));
    EXPECT_EQ(actions->entries, std::vector<int>{kEnded});
    overlay->setHidden(true);
}

TEST_F(GestureTest, RecognisersAttachFromInterfaceFiles) {
    auto owner = std::make_shared<GestureActionLog>();
    auto nib = UINib::nibWithXML(R"(<interface>
  <UIView frame="0 0 100 100">
    <UITapGestureRecognizer numberOfTapsRequired="2" cancelsTouchesInView="false">
      <action selector="handle:"/>
    </UITapGestureRecognizer>
  </UIView>
</interface>)",
                                 "GestureNib");
    auto objects = nib->instantiateWithOwner(owner);
    ASSERT_EQ(objects.size(), 1u);
    auto view = std::dynamic_pointer_cast<UIView>(objects[0]);
    ASSERT_TRUE(view);
    ASSERT_EQ(view->gestureRecognizers().size(), 1u);
    auto tap = std::dynamic_pointer_cast<UITapGestureRecognizer>(view->gestureRecognizers()[0]);
    ASSERT_TRUE(tap);
    EXPECT_EQ(tap->numberOfTapsRequired(), 2);
    EXPECT_FALSE(tap->cancelsTouchesInView());
    EXPECT_EQ(tap->view(), view.get());
    host.window()->addSubview(view);
    host.tap(CGPointMake(50, 50));
    host.tap(CGPointMake(50, 50));
    EXPECT_EQ(owner->entries, std::vector<int>{kEnded});
    view->removeFromSuperview();
}

TEST_F(GestureTest, RecogniserOutlivingItsViewForgetsIt) {
    auto tap = std::make_shared<UITapGestureRecognizer>();
    {
        auto v = UIView::create(CGRectMake(0, 0, 10, 10));
        v->addGestureRecognizer(tap);
        EXPECT_EQ(tap->view(), v.get());
        auto other = UIView::create();
        other->addGestureRecognizer(tap);
        EXPECT_TRUE(v->gestureRecognizers().empty());
        EXPECT_EQ(tap->view(), other.get());
    }
    EXPECT_EQ(tap->view(), nullptr);
}

}  // namespace
}  // namespace fv
