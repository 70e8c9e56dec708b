// UIView's layout: autoresizing, the layout pass and the constraints a view holds.
#include "platform/ui/UIView.h"

#include <algorithm>
#include <cstdint>

#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/layout/ConstraintLayoutEngine.h"

namespace fv {

namespace {

// Spreads `delta` over the flexible parts of one axis, in proportion to their current lengths (evenly
// when they are all zero), as the platform does.
void spread(CGFloat delta, bool flexA, CGFloat& a, bool flexB, CGFloat& b, bool flexC, CGFloat& c) {
    CGFloat total = (flexA ? a : 0) + (flexB ? b : 0) + (flexC ? c : 0);
    int count = int(flexA) + int(flexB) + int(flexC);
    if (count == 0) return;
    auto share = [&](bool flex, CGFloat v) {
        if (!flex) return CGFloat(0);
        return total != 0 ? delta * v / total : delta / count;
    };
    CGFloat da = share(flexA, a), db = share(flexB, b), dc = share(flexC, c);
    a += da;
    b += db;
    c += dc;
}

}  // namespace

void UIView::applyAutoresizing(CGSize oldSize) {
    if (autoresizingMask_ == UIViewAutoresizingNone || !translatesAutoresizing_ || !superview_) return;
    CGSize newSize = superview_->bounds_.size;
    CGRect f = frame();
    unsigned m = autoresizingMask_;
    CGFloat left = f.origin.x, width = f.size.width, right = oldSize.width - CGRectGetMaxX(f);
    spread(newSize.width - oldSize.width, m & UIViewAutoresizingFlexibleLeftMargin, left,
           m & UIViewAutoresizingFlexibleWidth, width, m & UIViewAutoresizingFlexibleRightMargin, right);
    CGFloat top = f.origin.y, height = f.size.height, bottom = oldSize.height - CGRectGetMaxY(f);
    spread(newSize.height - oldSize.height, m & UIViewAutoresizingFlexibleTopMargin, top,
           m & UIViewAutoresizingFlexibleHeight, height, m & UIViewAutoresizingFlexibleBottomMargin, bottom);
    setFrame({{left, top}, {std::max<CGFloat>(0, width), std::max<CGFloat>(0, height)}});
}

void UIView::setTranslatesAutoresizingMaskIntoConstraints(bool on) {
    translatesAutoresizing_ = on;
    setNeedsLayout();
    layoutEngineRoot(this)->setNeedsLayout();
}

void UIView::setNeedsLayout() {
    needsLayout_ = true;
    UIApplication::sharedApplication()->scheduleLayoutPass();
}

void UIView::layoutIfNeeded() {
    UIView* start = this;
    for (UIView* v = superview_; v; v = v->superview_)
        if (v->needsLayout_) start = v;
    auto keep = start->weak_from_this().lock();
    start->layoutSubtreeIfNeeded();
}

void UIView::layoutSubtreeIfNeeded() {
    if (needsLayout_ && !inLayout_) layoutOwnPass();
    auto subs = subviews_;
    for (auto& s : subs)
        if (s->superview_ == this) s->layoutSubtreeIfNeeded();
}

void UIView::layoutOwnPass() {
    inLayout_ = true;
    needsLayout_ = false;
    auto controller = viewDelegate_.lock();
    auto* hooks = dynamic_cast<ViewControllerHooks*>(controller.get());
    if (hooks) hooks->viewWillLayoutSubviews();
    if (layoutEngineRoot(this) == this)
        solveLayoutConstraints(*this);
    else
        layoutEngine_.reset();
    layoutSubviews();
    if (hooks) hooks->viewDidLayoutSubviews();
    inLayout_ = false;
}

CGSize UIView::sizeThatFits(CGSize) const {
    return bounds_.size;
}

void UIView::sizeToFit() {
    CGRect f = frame();
    f.size = sizeThatFits(bounds_.size);
    setFrame(f);
}

void UIView::invalidateIntrinsicContentSize() {
    layoutEngineRoot(this)->setNeedsLayout();
}

void UIView::addConstraint(const NSLayoutConstraintPtr& c) {
    if (!c) return;
    if (auto holder = c->holder(); holder && holder.get() != this) holder->removeConstraint(c);
    if (std::find(constraints_.begin(), constraints_.end(), c) == constraints_.end()) {
        static std::uint64_t installations = 0;
        constraints_.push_back(c);
        c->installOrder_ = ++installations;
    }
    c->holder_ = std::static_pointer_cast<UIView>(weak_from_this().lock());
    layoutEngineRoot(this)->setNeedsLayout();
}

void UIView::addConstraints(const std::vector<NSLayoutConstraintPtr>& cs) {
    for (auto& c : cs) addConstraint(c);
}

void UIView::removeConstraint(const NSLayoutConstraintPtr& c) {
    auto it = std::find(constraints_.begin(), constraints_.end(), c);
    if (it == constraints_.end()) return;
    constraints_.erase(it);
    c->holder_.reset();
    layoutEngineRoot(this)->setNeedsLayout();
}

void UIView::removeConstraints(const std::vector<NSLayoutConstraintPtr>& cs) {
    for (auto& c : cs) removeConstraint(c);
}

NSLayoutConstraintPtr UIView::constraintWithIdentifier(const std::string& identifier) const {
    for (const UIView* v = this; v; v = v->superview_)
        for (auto& c : v->constraints_)
            if (c->identifier() == identifier) return c;
    return nullptr;
}

}  // namespace fv
