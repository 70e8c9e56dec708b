#include <gtest/gtest.h>

#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIView.h"

namespace fv {
namespace {

class AnimationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RunLoop::main().setVirtualClock(true);
        RunLoop::main().reset();
        AnimationLog::clear();
    }
    void TearDown() override { RunLoop::main().reset(); }
};

TEST_F(AnimationTest, ModelValuesAtOnceCompletionAfterDuration) {
    auto v = UIView::create({{0, 0}, {10, 10}});
    std::vector<bool> done;
    UIView::animateWithDuration(
        0.3, [&] { v->setAlpha(0); }, [&](bool finished) { done.push_back(finished); });
    EXPECT_EQ(v->alpha(), 0);
    RunLoop::main().advance(0.29);
    EXPECT_TRUE(done.empty());
    RunLoop::main().advance(0.02);
    EXPECT_EQ(done, std::vector<bool>{true});
}

TEST_F(AnimationTest, ZeroDurationCompletesNextTurnNeverInsideTheCall) {
    bool done = false;
    UIView::animateWithDuration(
        0, [] {}, [&](bool) { done = true; });
    EXPECT_FALSE(done);
    RunLoop::main().runOnce();
    EXPECT_TRUE(done);
}

TEST_F(AnimationTest, LaterAnimationNeverCancelsEarlierCompletion) {
    auto v = UIView::create();
    std::vector<std::string> order;
    UIView::animateWithDuration(
        0.5, [&] { v->setAlpha(0.2); }, [&](bool f) { order.push_back(f ? "first" : "x"); });
    RunLoop::main().advance(0.1);
    UIView::animateWithDuration(
        0.2, 0.1, UIViewAnimationOptionCurveEaseOut, [&] { v->setAlpha(0.8); },
        [&](bool f) { order.push_back(f ? "second" : "x"); });
    EXPECT_EQ(v->alpha(), 0.8);
    RunLoop::main().advance(0.35);  // second: 0.1 + 0.1 delay + 0.2 = 0.4
    EXPECT_EQ(order, std::vector<std::string>{"second"});
    RunLoop::main().advance(0.2);
    EXPECT_EQ(order, (std::vector<std::string>{"second", "first"}));
}

TEST_F(AnimationTest, RecordsTransitionsAndChangedPropertiesExceptWithoutAnimation) {
    auto v = UIView::create();
    UIView::transitionWithView(v, 0.4, UIViewAnimationOptionTransitionFlipFromLeft, [&] {
        v->setBackgroundColor(UIColor::redColor());
        v->setFrame({{1, 2}, {3, 4}});
        UIView::performWithoutAnimation([&] { v->setHidden(true); });
    });
    const AnimationRecord* r = AnimationLog::last();
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->kind, AnimationRecord::Kind::Transition);
    EXPECT_EQ(r->options, 1u << 20);
    EXPECT_EQ(r->duration, 0.4);
    EXPECT_EQ(r->view.lock(), v);
    EXPECT_EQ(r->changedProperties(), (std::vector<std::string>{"backgroundColor", "frame"}));
    EXPECT_EQ(UIViewAnimationOptionTransitionFlipFromRight, 2u << 20);
    EXPECT_EQ(AnimationLog::recordsForView(v.get()).size(), 1u);
}

}  // namespace
}  // namespace fv
