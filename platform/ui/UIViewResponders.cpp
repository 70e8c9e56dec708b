// UIView's part in event handling: the responder chain, the first responder and gesture recognisers.
#include "platform/ui/UIView.h"

#include <algorithm>

#include "platform/ui/UIGestureRecognizer.h"
#include "platform/ui/UIWindow.h"

namespace fv {

UIResponder* UIView::nextResponder() const {
    if (auto controller = viewDelegate_.lock()) return controller.get();
    return superview_;
}

bool UIView::isFirstResponder() const {
    UIWindow* w = window();
    return w && w->firstResponder() == this;
}

bool UIView::becomeFirstResponder() {
    if (isFirstResponder()) return true;
    if (!canBecomeFirstResponder()) return false;
    UIWindow* w = window();
    if (!w) return false;
    auto self = std::static_pointer_cast<UIView>(weak_from_this().lock());
    if (!self) return false;
    if (auto current = w->firstResponderView(); current && !current->resignFirstResponder()) return false;
    w->setFirstResponderView(self);
    return true;
}

bool UIView::resignFirstResponder() {
    if (!isFirstResponder()) return true;
    if (!canResignFirstResponder()) return false;
    window()->setFirstResponderView(nullptr);
    return true;
}

UIViewPtr UIView::findFirstResponder() {
    UIWindow* w = window();
    if (!w) return nullptr;
    auto fr = w->firstResponderView();
    return fr && fr->isDescendantOfView(this) ? fr : nullptr;
}

bool UIView::endEditing(bool force) {
    auto fr = findFirstResponder();
    if (!fr) return true;
    if (fr->resignFirstResponder() || !force || !fr->isFirstResponder()) return !fr->isFirstResponder();
    fr->window()->setFirstResponderView(nullptr);
    fr->firstResponderStatusWasTakenAway();
    return true;
}

// ---- gesture recognisers ----

void UIView::addGestureRecognizer(const UIGestureRecognizerPtr& recognizer) {
    if (!recognizer) return;
    if (std::find(gestureRecognizers_.begin(), gestureRecognizers_.end(), recognizer) !=
        gestureRecognizers_.end())
        return;
    // A recogniser belongs to one view at a time.
    if (UIView* previous = recognizer->view(); previous && previous != this)
        previous->removeGestureRecognizer(recognizer.get());
    gestureRecognizers_.push_back(recognizer);
    recognizer->attachToView(this);
}

void UIView::removeGestureRecognizer(const UIGestureRecognizer* recognizer) {
    std::erase_if(gestureRecognizers_, [&](auto& r) {
        if (r.get() != recognizer) return false;
        r->detachFromView(this);
        return true;
    });
}

}  // namespace fv
