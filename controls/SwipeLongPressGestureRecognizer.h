#pragma once
// The press that highlights a swipe-to-reveal cell. A press that moves never becomes a long press, so a
// swipe that starts with a short hold does not end up selecting the row.
#include "platform/ui/UILongPressGestureRecognizer.h"

namespace fv {

class SwipeLongPressGestureRecognizer : public UILongPressGestureRecognizer {
    FV_CLASS(SwipeLongPressGestureRecognizer, UILongPressGestureRecognizer)
    void touchesMoved(const UITouchSet& touches, UIEvent* event) override;
};

}  // namespace fv
