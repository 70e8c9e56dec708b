#pragma once
// Animation options and the log of animations run. The animation functions themselves are static
// members of UIView (UIView::animateWithDuration, UIView::transitionWithView, ...). Their rules:
//  1. The animations block runs at once: model values take their targets immediately.
//  2. The completion runs on the main run loop after delay + duration with finished = true, even
//     when the block changed nothing; duration 0 means the next run-loop turn, never inside the call.
//  3. Animations are independent: a later one never cancels an earlier one's completion; the last
//     value set wins.
//  4. layoutIfNeeded inside the block moves frames at once.
// Rendering does not interpolate.
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fv {

class UIView;

enum UIViewAnimationOptions : unsigned {
    UIViewAnimationOptionLayoutSubviews = 1 << 0,
    UIViewAnimationOptionAllowUserInteraction = 1 << 1,
    UIViewAnimationOptionBeginFromCurrentState = 1 << 2,
    UIViewAnimationOptionRepeat = 1 << 3,
    UIViewAnimationOptionAutoreverse = 1 << 4,
    UIViewAnimationOptionOverrideInheritedDuration = 1 << 5,
    UIViewAnimationOptionOverrideInheritedCurve = 1 << 6,
    UIViewAnimationOptionAllowAnimatedContent = 1 << 7,
    UIViewAnimationOptionShowHideTransitionViews = 1 << 8,
    UIViewAnimationOptionOverrideInheritedOptions = 1 << 9,

    UIViewAnimationOptionCurveEaseInOut = 0 << 16,  // the default
    UIViewAnimationOptionCurveEaseIn = 1 << 16,
    UIViewAnimationOptionCurveEaseOut = 2 << 16,
    UIViewAnimationOptionCurveLinear = 3 << 16,

    UIViewAnimationOptionTransitionNone = 0 << 20,
    UIViewAnimationOptionTransitionFlipFromLeft = 1 << 20,
    UIViewAnimationOptionTransitionFlipFromRight = 2 << 20,
    UIViewAnimationOptionTransitionCurlUp = 3 << 20,
    UIViewAnimationOptionTransitionCurlDown = 4 << 20,
    UIViewAnimationOptionTransitionCrossDissolve = 5 << 20,
    UIViewAnimationOptionTransitionFlipFromTop = 6 << 20,
    UIViewAnimationOptionTransitionFlipFromBottom = 7 << 20,
};

// One animation as run.
struct AnimationRecord {
    enum class Kind { Animate, Transition };
    Kind kind = Kind::Animate;
    double duration = 0;
    double delay = 0;
    unsigned options = 0;
    double startTime = 0;        // run-loop clock when started
    std::weak_ptr<UIView> view;  // the transition's view; none for plain animations
    // Every animatable change made inside the block: the view and the property name ("frame",
    // "alpha", "backgroundColor", "hidden", "transform", "center", "bounds", ...).
    std::vector<std::pair<std::weak_ptr<UIView>, std::string>> changes;

    // The property names changed, in order, duplicates removed.
    std::vector<std::string> changedProperties() const;
    bool changed(const UIView* v, const std::string& property) const;
};

// The animations run since the last clear, oldest first; for tests.
class AnimationLog {
  public:
    static const std::vector<AnimationRecord>& records();
    static void clear();
    static const AnimationRecord* last();
    // The animations whose block changed `v`, or which were transitions of it.
    static std::vector<AnimationRecord> recordsForView(const UIView* v);
};

}  // namespace fv
