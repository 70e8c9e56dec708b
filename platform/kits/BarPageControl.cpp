#include "platform/kits/BarPageControl.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/GraphicsContext.h"
#include "platform/ui/ControlProperties.h"

namespace fv {

FV_REGISTER_CLASS(BarPageControl);

namespace {
constexpr CGFloat kBarWidth = 16;
constexpr CGFloat kBarHeight = 3;
constexpr CGFloat kGap = 6;
constexpr CGFloat kInactiveAlpha = 1.0 / 3;
}  // namespace

void BarPageControl::registerMembers(ClassBuilder<BarPageControl>& b) {
    b.property("numberOfPages", &BarPageControl::numberOfPages, &BarPageControl::setNumberOfPages);
    b.property("progress", &BarPageControl::progress, &BarPageControl::setProgress);
    colorProperty(
        b, "indicatorColor", [](BarPageControl& p) { return p.indicatorColor(); },
        [](BarPageControl& p, UIColorPtr c) { p.setIndicatorColor(c); });
}

BarPageControlPtr BarPageControl::create(CGRect frame) {
    return std::make_shared<BarPageControl>(frame);
}

BarPageControl::BarPageControl() : BarPageControl(CGRectZero) {}

BarPageControl::BarPageControl(CGRect frame) : UIView(frame) {
    setOpaque(false);
}

BarPageControl::~BarPageControl() = default;

void BarPageControl::setNumberOfPages(long pages) {
    numberOfPages_ = std::max(0L, pages);
    setProgress(progress_);
}

void BarPageControl::setProgress(double progress) {
    const double last = static_cast<double>(std::max(0L, numberOfPages_ - 1));
    progress_ = std::isnan(progress) ? 0 : std::clamp(progress, 0.0, last);
    setNeedsDisplay();
}

void BarPageControl::setIndicatorColor(UIColorPtr color) {
    indicatorColor_ = std::move(color);
    setNeedsDisplay();
}

CGRect BarPageControl::barFrame(long page) const {
    if (page < 0 || page >= numberOfPages_) return CGRectZero;
    const CGRect b = bounds();
    const CGFloat rowWidth = numberOfPages_ * kBarWidth + (numberOfPages_ - 1) * kGap;
    const CGFloat x = CGRectGetMidX(b) - rowWidth / 2 + page * (kBarWidth + kGap);
    return {{x, CGRectGetMidY(b) - kBarHeight / 2}, {kBarWidth, kBarHeight}};
}

CGRect BarPageControl::activeBarFrame() const {
    if (numberOfPages_ == 0) return CGRectZero;
    CGRect first = barFrame(0);
    first.origin.x += progress_ * (kBarWidth + kGap);
    return first;
}

void BarPageControl::drawRect(CGRect) {
    CGContextRef context = UIGraphicsGetCurrentContext();
    if (!context || numberOfPages_ == 0) return;
    const UIColorPtr color = indicatorColor_ ? indicatorColor_ : UIColor::whiteColor();
    context->setFillColor(color->colorWithAlphaComponent(color->alpha() * kInactiveAlpha));
    context->beginPath();
    for (long page = 0; page < numberOfPages_; ++page)
        context->addRoundedRect(barFrame(page), kBarHeight / 2);
    context->fillPath();
    context->setFillColor(color);
    context->beginPath();
    context->addRoundedRect(activeBarFrame(), kBarHeight / 2);
    context->fillPath();
}

}  // namespace fv
