#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "controls/SlidingButton.h"
#include "core/FrameworkResources.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/RunLoop.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UIPanGestureRecognizer.h"

namespace fv {
namespace {

struct RecordingDelegate : SlideButtonDelegate {
    void buttonStatus(const std::string& status, SlidingButton* sender) override {
        calls.emplace_back(status, sender);
    }
    std::vector<std::pair<std::string, SlidingButton*>> calls;
};

constexpr CGFloat kWidth = 300, kHeight = 60;

class SlidingButtonTest : public TestHostFixture {
  protected:
    // A control on the host's root screen, laid out, with a delegate.
    SlidingButtonPtr showButton(CGFloat width = kWidth, const std::string& text = "UNLOCK") {
        auto button = SlidingButton::create(CGRectMake(20, 200, width, kHeight));
        button->setButtonText(text);
        button->setDelegate(delegate);
        host.rootScreen()->view()->addSubview(button);
        host.runUntilIdle();
        return button;
    }
    // A finger on the visible end of the knob, moved by dx at `speed` points per second.
    void slide(const SlidingButtonPtr& button, CGFloat dx, double speed) {
        const CGFloat start = button->dragPointWidth() / 2;
        ASSERT_TRUE(host.drag(button, {start, kHeight / 2}, {start + dx, kHeight / 2}, speed));
    }
    static CGFloat knobX(const SlidingButtonPtr& b) { return b->dragPoint()->frame().origin.x; }
    static CGFloat restX(const SlidingButtonPtr& b) { return b->dragPointWidth() - b->bounds().size.width; }

