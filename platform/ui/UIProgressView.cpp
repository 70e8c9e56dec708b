#include "platform/ui/UIProgressView.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/GraphicsContext.h"
#include "platform/ui/ControlProperties.h"

namespace fv {

FV_REGISTER_CLASS(UIProgressView);

void UIProgressView::registerMembers(ClassBuilder<UIProgressView>& b) {
    b.property("progress", &UIProgressView::progress,
               static_cast<void (UIProgressView::*)(float)>(&UIProgressView::setProgress));
    b.property("progressViewStyle", &UIProgressView::progressViewStyle,
               &UIProgressView::setProgressViewStyle);
    colorProperty(
        b, "progressTintColor", [](UIProgressView& p) { return p.progressTintColor(); },
        [](UIProgressView& p, UIColorPtr c) { p.setProgressTintColor(c); });
    colorProperty(
        b, "trackTintColor", [](UIProgressView& p) { return p.trackTintColor(); },
        [](UIProgressView& p, UIColorPtr c) { p.setTrackTintColor(c); });
}

UIProgressViewPtr UIProgressView::create(CGRect frame) {
    return std::make_shared<UIProgressView>(frame);
}

UIProgressView::UIProgressView() : UIProgressView(CGRectZero) {}

UIProgressView::UIProgressView(CGRect frame) : UIView(frame) {
    setOpaque(false);
}

UIProgressView::~UIProgressView() = default;

void UIProgressView::setProgress(float progress, bool) {
    // NaN reads as empty rather than poisoning every later comparison.
    float pinned = std::isnan(progress) ? 0.0f : std::clamp(progress, 0.0f, 1.0f);
    if (pinned == progress_) return;
    Value old(static_cast<double>(progress_));
    progress_ = pinned;
    noteAnimatableChange("progress");
    setNeedsDisplay();
    didChangeValueForKey("progress", old, Value(static_cast<double>(progress_)));
}

void UIProgressView::setProgressViewStyle(UIProgressViewStyle style) {
    style_ = style;
    setNeedsDisplay();
}

void UIProgressView::setProgressTintColor(UIColorPtr color) {
    progressTintColor_ = std::move(color);
    setNeedsDisplay();
}

void UIProgressView::setTrackTintColor(UIColorPtr color) {
    trackTintColor_ = std::move(color);
    setNeedsDisplay();
}

CGSize UIProgressView::sizeThatFits(CGSize size) const {
    return {size.width > 0 ? size.width : bounds().size.width, 2};
}

void UIProgressView::drawRect(CGRect) {
    auto context = UIGraphicsGetCurrentContext();
    if (!context) return;
    CGRect b = bounds();
    context->setFillColor(trackTintColor_ ? trackTintColor_ : UIColor::colorWithWhite(0.85, 1));
    context->fillRect(b);
    context->setFillColor(progressTintColor_ ? progressTintColor_ : tintColor());
    context->fillRect({b.origin, {b.size.width * progress_, b.size.height}});
}

}  // namespace fv
