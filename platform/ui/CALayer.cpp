#include "platform/ui/CALayer.h"

#include <algorithm>
#include <cmath>

#include <cairo.h>

#include "platform/ui/CAAnimation.h"
#include "platform/ui/UIView.h"
#include "platform/ui/UIViewRendering.h"

namespace fv {

FV_REGISTER_CLASS(CALayer);

CALayer::~CALayer() {
    for (auto& s : sublayers_)
        if (s->superlayer_ == this) s->superlayer_ = nullptr;
}

CGRect CALayer::frame() const {
    return {{position_.x - anchorPoint_.x * bounds_.size.width,
             position_.y - anchorPoint_.y * bounds_.size.height},
            bounds_.size};
}

void CALayer::setFrame(CGRect f) {
    f = CGRectStandardize(f);
    bounds_.size = f.size;
    position_ = {f.origin.x + anchorPoint_.x * f.size.width, f.origin.y + anchorPoint_.y * f.size.height};
}

void CALayer::setBounds(CGRect b) {
    bounds_ = b;
}

void CALayer::setPosition(CGPoint p) {
    position_ = p;
}

void CALayer::addSublayer(const CALayerPtr& layer) {
    insertSublayer(layer, sublayers_.size());
}

void CALayer::insertSublayer(const CALayerPtr& layer, std::size_t index) {
    if (!layer || layer.get() == this) return;
    CALayerPtr keep = layer;
    if (layer->superlayer_) layer->removeFromSuperlayer();
    sublayers_.insert(sublayers_.begin() + std::min(index, sublayers_.size()), layer);
    layer->superlayer_ = this;
}

static std::size_t layerIndex(const std::vector<CALayerPtr>& list, const CALayer* l, std::size_t fallback) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].get() == l) return i;
    return fallback;
}

void CALayer::insertSublayerBelow(const CALayerPtr& layer, const CALayer* sibling) {
    if (!layer || layer.get() == sibling) return;
    CALayerPtr keep = layer;
    if (layer->superlayer_) layer->removeFromSuperlayer();
    insertSublayer(layer, layerIndex(sublayers_, sibling, 0));
}

void CALayer::insertSublayerAbove(const CALayerPtr& layer, const CALayer* sibling) {
    if (!layer || layer.get() == sibling) return;
    CALayerPtr keep = layer;
    if (layer->superlayer_) layer->removeFromSuperlayer();
    std::size_t i = layerIndex(sublayers_, sibling, sublayers_.size());
    insertSublayer(layer, i == sublayers_.size() ? i : i + 1);
}

void CALayer::removeFromSuperlayer() {
    CALayer* parent = superlayer_;
    if (!parent) return;
    auto self = weak_from_this().lock();
    std::erase_if(parent->sublayers_, [&](auto& l) { return l.get() == this; });
    superlayer_ = nullptr;
}

void CALayer::addAnimation(const CAAnimationPtr& animation, const std::string& key) {
    if (!animation) return;
    std::string k = key.empty() ? "animation-" + std::to_string(++animationCounter_) : key;
    removeAnimationForKey(k);
    animations_.emplace_back(k, animation);
}

CAAnimationPtr CALayer::animationForKey(const std::string& key) const {
    for (auto& [k, a] : animations_)
        if (k == key) return a;
    return nullptr;
}

std::vector<std::string> CALayer::animationKeys() const {
    std::vector<std::string> keys;
    for (auto& [k, a] : animations_) keys.push_back(k);
    return keys;
}

void CALayer::removeAnimationForKey(const std::string& key) {
    std::erase_if(animations_, [&](auto& e) { return e.first == key; });
}

void CALayer::removeAllAnimations() {
    animations_.clear();
}

void CALayer::addBoundsPathTo(CGContext& context) const {
    CGRect r{{0, 0}, bounds_.size};
    CGFloat radius = std::min({cornerRadius, r.size.width / 2, r.size.height / 2});
    if (radius > 0)
        UIBezierPath::bezierPathWithRoundedRect(r, radius)->addToContext(context);
    else
        UIBezierPath::bezierPathWithRect(r)->addToContext(context);
}

namespace {

CGRect gravityRect(const std::string& gravity, CGSize box, CGSize image) {
    if (image.width <= 0 || image.height <= 0) return {{0, 0}, box};
    if (gravity == "resizeAspect" || gravity == "resizeAspectFill") {
        CGFloat sx = box.width / image.width, sy = box.height / image.height;
        CGFloat s = gravity == "resizeAspect" ? std::min(sx, sy) : std::max(sx, sy);
        CGSize sz{image.width * s, image.height * s};
        return {{(box.width - sz.width) / 2, (box.height - sz.height) / 2}, sz};
    }
    if (gravity == "center") return {{(box.width - image.width) / 2, (box.height - image.height) / 2}, image};
    return {{0, 0}, box};
}

}  // namespace

