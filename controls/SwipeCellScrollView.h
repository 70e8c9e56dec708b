#pragma once
// The horizontal scroller of a swipe-to-reveal cell. It leaves vertical drags to the table and steps
// aside while the table is being scrolled vertically.
#include <memory>

#include "platform/ui/UIScrollView.h"

namespace fv {

class SwipeCellScrollView : public UIScrollView {
    FV_CLASS(SwipeCellScrollView, UIScrollView)
    static std::shared_ptr<SwipeCellScrollView> create() { return std::make_shared<SwipeCellScrollView>(); }

    bool gestureRecognizerShouldBegin(UIGestureRecognizer* recognizer) override;
    bool gestureRecognizerShouldRecognizeSimultaneouslyWithGestureRecognizer(
        UIGestureRecognizer* recognizer, UIGestureRecognizer* other) override;
};

}  // namespace fv
