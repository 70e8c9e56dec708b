#include "platform/ui/UISwipeGestureRecognizer.h"

#include <cmath>

namespace fv {

FV_REGISTER_CLASS(UISwipeGestureRecognizer);

void UISwipeGestureRecognizer::registerMembers(ClassBuilder<UISwipeGestureRecognizer>& b) {
    b.property("direction", &UISwipeGestureRecognizer::direction, &UISwipeGestureRecognizer::setDirection);
    b.property("numberOfTouchesRequired", &UISwipeGestureRecognizer::numberOfTouchesRequired,
               &UISwipeGestureRecognizer::setNumberOfTouchesRequired);
}

void UISwipeGestureRecognizer::touchesBegan(const UITouchSet&, UIEvent*) {
    if (state() != UIGestureRecognizerStatePossible) return;
    start_ = locationInView(nullptr);
    if (!started_) startTime_ = now();
    started_ = true;
}

void UISwipeGestureRecognizer::touchesMoved(const UITouchSet&, UIEvent*) {
    if (state() != UIGestureRecognizerStatePossible) return;
    CGPoint p = locationInView(nullptr);
    CGFloat dx = p.x - start_.x, dy = p.y - start_.y;
    bool horizontal = std::fabs(dx) >= std::fabs(dy);
    CGFloat distance = horizontal ? std::fabs(dx) : std::fabs(dy);
    if (distance < kMinimumDistance) {
        if (now() - startTime_ > kMaximumDuration) setState(UIGestureRecognizerStateFailed);
        return;
    }
    unsigned moved =
        horizontal ? (dx > 0 ? UISwipeGestureRecognizerDirectionRight : UISwipeGestureRecognizerDirectionLeft)
                   : (dy > 0 ? UISwipeGestureRecognizerDirectionDown : UISwipeGestureRecognizerDirectionUp);
    bool ok = (direction_ & moved) && now() - startTime_ <= kMaximumDuration &&
              activeTouches().size() == static_cast<std::size_t>(numberOfTouchesRequired_);
    setState(ok ? UIGestureRecognizerStateEnded : UIGestureRecognizerStateFailed);
}

void UISwipeGestureRecognizer::touchesEnded(const UITouchSet&, UIEvent*) {
    if (state() == UIGestureRecognizerStatePossible) setState(UIGestureRecognizerStateFailed);
}

void UISwipeGestureRecognizer::touchesCancelled(const UITouchSet&, UIEvent*) {
    if (state() == UIGestureRecognizerStatePossible) setState(UIGestureRecognizerStateFailed);
}

void UISwipeGestureRecognizer::reset() {
    UIGestureRecognizer::reset();
    started_ = false;
    start_ = {};
    startTime_ = 0;
}

}  // namespace fv