void CALayer::renderBackground(CGContext& context) {
    CGRect r{{0, 0}, bounds_.size};
    bool hasBackground = backgroundColor && backgroundColor->alpha() > 0;
    if (shadowOpacity > 0 && shadowColor && hasBackground) {
        context.saveGState();
        context.setShadow(shadowOffset, shadowRadius,
                          shadowColor->colorWithAlphaComponent(shadowColor->alpha() * shadowOpacity));
        context.setFillColor(backgroundColor);
        context.beginPath();
        addBoundsPathTo(context);
        context.fillPath();
        context.restoreGState();
    } else if (hasBackground) {
        context.setFillColor(backgroundColor);
        context.beginPath();
        addBoundsPathTo(context);
        context.fillPath();
    }
    if (contents && !contents->isEmpty()) {
        context.saveGState();
        context.beginPath();
        addBoundsPathTo(context);
        context.clip();
        const CGRect target = gravityRect(contentsGravity, r.size, contents->size());
        context.setInterpolationQuality(interpolationForImage(*contents, target, context));
        context.drawImage(*contents, target);
        context.restoreGState();
    }
}

void CALayer::renderBorder(CGContext& context) {
    if (borderWidth <= 0 || !borderColor || borderColor->alpha() <= 0) return;
    CGRect r = CGRectInset(CGRect{{0, 0}, bounds_.size}, borderWidth / 2, borderWidth / 2);
    if (r.size.width <= 0 || r.size.height <= 0) return;
    CGFloat radius =
        std::max<CGFloat>(0, std::min({cornerRadius - borderWidth / 2, r.size.width / 2, r.size.height / 2}));
    context.saveGState();
    context.setStrokeColor(borderColor);
    context.setLineWidth(borderWidth);
    context.beginPath();
    (radius > 0 ? UIBezierPath::bezierPathWithRoundedRect(r, radius) : UIBezierPath::bezierPathWithRect(r))
        ->addToContext(context);
    context.strokePath();
    context.restoreGState();
}

void CALayer::drawInContext(CGContext&) {}

void CALayer::renderSublayers(const CGContextRef& context) {
    auto subs = sublayers_;
    for (auto& s : subs) {
        if (s->hidden || s->opacity <= 0) continue;
        context->saveGState();
        // Into the sublayer's space: its anchor point at its position, transformed around it.
        context->translateCTM(s->position_.x, s->position_.y);
        if (!CGAffineTransformIsIdentity(s->transform_)) context->concatCTM(s->transform_);
        context->translateCTM(-s->anchorPoint_.x * s->bounds_.size.width,
                              -s->anchorPoint_.y * s->bounds_.size.height);
        s->renderInContext(context);
        context->restoreGState();
    }
}

void CALayer::renderInContext(const CGContextRef& context) {
    if (!context) return;
    if (view_) {
        renderViewTree(*view_, context);
        return;
    }
    if (hidden || opacity <= 0) return;
    context->saveGState();
    cairo_t* cr = context->cairo();
    bool grouped = opacity < 1;
    if (grouped) cairo_push_group(cr);
    context->setShadowCache(shadowCache_.get());
    renderBackground(*context);
    context->saveGState();
    if (masksToBounds) {
        context->beginPath();
        addBoundsPathTo(*context);
        context->clip();
    }
    context->translateCTM(-bounds_.origin.x, -bounds_.origin.y);
    drawInContext(*context);
    renderSublayers(context);
    context->restoreGState();
    renderBorder(*context);
    if (grouped) {
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, opacity);
    }
    context->restoreGState();
    needsDisplay_ = false;
}

CGInterpolationQuality CALayer::interpolationForImage(const UIImage& image, CGRect target,
                                                      const CGContext& context) const {
    const CGAffineTransform ctm = context.getCTM();
    const double deviceScale = std::hypot(ctm.a, ctm.b);
    const double imagePixels = image.size().width * image.scale();
    const bool enlarged = std::abs(target.size.width) * deviceScale > imagePixels;
    const std::string& filter = enlarged ? magnificationFilter : minificationFilter;
    return filter == kCAFilterNearest ? CGInterpolationQuality::None : CGInterpolationQuality::Default;
}

}  // namespace fv
