#include "platform/ui/UIResponder.h"

#include "platform/ui/UIWindow.h"

namespace fv {

FV_REGISTER_CLASS(UIResponder);
FV_REGISTER_CLASS(UITouch);
FV_REGISTER_CLASS(UIEvent);

void UIResponder::touchesBegan(const UITouchSet& touches, UIEvent* event) {
    if (auto* next = nextResponder()) next->touchesBegan(touches, event);
}

void UIResponder::touchesMoved(const UITouchSet& touches, UIEvent* event) {
    if (auto* next = nextResponder()) next->touchesMoved(touches, event);
}

void UIResponder::touchesEnded(const UITouchSet& touches, UIEvent* event) {
    if (auto* next = nextResponder()) next->touchesEnded(touches, event);
}

void UIResponder::touchesCancelled(const UITouchSet& touches, UIEvent* event) {
    if (auto* next = nextResponder()) next->touchesCancelled(touches, event);
}

CGPoint UITouch::locationInView(const UIView* v) const {
    auto w = window.lock();
    if (!v) return locationInWindowPoint;
    return v->convertPointFromView(locationInWindowPoint, static_cast<const UIView*>(w.get()));
}

CGPoint UITouch::previousLocationInView(const UIView* v) const {
    auto w = window.lock();
    if (!v) return previousLocationInWindowPoint;
    return v->convertPointFromView(previousLocationInWindowPoint, static_cast<const UIView*>(w.get()));
}

}  // namespace fv
