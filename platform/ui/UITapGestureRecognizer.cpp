#include "platform/ui/UITapGestureRecognizer.h"

#include <cmath>

#include "platform/foundation/RunLoop.h"

namespace fv {

FV_REGISTER_CLASS(UITapGestureRecognizer);

void UITapGestureRecognizer::registerMembers(ClassBuilder<UITapGestureRecognizer>& b) {
    b.property("numberOfTapsRequired", &UITapGestureRecognizer::numberOfTapsRequired,
               &UITapGestureRecognizer::setNumberOfTapsRequired);
    b.property("numberOfTouchesRequired", &UITapGestureRecognizer::numberOfTouchesRequired,
               &UITapGestureRecognizer::setNumberOfTouchesRequired);
}

UITapGestureRecognizer::~UITapGestureRecognizer() {
    cancelTimer();
}

void UITapGestureRecognizer::failAfter(double seconds) {
    cancelTimer();
    std::weak_ptr<UIGestureRecognizer> weak =
        std::static_pointer_cast<UIGestureRecognizer>(weak_from_this().lock());
    timer_ = RunLoop::main().scheduleTimer(seconds, false, [weak](Timer&) {
        if (auto self = weak.lock(); self && self->state() == UIGestureRecognizerStatePossible)
            self->setState(UIGestureRecognizerStateFailed);
    });
}

void UITapGestureRecognizer::cancelTimer() {
    if (timer_) timer_->invalidate();
    timer_.reset();
}

void UITapGestureRecognizer::touchesBegan(const UITouchSet&, UIEvent*) {
    if (state() != UIGestureRecognizerStatePossible) return;
    if (maxTouchesThisTap_ == 0) tapStart_ = locationInView(nullptr);
    maxTouchesThisTap_ = std::max(maxTouchesThisTap_, activeTouches().size());
    if (maxTouchesThisTap_ > static_cast<std::size_t>(numberOfTouchesRequired_)) {
        setState(UIGestureRecognizerStateFailed);
        return;
    }
    failAfter(kMaximumTapDuration);
}

void UITapGestureRecognizer::touchesMoved(const UITouchSet&, UIEvent*) {
    if (state() != UIGestureRecognizerStatePossible) return;
    CGPoint p = locationInView(nullptr);
    if (std::hypot(p.x - tapStart_.x, p.y - tapStart_.y) > kAllowableMovement)
        setState(UIGestureRecognizerStateFailed);
}

void UITapGestureRecognizer::touchesEnded(const UITouchSet& touches, UIEvent*) {
    if (state() != UIGestureRecognizerStatePossible) return;
    if (activeTouches().size() > touches.size()) return;  // the tap ends with its last finger
    if (maxTouchesThisTap_ != static_cast<std::size_t>(numberOfTouchesRequired_)) {
        setState(UIGestureRecognizerStateFailed);
        return;
    }
    maxTouchesThisTap_ = 0;
    if (++tapsDone_ >= numberOfTapsRequired_) {
        cancelTimer();
        setState(UIGestureRecognizerStateEnded);
    } else {
        failAfter(kMaximumTapInterval);
    }
}

void UITapGestureRecognizer::touchesCancelled(const UITouchSet&, UIEvent*) {
    if (state() == UIGestureRecognizerStatePossible) setState(UIGestureRecognizerStateFailed);
}

void UITapGestureRecognizer::reset() {
    UIGestureRecognizer::reset();
    cancelTimer();
    tapsDone_ = 0;
    maxTouchesThisTap_ = 0;
}

}  // namespace fv
