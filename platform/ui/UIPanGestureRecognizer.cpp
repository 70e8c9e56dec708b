#include "platform/ui/UIPanGestureRecognizer.h"

#include <cmath>

#include "platform/ui/UIView.h"
#include "platform/ui/UIWindow.h"

namespace fv {

FV_REGISTER_CLASS(UIPanGestureRecognizer);
FV_REGISTER_CLASS(UIScreenEdgePanGestureRecognizer);

namespace {
// A vector given in window coordinates, expressed in `v`'s coordinates (and back).
CGPoint vectorToView(CGPoint d, const UIView* v) {
    if (!v) return d;
    CGPoint a = v->convertPointFromView(CGPointZero, nullptr);
    CGPoint b = v->convertPointFromView(d, nullptr);
    return {b.x - a.x, b.y - a.y};
}
CGPoint vectorFromView(CGPoint d, const UIView* v) {
    if (!v) return d;
    CGPoint a = v->convertPointToView(CGPointZero, nullptr);
    CGPoint b = v->convertPointToView(d, nullptr);
    return {b.x - a.x, b.y - a.y};
}
}  // namespace

void UIPanGestureRecognizer::registerMembers(ClassBuilder<UIPanGestureRecognizer>& b) {
    b.property("minimumNumberOfTouches", &UIPanGestureRecognizer::minimumNumberOfTouches,
               &UIPanGestureRecognizer::setMinimumNumberOfTouches);
    b.property("maximumNumberOfTouches", &UIPanGestureRecognizer::maximumNumberOfTouches,
               &UIPanGestureRecognizer::setMaximumNumberOfTouches);
}

CGPoint UIPanGestureRecognizer::centroid() const {
    return locationInView(nullptr);
}

CGPoint UIPanGestureRecognizer::translationInView(const UIView* v) const {
    return vectorToView({last_.x - start_.x, last_.y - start_.y}, v);
}

void UIPanGestureRecognizer::setTranslation(CGPoint translation, const UIView* v) {
    CGPoint d = vectorFromView(translation, v);
    start_ = {last_.x - d.x, last_.y - d.y};
}

CGPoint UIPanGestureRecognizer::velocityInView(const UIView* v) const {
    return vectorToView(velocity_, v);
}

void UIPanGestureRecognizer::setVelocity(CGPoint velocity, const UIView* v) {
    velocity_ = vectorFromView(velocity, v);
}

void UIPanGestureRecognizer::touchesBegan(const UITouchSet&, UIEvent*) {
    if (state() != UIGestureRecognizerStatePossible) {
        // A finger joining a running pan: keep the translation continuous.
        CGPoint t{last_.x - start_.x, last_.y - start_.y};
        last_ = centroid();
        start_ = {last_.x - t.x, last_.y - t.y};
        return;
    }
    start_ = last_ = centroid();
    lastTime_ = now();
    velocity_ = {};
    if (activeTouches().size() > maximumNumberOfTouches_) setState(UIGestureRecognizerStateFailed);
}

void UIPanGestureRecognizer::touchesMoved(const UITouchSet&, UIEvent*) {
    CGPoint p = centroid();
    double t = now();
    if (t > lastTime_) {
        velocity_ = {(p.x - last_.x) / (t - lastTime_), (p.y - last_.y) / (t - lastTime_)};
        lastTime_ = t;
    }
    last_ = p;
    if (state() == UIGestureRecognizerStatePossible) {
        if (activeTouches().size() < minimumNumberOfTouches_) return;
        if (std::hypot(last_.x - start_.x, last_.y - start_.y) < kHysteresis) return;
        if (!mayBegin()) {
            setState(UIGestureRecognizerStateFailed);
            return;
        }
        setState(UIGestureRecognizerStateBegan);
    } else if (state() == UIGestureRecognizerStateBegan || state() == UIGestureRecognizerStateChanged) {
        setState(UIGestureRecognizerStateChanged);
    }
}

void UIPanGestureRecognizer::touchesEnded(const UITouchSet& touches, UIEvent*) {
    // Fingers still down after these lift keep the gesture going.
    if (activeTouches().size() > touches.size()) return;
    if (state() == UIGestureRecognizerStateBegan || state() == UIGestureRecognizerStateChanged)
        setState(UIGestureRecognizerStateEnded);
    else if (state() == UIGestureRecognizerStatePossible)
        setState(UIGestureRecognizerStateFailed);
}

void UIPanGestureRecognizer::touchesCancelled(const UITouchSet&, UIEvent*) {
    if (state() == UIGestureRecognizerStateBegan || state() == UIGestureRecognizerStateChanged)
        setState(UIGestureRecognizerStateCancelled);
    else if (state() == UIGestureRecognizerStatePossible)
        setState(UIGestureRecognizerStateFailed);
}

void UIPanGestureRecognizer::reset() {
    UIGestureRecognizer::reset();
    start_ = last_ = velocity_ = {};
    lastTime_ = 0;
}

void UIScreenEdgePanGestureRecognizer::registerMembers(ClassBuilder<UIScreenEdgePanGestureRecognizer>& b) {
    b.property("edges", &UIScreenEdgePanGestureRecognizer::edges,
               &UIScreenEdgePanGestureRecognizer::setEdges);
}

bool UIScreenEdgePanGestureRecognizer::mayBegin() const {
    UIWindow* w = view() ? view()->window() : nullptr;
    if (!w) return false;
    CGRect b = w->bounds();
    CGPoint p = startPoint();
    return ((edges_ & UIRectEdgeLeft) && p.x <= kEdgeWidth) ||
           ((edges_ & UIRectEdgeRight) && p.x >= b.size.width - kEdgeWidth) ||
           ((edges_ & UIRectEdgeTop) && p.y <= kEdgeWidth) ||
           ((edges_ & UIRectEdgeBottom) && p.y >= b.size.height - kEdgeWidth);
}

}  // namespace fv