    std::shared_ptr<RecordingDelegate> delegate = std::make_shared<RecordingDelegate>();
};

TEST_F(SlidingButtonTest, FirstLayoutBuildsTheTreeOnceWithTheKnobAtRest) {
    auto button = showButton();
    const auto knob = button->dragPoint();
    EXPECT_EQ(knob->superview(), button.get());
    EXPECT_EQ(button->subviews().back(), knob);  // over the track label
    EXPECT_EQ(knob->frame(), CGRectMake(70 - kWidth, 0, kWidth, kHeight));
    EXPECT_TRUE(button->clipsToBounds());
    EXPECT_EQ(button->buttonLabel()->superview(), button.get());
    EXPECT_EQ(button->buttonLabel()->text(), "UNLOCK");
    EXPECT_EQ(button->dragPointButtonLabel()->superview(), knob.get());
    EXPECT_EQ(button->dragPointButtonLabel()->text(), "UNLOCK");
    EXPECT_EQ(button->imageView()->superview(), nullptr);  // no icon set
    ASSERT_EQ(knob->gestureRecognizers().size(), 1u);
    EXPECT_TRUE(knob->gestureRecognizers()[0]->isKindOfClass("UIPanGestureRecognizer"));
    EXPECT_TRUE(button->layoutSet());

    // A later resize neither rebuilds nor re-places anything.
    button->setFrame(CGRectMake(0, 200, 360, 80));
    host.runUntilIdle();
    EXPECT_EQ(button->dragPoint(), knob);
    EXPECT_EQ(knob->frame(), CGRectMake(70 - kWidth, 0, kWidth, kHeight));
    EXPECT_EQ(knob->gestureRecognizers().size(), 1u);
}

TEST_F(SlidingButtonTest, SlowDragEndingWithinSixtyPointsOfTheEndUnlocksOnce) {
    auto button = showButton();
    AnimationLog::clear();
    // Released at 165 moving 50 pt/s: projected 175, and 175 + 70 passes 300 - 60.
    slide(button, 165, 50);
    EXPECT_TRUE(button->unlocked());
    EXPECT_EQ(knobX(button), 0);  // the slide's end values apply at once
    EXPECT_TRUE(delegate->calls.empty());

    host.advance(0.19);
    EXPECT_TRUE(delegate->calls.empty());
    host.advance(0.02);
    ASSERT_EQ(delegate->calls.size(), 1u);
    EXPECT_EQ(delegate->calls[0].first, "Unlocked");
    EXPECT_EQ(delegate->calls[0].second, button.get());
    EXPECT_EQ(button->dragPointButtonLabel()->text(), "UNLOCKED");
    EXPECT_TRUE(colorsEqual(button->dragPoint()->backgroundColor(), UIColor::blackColor()));
    EXPECT_TRUE(button->imageView()->isHidden());

    // The settle that follows finds the control unlocked and leaves it so.
    host.advance(2);
    EXPECT_TRUE(button->unlocked());
    EXPECT_EQ(knobX(button), 0);
    EXPECT_EQ(delegate->calls.size(), 1u);

    std::vector<double> durations;
    for (const auto& r : AnimationLog::recordsForView(button.get())) {
        EXPECT_EQ(r.kind, AnimationRecord::Kind::Transition);
        EXPECT_EQ(r.options, UIViewAnimationOptionCurveEaseOut);
        durations.push_back(r.duration);
    }
    ASSERT_EQ(durations.size(), 2u);
    EXPECT_DOUBLE_EQ(durations[0], 0.2);    // the slide to the end
    EXPECT_DOUBLE_EQ(durations[1], 0.202);  // the settle: 0.2 + 0.2 * 50 * 0.0002
}

TEST_F(SlidingButtonTest, ShortReleaseStaysWhileSettlingThenSlidesBack) {
    auto button = showButton();
    // Released at 155 moving 50 pt/s: projected 165, and 165 + 70 falls short of 240.
    slide(button, 155, 50);
    EXPECT_FALSE(button->unlocked());
    EXPECT_DOUBLE_EQ(knobX(button), 155 - (kWidth - 70));

    host.advance(0.2);  // the settle lasts 0.202 s
    EXPECT_DOUBLE_EQ(knobX(button), 155 - (kWidth - 70));
    host.advance(0.01);
    EXPECT_EQ(knobX(button), restX(button));
    host.advance(0.2);
    EXPECT_FALSE(button->unlocked());
    EXPECT_EQ(button->dragPointButtonLabel()->text(), "UNLOCK");
    EXPECT_TRUE(colorsEqual(button->dragPoint()->backgroundColor(), UIColor::darkGrayColor()));
    EXPECT_TRUE(delegate->calls.empty());
}

TEST_F(SlidingButtonTest, FastFlickUnlocksFromAShortDragAndSettlesLonger) {
    auto button = showButton();
    AnimationLog::clear();
    slide(button, 100, 2000);  // projected 100 + 400
    EXPECT_TRUE(button->unlocked());
    const auto records = AnimationLog::recordsForView(button.get());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_NEAR(records[1].duration, 0.28, 1e-9);
    host.advance(0.3);
    EXPECT_EQ(delegate->calls.size(), 1u);
}

struct LeftCase {
    CGFloat width, dx;
    double speed;
};

class SlidingButtonLeft : public SlidingButtonTest, public ::testing::WithParamInterface<LeftCase> {};

TEST_P(SlidingButtonLeft, NeverUnlocks) {
    const auto c = GetParam();
    auto button = showButton(c.width);
    slide(button, c.dx, c.speed);
    EXPECT_FALSE(button->unlocked());
    host.advance(2);
    EXPECT_FALSE(button->unlocked());
    EXPECT_EQ(knobX(button), restX(button));
    EXPECT_TRUE(delegate->calls.empty());
}

INSTANTIATE_TEST_SUITE_P(Throws, SlidingButtonLeft,
                         ::testing::Values(LeftCase{kWidth, -100, 2000},
                                           // Projected -20: its right edge would pass the threshold
                                           // of so narrow a track, yet a throw to the left never counts.
                                           LeftCase{100, -15, 25}));

TEST_F(SlidingButtonTest, CancelledDragLeavesTheKnobWhereItWas) {
    auto button = showButton();
    auto pan =
        std::dynamic_pointer_cast<UIPanGestureRecognizer>(button->dragPoint()->gestureRecognizers().at(0));
    ASSERT_NE(pan, nullptr);
    pan->setState(UIGestureRecognizerStateBegan);
    pan->setTranslation({200, 0}, button.get());
    pan->setState(UIGestureRecognizerStateChanged);
    pan->setState(UIGestureRecognizerStateCancelled);
    host.advance(2);
    EXPECT_DOUBLE_EQ(knobX(button), 200 - (kWidth - 70));
    EXPECT_FALSE(button->unlocked());
    EXPECT_TRUE(delegate->calls.empty());
}

TEST_F(SlidingButtonTest, TrackOnlyTextKnobShowsTheUnlockedTextAndKeepsItAfterReset) {
    auto button = showButton(kWidth, "SLIDE TO TRANSFER");
    EXPECT_EQ(button->buttonLabel()->text(), "SLIDE TO TRANSFER");
    EXPECT_EQ(button->dragPointButtonLabel()->text(), std::nullopt);
    slide(button, 200, 50);
    host.advance(0.3);
    EXPECT_EQ(button->dragPointButtonLabel()->text(), "UNLOCKED");
    button->reset();
    host.advance(0.3);
    EXPECT_FALSE(button->unlocked());
    EXPECT_EQ(knobX(button), restX(button));
    EXPECT_EQ(button->dragPointButtonLabel()->text(), "UNLOCKED");
}

TEST_F(SlidingButtonTest, DelegateIsHeldWeakly) {
    auto button = showButton();
    std::weak_ptr<RecordingDelegate> weak = delegate;
    delegate.reset();
    EXPECT_TRUE(weak.expired());
    EXPECT_EQ(button->delegate(), nullptr);
    slide(button, 200, 50);
    host.advance(0.3);  // unlocks with nobody to tell
    EXPECT_TRUE(button->unlocked());
    EXPECT_TRUE(colorsEqual(button->dragPoint()->backgroundColor(), UIColor::blackColor()));
}

TEST_F(SlidingButtonTest, SetStyleAfterSetUpKeepsTheKnobAsWideAsTheControl) {
    auto button = showButton();
    button->setDragPointWidth(90);
    EXPECT_EQ(button->dragPoint()->frame(), CGRectMake(90 - kWidth, 0, kWidth, kHeight));
    slide(button, 200, 50);
    host.advance(0.3);
    button->setButtonCornerRadius(12);
    EXPECT_EQ(button->dragPoint()->frame(), CGRectMake(0, 0, kWidth, kHeight));
    EXPECT_EQ(button->layer()->cornerRadius, 12);
    EXPECT_EQ(button->dragPoint()->layer()->cornerRadius, 12);
}

TEST(SlidingButtonProperties, SetByNameThroughTheRealSetters) {
    auto object = ClassRegistry::create("SlidingButton");
    auto button = std::dynamic_pointer_cast<SlidingButton>(object);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->valueForKey("dragPointWidth").doubleValue(), 70);
    EXPECT_EQ(button->valueForKey("buttonText").stringValue(), "UNLOCK");
    EXPECT_FALSE(button->valueForKey("unlocked").boolValue());
    EXPECT_TRUE(button->valueForKey("nonsense").isNull());

