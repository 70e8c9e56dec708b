// UIView's geometry between views: converting points and rects, and hit testing.
#include "platform/ui/UIView.h"

#include <algorithm>
#include <functional>

#include "platform/ui/UIWindow.h"

namespace fv {

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
    CGPoint corners[4] = {map(r.origin), map({CGRectGetMaxX(r), r.origin.y}),
                          map({r.origin.x, CGRectGetMaxY(r)}), map({CGRectGetMaxX(r), CGRectGetMaxY(r)})};
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

bool UIView::pointInside(CGPoint p, UIEvent*) const {
    return CGRectContainsPoint(bounds_, p);
}

UIViewPtr UIView::hitTest(CGPoint p, UIEvent* event) {
    if (isHidden() || alpha() < 0.01 || !userInteractionEnabled_ || !pointInside(p, event)) return nullptr;
    auto subs = subviews_;
    for (auto it = subs.rbegin(); it != subs.rend(); ++it) {
        if (auto hit = (*it)->hitTest(fromParent(**it, p), event)) return hit;
    }
    return std::static_pointer_cast<UIView>(weak_from_this().lock());
}

}  // namespace fv
