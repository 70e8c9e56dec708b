#include "controls/SwipeCellScrollView.h"

#include <cmath>

namespace fv {

FV_REGISTER_CLASS(SwipeCellScrollView);

namespace {
// Vertical speed, in points per second, above which a pan counts as scrolling the table.
constexpr CGFloat kVerticalScrollSpeed = 0.25;
}  // namespace

bool SwipeCellScrollView::gestureRecognizerShouldBegin(UIGestureRecognizer* recognizer) {
    if (recognizer != panGestureRecognizer().get()) return true;
    CGPoint t = panGestureRecognizer()->translationInView(this);
    if (std::fabs(t.y) > std::fabs(t.x)) return false;
    return UIScrollView::gestureRecognizerShouldBegin(recognizer);
}

bool SwipeCellScrollView::gestureRecognizerShouldRecognizeSimultaneouslyWithGestureRecognizer(
    UIGestureRecognizer* recognizer, UIGestureRecognizer* other) {
    (void)other;
    if (auto* pan = dynamic_cast<UIPanGestureRecognizer*>(recognizer)) {
        return std::fabs(pan->velocityInView(pan->view()).y) <= kVerticalScrollSpeed;
    }
    return true;
}

}  // namespace fv
