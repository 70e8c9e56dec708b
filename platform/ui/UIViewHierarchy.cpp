// UIView's part that keeps the view tree: adding, ordering and removing subviews, and window moves.
#include "platform/ui/UIView.h"

#include <algorithm>
#include <functional>

#include "platform/foundation/Log.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIWindow.h"

namespace fv {

UIViewPtr UIView::superviewPtr() const {
    return superview_ ? std::static_pointer_cast<UIView>(superview_->weak_from_this().lock()) : nullptr;
}

UIWindow* UIView::window() const {
    return superview_ ? superview_->window() : nullptr;
}

bool UIView::isDescendantOfView(const UIView* view) const {
    for (const UIView* v = this; v; v = v->superview_)
        if (v == view) return true;
    return false;
}

namespace {

void forEachInSubtree(UIView* root, const std::function<void(UIView*)>& fn) {
    fn(root);
    auto subs = root->subviews();
    for (auto& s : subs) forEachInSubtree(s.get(), fn);
}

}  // namespace

void UIView::notifyWindowChange(UIWindow* oldWindow, UIWindow* newWindow) {
    if (oldWindow == newWindow) return;
    forEachInSubtree(this, [](UIView* v) {
        v->needsDisplay_ = true;
        v->needsLayout_ = true;
        v->didMoveToWindow();
    });
    if (newWindow) UIApplication::sharedApplication()->scheduleLayoutPass();
}

// Constraints held above a leaving subtree that reference views in it no longer apply.
static void dropConstraintsInto(UIView* oldParent, UIView* subtree) {
    for (UIView* a = oldParent; a; a = a->superview()) {
        std::vector<NSLayoutConstraintPtr> dead;
        for (auto& c : a->constraints()) {
            auto f = c->firstItem();
            auto s = c->secondItem();
            if ((f && f->isDescendantOfView(subtree)) || (s && s->isDescendantOfView(subtree)))
                dead.push_back(c);
        }
        if (!dead.empty()) a->removeConstraints(dead);
    }
}

void UIView::attach(const UIViewPtr& view, std::size_t index) {
    if (!view) return;
    if (isDescendantOfView(view.get())) {
        log("addSubview: refused to add a view to itself or to one of its descendants");
        return;
    }
    UIViewPtr keep = view;
    if (view->superview_ == this) {
        auto it = std::find(subviews_.begin(), subviews_.end(), view);
        subviews_.erase(it);
        subviews_.insert(subviews_.begin() + std::min(index, subviews_.size()), view);
        setNeedsLayout();
        return;
    }
    UIWindow* oldWindow = view->window();
    UIWindow* newWindow = window();
    view->willMoveToSuperview(this);
    if (oldWindow != newWindow)
        forEachInSubtree(view.get(), [&](UIView* v) { v->willMoveToWindow(newWindow); });
    if (UIView* old = view->superview_) {
        // A first responder cannot stay one outside its window.
        if (oldWindow != newWindow) view->endEditing(true);
        old->willRemoveSubview(view.get());
        std::erase(old->subviews_, view);
        view->superview_ = nullptr;
        dropConstraintsInto(old, view.get());
        old->setNeedsLayout();
    }
    index = std::min(index, subviews_.size());
    subviews_.insert(subviews_.begin() + index, view);
    view->superview_ = this;
    didAddSubview(view.get());
    view->notifyWindowChange(oldWindow, newWindow);
    view->didMoveToSuperview();
    view->setNeedsLayout();
    setNeedsLayout();
}

void UIView::addSubview(const UIViewPtr& view) {
    attach(view, subviews_.size());
}

void UIView::insertSubview(const UIViewPtr& view, std::size_t index) {
    attach(view, index);
}

// The position of `sibling` among the subviews other than `moving`; `fallback` when not a subview.
static std::size_t indexWithout(const std::vector<UIViewPtr>& list, const UIView* moving,
                                const UIView* sibling, std::size_t fallback) {
    std::size_t i = 0;
    for (auto& v : list) {
        if (v.get() == moving) continue;
        if (v.get() == sibling) return i;
        ++i;
    }
    return fallback;
}

void UIView::insertSubviewBelow(const UIViewPtr& view, const UIView* sibling) {
    if (!view || view.get() == sibling) return;
    attach(view, indexWithout(subviews_, view.get(), sibling, 0));
}

void UIView::insertSubviewAbove(const UIViewPtr& view, const UIView* sibling) {
    if (!view || view.get() == sibling) return;
    std::size_t i = indexWithout(subviews_, view.get(), sibling, subviews_.size());
    attach(view, i == subviews_.size() ? i : i + 1);
}

void UIView::exchangeSubviewAtIndex(std::size_t a, std::size_t b) {
    if (a >= subviews_.size() || b >= subviews_.size()) return;
    std::swap(subviews_[a], subviews_[b]);
}

void UIView::bringSubviewToFront(const UIView* view) {
    auto it = std::find_if(subviews_.begin(), subviews_.end(), [&](auto& s) { return s.get() == view; });
    if (it == subviews_.end()) return;
    std::rotate(it, it + 1, subviews_.end());
}

void UIView::sendSubviewToBack(const UIView* view) {
    auto it = std::find_if(subviews_.begin(), subviews_.end(), [&](auto& s) { return s.get() == view; });
    if (it == subviews_.end()) return;
    std::rotate(subviews_.begin(), it, it + 1);
}

void UIView::removeFromSuperview() {
    UIView* old = superview_;
    if (!old) return;
    auto self = std::static_pointer_cast<UIView>(weak_from_this().lock());
    UIWindow* oldWindow = window();
    willMoveToSuperview(nullptr);
    if (oldWindow) {
        forEachInSubtree(this, [](UIView* v) { v->willMoveToWindow(nullptr); });
        endEditing(true);
    }
    old->willRemoveSubview(this);
    std::erase_if(old->subviews_, [&](auto& s) { return s.get() == this; });
    superview_ = nullptr;
    dropConstraintsInto(old, this);
    notifyWindowChange(oldWindow, nullptr);
    didMoveToSuperview();
    old->setNeedsLayout();
}

UIViewPtr UIView::viewWithTag(long tag) {
    if (tag_ == tag) return std::static_pointer_cast<UIView>(weak_from_this().lock());
    for (auto& s : subviews_)
        if (auto found = s->viewWithTag(tag)) return found;
    return nullptr;
}

}  // namespace fv
