#include "platform/ui/UIView.h"

#include <algorithm>

#include "platform/foundation/Log.h"
#include "platform/graphics/GeometryValue.h"
#include "platform/ui/ColorValue.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIGestureRecognizer.h"
#include "platform/ui/UIWindow.h"
#include "platform/ui/layout/ConstraintLayoutEngine.h"

namespace fv {

FV_REGISTER_CLASS(UIView);

void UIView::registerMembers(ClassBuilder<UIView>& b) {
    b.enumNames("contentMode", {{"scaleToFill", 0}, {"scaleAspectFit", 1}, {"scaleAspectFill", 2}, {"redraw", 3},
                                {"center", 4}, {"top", 5}, {"bottom", 6}, {"left", 7}, {"right", 8},
                                {"topLeft", 9}, {"topRight", 10}, {"bottomLeft", 11}, {"bottomRight", 12}});
    b.property("hidden", &UIView::hidden, &UIView::setHidden);
    b.property("alpha", &UIView::alpha, &UIView::setAlpha);
    b.property("tag", &UIView::tag, &UIView::setTag);
    b.property("clipsToBounds", &UIView::clipsToBounds, &UIView::setClipsToBounds);
    b.property("opaque", &UIView::isOpaque, &UIView::setOpaque);
    b.property("userInteractionEnabled", &UIView::userInteractionEnabled, &UIView::setUserInteractionEnabled);
    b.property("multipleTouchEnabled", &UIView::isMultipleTouchEnabled, &UIView::setMultipleTouchEnabled);
    b.property("contentMode", &UIView::contentMode, &UIView::setContentMode);
    b.property("autoresizingMask", &UIView::autoresizingMask, &UIView::setAutoresizingMask);
    b.property("translatesAutoresizingMaskIntoConstraints", &UIView::translatesAutoresizingMaskIntoConstraints,
               &UIView::setTranslatesAutoresizingMaskIntoConstraints);
    b.property(
        "frame", [](UIView& v) { return valueWithCGRect(v.frame()); },
        [](UIView& v, const Value& val) {
            if (!val.isDictionary()) return false;
            v.setFrame(rectFromValue(val));
            return true;
        });
    b.property(
        "backgroundColor", [](UIView& v) { return valueWithColor(v.backgroundColor()); },
        [](UIView& v, const Value& val) {
            auto c = colorFromValue(val);
            if (!c) return false;
            v.setBackgroundColor(*c);
            return true;
        });
    b.property(
        "tintColor", [](UIView& v) { return valueWithColor(v.tintColor()); },
        [](UIView& v, const Value& val) {
            auto c = colorFromValue(val);
            if (!c) return false;
            v.setTintColor(*c);
            return true;
        });
    b.object(
        "layer", [](UIView& v) -> NSObjectPtr { return v.layer(); }, nullptr);
}

UIViewPtr UIView::create(CGRect frame) { return std::make_shared<UIView>(frame); }

UIView::UIView() : layer_(std::make_shared<CALayer>()) {
    layer_->view_ = this;
}

UIView::UIView(CGRect frame) : UIView() { setFrame(frame); }

UIView::~UIView() {
    for (auto& sub : subviews_)
        if (sub->superview_ == this) sub->superview_ = nullptr;
    if (layer_) layer_->view_ = nullptr;
    for (auto& r : gestureRecognizers_) r->detachFromView(this);
}

// ---- geometry ----

CGRect UIView::frame() const {
    CGRect r{{center_.x - bounds_.size.width / 2, center_.y - bounds_.size.height / 2}, bounds_.size};
    if (CGAffineTransformIsIdentity(transform_)) return r;
    CGRect local{{-bounds_.size.width / 2, -bounds_.size.height / 2}, bounds_.size};
    CGRect t = CGRectApplyAffineTransform(local, transform_);
    return CGRectOffset(t, center_.x, center_.y);
}

void UIView::setFrame(CGRect f) {
    CGRect old = frame();
    f = CGRectStandardize(f);
    CGSize oldSize = bounds_.size;
    center_ = {f.origin.x + f.size.width / 2, f.origin.y + f.size.height / 2};
    bounds_.size = f.size;
    syncLayerGeometry();
    if (!CGRectEqualToRect(old, frame())) noteAnimatableChange("frame");
    if (oldSize != bounds_.size) boundsSizeChanged(oldSize);
}

void UIView::setBounds(CGRect b) {
    CGSize oldSize = bounds_.size;
    b.size.width = std::max<CGFloat>(0, b.size.width);
    b.size.height = std::max<CGFloat>(0, b.size.height);
    if (CGRectEqualToRect(b, bounds_)) return;
    bounds_ = b;
    syncLayerGeometry();
    noteAnimatableChange("bounds");
    if (oldSize != bounds_.size) boundsSizeChanged(oldSize);
}

void UIView::setCenter(CGPoint c) {
    if (c == center_) return;
    center_ = c;
    syncLayerGeometry();
    noteAnimatableChange("center");
}

void UIView::setTransform(CGAffineTransform t) {
    if (t == transform_) return;
    transform_ = t;
    syncLayerGeometry();
    noteAnimatableChange("transform");
}

void UIView::syncLayerGeometry() {
    layer_->bounds_ = bounds_;
    layer_->position_ = center_;
    layer_->transform_ = transform_;
}

void UIView::boundsSizeChanged(CGSize oldSize) {
    setNeedsLayout();
    if (contentMode_ == UIViewContentModeRedraw) setNeedsDisplay();
    if (autoresizesSubviews_) {
        auto subs = subviews_;
        for (auto& sub : subs) sub->applyAutoresizing(oldSize);
    }
}

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

// ---- appearance ----

void UIView::setBackgroundColor(UIColorPtr color) {
    if (colorsEqual(color, layer_->backgroundColor)) return;
    layer_->backgroundColor = std::move(color);
    noteAnimatableChange("backgroundColor");
}

UIColorPtr UIView::tintColor() const {
    for (const UIView* v = this; v; v = v->superview_)
        if (v->tintColor_) return v->tintColor_;
    static const UIColorPtr systemBlue = UIColor::colorWithRed(0, 122.0 / 255, 1, 1);
    return systemBlue;
}

void UIView::setTintColor(UIColorPtr color) {
    if (colorsEqual(color, tintColor_)) return;
    tintColor_ = std::move(color);
    noteAnimatableChange("tintColor");
    std::vector<UIView*> stack{this};
    while (!stack.empty()) {
        UIView* v = stack.back();
        stack.pop_back();
        v->tintColorDidChange();
        for (auto& s : v->subviews_)
            if (!s->tintColor_) stack.push_back(s.get());
    }
}

void UIView::setHidden(bool hidden) {
    if (layer_->hidden == hidden) return;
    layer_->hidden = hidden;
    noteAnimatableChange("hidden");
}

void UIView::setAlpha(CGFloat alpha) {
    alpha = std::clamp<CGFloat>(alpha, 0, 1);
    if (layer_->opacity == alpha) return;
    layer_->opacity = alpha;
    noteAnimatableChange("alpha");
}

void UIView::setContentMode(UIViewContentMode mode) {
    if (mode < UIViewContentModeScaleToFill || mode > UIViewContentModeBottomRight) return;
    contentMode_ = mode;
    setNeedsDisplay();
}

// ---- tree ----

UIViewPtr UIView::superviewPtr() const {
    return superview_ ? std::static_pointer_cast<UIView>(superview_->weak_from_this().lock()) : nullptr;
}

UIWindow* UIView::window() const { return superview_ ? superview_->window() : nullptr; }

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
            if ((f && f->isDescendantOfView(subtree)) || (s && s->isDescendantOfView(subtree))) dead.push_back(c);
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
    if (oldWindow != newWindow) forEachInSubtree(view.get(), [&](UIView* v) { v->willMoveToWindow(newWindow); });
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

void UIView::addSubview(const UIViewPtr& view) { attach(view, subviews_.size()); }

void UIView::insertSubview(const UIViewPtr& view, std::size_t index) { attach(view, index); }

// The position of `sibling` among the subviews other than `moving`; `fallback` when not a subview.
static std::size_t indexWithout(const std::vector<UIViewPtr>& list, const UIView* moving, const UIView* sibling,
                                std::size_t fallback) {
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

// ---- layout ----

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

CGSize UIView::sizeThatFits(CGSize) const { return bounds_.size; }

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

// ---- drawing ----

void UIView::setNeedsDisplay() {
    needsDisplay_ = true;
    layer_->needsDisplay_ = true;
    UIApplication::sharedApplication()->scheduleLayoutPass();
}

// ---- coordinates ----

namespace {

// This view's point in its superview's coordinates (or the screen's, for a root).
CGPoint toParent(const UIView& v, CGPoint p) {
    CGRect b = v.bounds();
    CGPoint local{p.x - b.origin.x - b.size.width / 2, p.y - b.origin.y - b.size.height / 2};
    CGPoint t = CGPointApplyAffineTransform(local, v.transform());
    return {t.x + v.center().x, t.y + v.center().y};
}

CGPoint fromParent(const UIView& v, CGPoint p) {
    CGRect b = v.bounds();
    CGPoint local{p.x - v.center().x, p.y - v.center().y};
    CGPoint t = CGPointApplyAffineTransform(local, CGAffineTransformInvert(v.transform()));
    return {t.x + b.origin.x + b.size.width / 2, t.y + b.origin.y + b.size.height / 2};
}

CGPoint toScreen(const UIView* v, CGPoint p) {
    for (; v; v = v->superview()) p = toParent(*v, p);
    return p;
}

CGPoint fromScreen(const UIView* v, CGPoint p) {
    std::vector<const UIView*> chain;
    for (; v; v = v->superview()) chain.push_back(v);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) p = fromParent(**it, p);
    return p;
}

const UIView* referenceFor(const UIView* self, const UIView* other) {
    if (other) return other;
    if (UIWindow* w = self->window()) return w;
    const UIView* root = self;
    while (root->superview()) root = root->superview();
    return root;
}

CGRect mapRect(CGRect r, const std::function<CGPoint(CGPoint)>& map) {
    CGPoint corners[4] = {map(r.origin),
                          map({CGRectGetMaxX(r), r.origin.y}),
                          map({r.origin.x, CGRectGetMaxY(r)}),
                          map({CGRectGetMaxX(r), CGRectGetMaxY(r)})};
    CGFloat minX = corners[0].x, maxX = corners[0].x, minY = corners[0].y, maxY = corners[0].y;
    for (auto& c : corners) {
        minX = std::min(minX, c.x);
        maxX = std::max(maxX, c.x);
        minY = std::min(minY, c.y);
        maxY = std::max(maxY, c.y);
    }
    return {{minX, minY}, {maxX - minX, maxY - minY}};
}

}  // namespace

CGPoint UIView::convertPointToView(CGPoint p, const UIView* view) const {
    return fromScreen(referenceFor(this, view), toScreen(this, p));
}

CGPoint UIView::convertPointFromView(CGPoint p, const UIView* view) const {
    return fromScreen(this, toScreen(referenceFor(this, view), p));
}

CGRect UIView::convertRectToView(CGRect r, const UIView* view) const {
    return mapRect(r, [&](CGPoint p) { return convertPointToView(p, view); });
}

CGRect UIView::convertRectFromView(CGRect r, const UIView* view) const {
    return mapRect(r, [&](CGPoint p) { return convertPointFromView(p, view); });
}

// ---- hit testing ----

bool UIView::pointInside(CGPoint p, UIEvent*) const { return CGRectContainsPoint(bounds_, p); }

UIViewPtr UIView::hitTest(CGPoint p, UIEvent* event) {
    if (isHidden() || alpha() < 0.01 || !userInteractionEnabled_ || !pointInside(p, event)) return nullptr;
    auto subs = subviews_;
    for (auto it = subs.rbegin(); it != subs.rend(); ++it) {
        if (auto hit = (*it)->hitTest(fromParent(**it, p), event)) return hit;
    }
    return std::static_pointer_cast<UIView>(weak_from_this().lock());
}

// ---- responders ----

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
    if (std::find(gestureRecognizers_.begin(), gestureRecognizers_.end(), recognizer) != gestureRecognizers_.end())
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

namespace fv {

void UIView::replaceLayer(const CALayerPtr& layer) {
    if (!layer || layer == layer_) return;
    layer->backgroundColor = layer_->backgroundColor;
    layer->opacity = layer_->opacity;
    layer->hidden = layer_->hidden;
    layer->masksToBounds = layer_->masksToBounds;
    layer_->view_ = nullptr;
    layer_ = layer;
    layer_->view_ = this;
    syncLayerGeometry();
}

}  // namespace fv
