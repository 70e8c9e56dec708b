#include "platform/ui/UIView.h"

#include <algorithm>

#include "platform/graphics/GeometryValue.h"
#include "platform/ui/ColorValue.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIGestureRecognizer.h"
#include "platform/ui/layout/ConstraintLayoutEngine.h"

namespace fv {

FV_REGISTER_CLASS(UIView);

void UIView::registerMembers(ClassBuilder<UIView>& b) {
    b.enumNames("contentMode", {{"scaleToFill", 0},
                                {"scaleAspectFit", 1},
                                {"scaleAspectFill", 2},
                                {"redraw", 3},
                                {"center", 4},
                                {"top", 5},
                                {"bottom", 6},
                                {"left", 7},
                                {"right", 8},
                                {"topLeft", 9},
                                {"topRight", 10},
                                {"bottomLeft", 11},
                                {"bottomRight", 12}});
    b.property("hidden", &UIView::hidden, &UIView::setHidden);
    b.property("alpha", &UIView::alpha, &UIView::setAlpha);
    b.property("tag", &UIView::tag, &UIView::setTag);
    b.property("clipsToBounds", &UIView::clipsToBounds, &UIView::setClipsToBounds);
    b.property("opaque", &UIView::isOpaque, &UIView::setOpaque);
    b.property("userInteractionEnabled", &UIView::userInteractionEnabled, &UIView::setUserInteractionEnabled);
    b.property("multipleTouchEnabled", &UIView::isMultipleTouchEnabled, &UIView::setMultipleTouchEnabled);
    b.property("contentMode", &UIView::contentMode, &UIView::setContentMode);
    b.property("autoresizingMask", &UIView::autoresizingMask, &UIView::setAutoresizingMask);
    b.property("translatesAutoresizingMaskIntoConstraints",
               &UIView::translatesAutoresizingMaskIntoConstraints,
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

UIViewPtr UIView::create(CGRect frame) {
    return std::make_shared<UIView>(frame);
}

UIView::UIView() : layer_(std::make_shared<CALayer>()) {
    layer_->view_ = this;
}

UIView::UIView(CGRect frame) : UIView() {
    setFrame(frame);
}

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

// ---- drawing ----

void UIView::setNeedsDisplay() {
    needsDisplay_ = true;
    layer_->needsDisplay_ = true;
    UIApplication::sharedApplication()->scheduleLayoutPass();
}

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
