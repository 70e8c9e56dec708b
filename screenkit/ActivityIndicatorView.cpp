#include "screenkit/ActivityIndicatorView.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/graphics/GraphicsContext.h"
#include "platform/ui/CAAnimation.h"

namespace fv {

FV_REGISTER_CLASS(ActivityIndicatorView);

namespace {
// Redraws per second while animating; enough for a smooth ring on a host.
constexpr double kFrameInterval = 1.0 / 30.0;
}  // namespace

std::shared_ptr<ActivityIndicatorView> ActivityIndicatorView::create(CGRect frame) {
    return std::make_shared<ActivityIndicatorView>(frame);
}

ActivityIndicatorView::ActivityIndicatorView() : ActivityIndicatorView(CGRectZero) {}

ActivityIndicatorView::ActivityIndicatorView(CGRect frame) : UIView(frame) {
    setBackgroundColor(UIColor::clearColor());
    setOpaque(false);
    setUserInteractionEnabled(false);
}

ActivityIndicatorView::~ActivityIndicatorView() {
    if (redraw_) redraw_->invalidate();
}

void ActivityIndicatorView::setType(ActivityIndicatorType type) {
    type_ = type;
    setNeedsDisplay();
}

void ActivityIndicatorView::setColor(UIColorPtr color) {
    color_ = std::move(color);
    setNeedsDisplay();
}

void ActivityIndicatorView::startAnimating() {
    if (animating_) return;
    animating_ = true;
    startTime_ = RunLoop::main().now();
    auto rotation = CABasicAnimation::animationWithKeyPath("transform.rotation.z");
    rotation->duration = kPeriod;
    rotation->fromValue = Value(0.0);
    rotation->toValue = Value(2 * std::numbers::pi);
    layer()->addAnimation(rotation, kAnimationKey);
    std::weak_ptr<ActivityIndicatorView> weak =
        std::static_pointer_cast<ActivityIndicatorView>(shared_from_this());
    redraw_ = RunLoop::main().scheduleTimer(kFrameInterval, true, [weak](Timer& timer) {
        auto self = weak.lock();
        if (!self) {
            timer.invalidate();
            return;
        }
        if (self->window()) self->setNeedsDisplay();
    });
    setNeedsDisplay();
}

void ActivityIndicatorView::stopAnimating() {
    if (!animating_) return;
    animating_ = false;
    if (redraw_) redraw_->invalidate();
    redraw_.reset();
    layer()->removeAnimationForKey(kAnimationKey);
    setNeedsDisplay();
}

double ActivityIndicatorView::phase() const {
    if (!animating_) return 0;
    double elapsed = std::max(0.0, RunLoop::main().now() - startTime_);
    return std::fmod(elapsed, kPeriod) / kPeriod;
}

void ActivityIndicatorView::drawRect(CGRect) {
    auto context = UIGraphicsGetCurrentContext();
    if (!context) return;
    constexpr double pi = std::numbers::pi;
    double t = phase();
    // A full turn per period; the ring shrinks to 60 % at half-period and grows back.
    double angle = 2 * pi * t;
    double scale = 1 - 0.4 * std::sin(pi * t);
    CGRect b = bounds();
    CGFloat lineWidth = std::max<CGFloat>(2, std::min(b.size.width, b.size.height) / 14);
    CGFloat radius = (std::min(b.size.width, b.size.height) - lineWidth) / 2 * scale;
    if (radius <= 0) return;
    CGPoint centre{CGRectGetMidX(b), CGRectGetMidY(b)};
    context->saveGState();
    context->setStrokeColor(color_ ? color_ : UIColor::blackColor());
    context->setLineWidth(lineWidth);
    context->setLineCap(CGLineCap::Round);
    context->beginPath();
    // Three quarters of a ring, the gap turning with the phase.
    context->addArc(centre, radius, angle - pi / 4, angle + 5 * pi / 4, true);
    context->strokePath();
    context->restoreGState();
}

}  // namespace fv
