#pragma once
// Synthetic touches, delivered as on a device: the touch goes to the topmost shown window whose hit
// test accepts the point (an overlay that takes touches stops them there), to the deepest visible,
// interactive view under it, and first to the gesture recognisers of that view and its ancestors,
// which arbitrate among themselves (rules in UIGestureRecognizer.h). The view then gets its touches,
// unless a recogniser that cancels touches has taken the sequence.
//
// Points are screen points (= window points for full-screen windows). Times are run-loop clock
// seconds; a time ahead of the clock advances the clock first (running what falls due, such as a
// long press); a negative time means now.
#include <memory>

#include "platform/graphics/Geometry.h"

namespace fv {

class UIView;
class UIGestureRecognizer;

class TouchDispatch {
  public:
    // Each returns false when nothing takes the touch (no window or view hit, or no such finger).
    static bool touchDown(CGPoint point, double time = -1, int finger = 0);
    static bool touchMove(CGPoint point, double time = -1, int finger = 0);
    static bool touchUp(CGPoint point, double time = -1, int finger = 0);
    static bool touchCancel(int finger = 0);

    // A finger down and up at `point`, 0.05 s apart.
    static bool tap(CGPoint point);
    // A finger down at `from`, `steps` even moves to `to` over `duration` seconds, then up. With
    // `startedOn`, keeps the view the finger came down on there, alive whatever the touches do to it.
    static bool drag(CGPoint from, CGPoint to, double duration = 0.25, int steps = 10,
                     std::shared_ptr<UIView>* startedOn = nullptr);

    // Whether any finger is down.
    static bool isTouching();
    // The view the current (or last) sequence started in.
    static std::shared_ptr<UIView> touchedView();
    // Lifts every finger without delivering anything and forgets recogniser bookkeeping; for tests.
    static void reset();

    // Arbitration, used by UIGestureRecognizer::setState. Returns the state to apply.
    static int arbitrate(UIGestureRecognizer& recognizer, int requested);
    // After `recognizer` reached a final state: release recognisers waiting on it, reset if over.
    static void recognizerSettled(UIGestureRecognizer& recognizer);
};

}  // namespace fv
