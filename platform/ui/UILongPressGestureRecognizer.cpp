#include "platform/ui/UILongPressGestureRecognizer.h"

#include <cmath>

#include "platform/foundation/RunLoop.h"

namespace fv {

FV_REGISTER_CLASS(UILongPressGestureRecognizer);

void UILongPressGestureRecognizer::registerMembers(ClassBuilder<UILongPressGestureRecognizer>& b) {
    b.property("minimumPressDuration", &UILongPressGestureRecognizer::minimumPressDuration,
               &UILongPressGestureRecognizer::setMinimumPressDuration);
    b.property("allowableMovement", &UILongPressGestureRecognizer::allowableMovement,
               &UILongPressGestureRecognizer::setAllowableMovement);
    b.property("numberOfTouchesRequired", &UILongPressGestureRecognizer::numberOfTouchesRequired,
               &UILongPressGestureRecognizer::setNumberOfTouchesRequired);
}

UILongPressGestureRecognizer::~UILongPressGestureRecognizer() {
    cancelTimer();
}

void UILongPressGestureRecognizer::cancelTimer() {
    if (timer_) timer_->invalidate();
    timer_.reset();
}

void UILongPressGestureRecognizer::touchesBegan(const UITouchSet&, UIEvent*) {
    if (state() != UIGestureRecognizerStatePossible) return;
    start_ = locationInView(nullptr);
    cancelTimer();
    if (activeTouches().size() != static_cast<std::size_t>(numberOfTouchesRequired_)) return;
    std::weak_ptr<UIGestureRecognizer> weak =
        std::static_pointer_cast<UIGestureRecognizer>(weak_from_this().lock());
    timer_ = RunLoop::main().scheduleTimer(minimumPressDuration_, false, [weak](Timer&) {
        if (auto self = weak.lock();
            self && self->state() == UIGestureRecognizerStatePossible && self->numberOfTouches() > 0)
            self->setState(UIGestureRecognizerStateBegan);
    });
}

void UILongPressGestureRecognizer::touchesMoved(const UITouchSet&, UIEvent*) {
    CGPoint p = locationInView(nullptr);
    if (state() == UIGestureRecognizerStatePossible) {
        if (std::hypot(p.x - start_.x, p.y - start_.y) > allowableMovement_)
            setState(UIGestureRecognizerStateFailed);
    } else if (state() == UIGestureRecognizerStateBegan || state() == UIGestureRecognizerStateChanged) {
        setState(UIGestureRecognizerStateChanged);
    }
}

void UILongPressGestureRecognizer::touchesEnded(const UITouchSet&, UIEvent*) {
    cancelTimer();
    if (state() == UIGestureRecognizerStatePossible)
        setState(UIGestureRecognizerStateFailed);
    else if (state() == UIGestureRecognizerStateBegan || state() == UIGestureRecognizerStateChanged)
        setState(UIGestureRecognizerStateEnded);
}

void UILongPressGestureRecognizer::touchesCancelled(const UITouchSet&, UIEvent*) {
    cancelTimer();
    if (state() == UIGestureRecognizerStatePossible)
        setState(UIGestureRecognizerStateFailed);
    else if (state() == UIGestureRecognizerStateBegan || state() == UIGestureRecognizerStateChanged)
        setState(UIGestureRecognizerStateCancelled);
}

void UILongPressGestureRecognizer::reset() {
    UIGestureRecognizer::reset();
    cancelTimer();
    start_ = {};
}

}  // namespace fv
