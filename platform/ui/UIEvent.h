#pragma once
// Touches and events as the responder chain and the gesture recognisers see them. The test host makes
// them; views and recognisers only read them.
#include <memory>
#include <vector>

#include "platform/foundation/NSObject.h"
#include "platform/graphics/Geometry.h"

namespace fv {

class UIView;
class UIWindow;

enum UITouchPhase : int {
    UITouchPhaseBegan = 0,
    UITouchPhaseMoved = 1,
    UITouchPhaseStationary = 2,
    UITouchPhaseEnded = 3,
    UITouchPhaseCancelled = 4,
};

class UITouch : public NSObject {
    FV_CLASS(UITouch, NSObject)
    UITouchPhase phase = UITouchPhaseBegan;
    double timestamp = 0;  // run-loop clock seconds
    int tapCount = 1;
    CGPoint locationInWindowPoint;          // current location in window coordinates
    CGPoint previousLocationInWindowPoint;  // location at the previous phase
    std::weak_ptr<UIView> view;             // the hit-tested view the touch started in
    std::weak_ptr<UIWindow> window;

    // The location in `v`'s coordinates; none = window coordinates.
    CGPoint locationInView(const UIView* v) const;
    CGPoint previousLocationInView(const UIView* v) const;
};

using UITouchPtr = std::shared_ptr<UITouch>;
using UITouchSet = std::vector<UITouchPtr>;

enum UIEventType : int { UIEventTypeTouches = 0 };

class UIEvent : public NSObject {
    FV_CLASS(UIEvent, NSObject)
    UIEventType type = UIEventTypeTouches;
    double timestamp = 0;
    UITouchSet touches;  // every touch of the event

    UITouchSet allTouches() const { return touches; }
};

using UIEventPtr = std::shared_ptr<UIEvent>;

}  // namespace fv
