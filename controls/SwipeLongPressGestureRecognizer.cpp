#include "controls/SwipeLongPressGestureRecognizer.h"

namespace fv {

FV_REGISTER_CLASS(SwipeLongPressGestureRecognizer);

void SwipeLongPressGestureRecognizer::touchesMoved(const UITouchSet& touches, UIEvent* event) {
    UILongPressGestureRecognizer::touchesMoved(touches, event);
    // A press already under way is cancelled rather than failed, so its target can take the
    // highlight back off.
    switch (state()) {
        case UIGestureRecognizerStatePossible:
            setState(UIGestureRecognizerStateFailed);
            break;
        case UIGestureRecognizerStateBegan:
        case UIGestureRecognizerStateChanged:
            setState(UIGestureRecognizerStateCancelled);
            break;
        default:
            break;
    }
}

}  // namespace fv