    // A plain store changes no view ...
    EXPECT_TRUE(button->setValueForKey("dragPointColor", Value("#FF0000")));
    EXPECT_TRUE(colorsEqual(button->dragPointColor(), UIColor::redColor()));
    EXPECT_FALSE(colorsEqual(button->dragPoint()->backgroundColor(), UIColor::redColor()));
    // ... while these re-apply the style to the placeholders.
    EXPECT_TRUE(button->setValueForKey("buttonText", Value("SLIDE TO TRANSFER")));
    EXPECT_EQ(button->buttonLabel()->text(), "SLIDE TO TRANSFER");
    EXPECT_TRUE(colorsEqual(button->dragPoint()->backgroundColor(), UIColor::redColor()));
    EXPECT_TRUE(button->setValueForKey("dragPointWidth", Value(90.0)));
    EXPECT_EQ(button->dragPoint()->frame().size.width, 90);
    EXPECT_TRUE(button->setValueForKey("buttonCornerRadius", Value(8)));
    EXPECT_EQ(button->layer()->cornerRadius, 8);

    EXPECT_TRUE(button->setValueForKey("buttonFont", Value("boldSystem 20")));
    EXPECT_TRUE(fontsEqual(button->buttonFont(), UIFont::boldSystemFontOfSize(20)));
    EXPECT_TRUE(button->setValueForKey("imageName", Value("slide_arrow")));
    EXPECT_FALSE(button->imageName()->isEmpty());
    EXPECT_FALSE(button->setValueForKey("imageName", Value("no-such-image")));
    EXPECT_FALSE(button->setValueForKey("buttonUnlockedColor", Value(Value::Array{})));
    EXPECT_TRUE(button->setValueForKey("unlocked", Value(true)));
    EXPECT_TRUE(button->unlocked());

    auto knob = UIView::create();
    EXPECT_TRUE(button->setObjectForKey("dragPoint", knob));
    EXPECT_EQ(button->objectForKey("dragPoint"), knob);
    EXPECT_FALSE(button->setObjectForKey("buttonLabel", knob));  // not a label
    EXPECT_FALSE(button->setObjectForKey("imageView", nullptr));
    EXPECT_TRUE(button->setValueForKey("buttonText", Value("GO")));  // still safe to restyle
}

TEST_F(SlidingButtonTest, SnapshotAtRest) {
    auto button = SlidingButton::create(CGRectMake(20, 200, 335, 60));
    button->setButtonText("SLIDE TO TRANSFER");
    button->setButtonColor(UIColor::colorWithRed(0.05, 0.25, 0.32, 1));
    button->setDragPointColor(UIColor::colorWithRed(0.1, 0.6, 0.55, 1));
    button->setImageName(UIImage::imageNamed("slide_arrow", frameworkBundle()));
    host.rootScreen()->view()->addSubview(button);
    host.runUntilIdle();
    EXPECT_TRUE(host.snapshot("SlidingButtonAtRest", button));
}

}  // namespace
}  // namespace fv
