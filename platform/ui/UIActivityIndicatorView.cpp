#include "platform/ui/UIActivityIndicatorView.h"

#include <cmath>
#include <numbers>

#include "platform/graphics/GraphicsContext.h"
#include "platform/ui/ControlProperties.h"

namespace fv {

FV_REGISTER_CLASS(UIActivityIndicatorView);

void UIActivityIndicatorView::registerMembers(ClassBuilder<UIActivityIndicatorView>& b) {
    b.enumNames("activityIndicatorViewStyle",
                {{"whiteLarge", 0}, {"white", 1}, {"gray", 2}, {"medium", 100}, {"large", 101}});
    b.property("activityIndicatorViewStyle", &UIActivityIndicatorView::activityIndicatorViewStyle,
               &UIActivityIndicatorView::setActivityIndicatorViewStyle);
    colorProperty(
        b, "color", [](UIActivityIndicatorView& v) { return v.color(); },
        [](UIActivityIndicatorView& v, UIColorPtr c) { v.setColor(c); });
    b.property("hidesWhenStopped", &UIActivityIndicatorView::hidesWhenStopped,
               &UIActivityIndicatorView::setHidesWhenStopped);
    b.property(
        "animating", [](UIActivityIndicatorView& v) { return Value(v.isAnimating()); },
        [](UIActivityIndicatorView& v, const Value& value) {
            if (!value.isBool() && !value.isNumber()) return false;
            value.boolValue() ? v.startAnimating() : v.stopAnimating();
            return true;
        });
}

UIActivityIndicatorViewPtr UIActivityIndicatorView::create(UIActivityIndicatorViewStyle style) {
    auto view = std::make_shared<UIActivityIndicatorView>();
    view->setActivityIndicatorViewStyle(style);
    view->setFrame({{0, 0}, view->sizeThatFits(CGSizeZero)});
    return view;
}

UIActivityIndicatorView::UIActivityIndicatorView() : UIActivityIndicatorView(CGRectZero) {}

UIActivityIndicatorView::UIActivityIndicatorView(CGRect frame) : UIView(frame) {
    setOpaque(false);
    setUserInteractionEnabled(false);
    setHidden(true);
}

UIActivityIndicatorView::~UIActivityIndicatorView() = default;

void UIActivityIndicatorView::setActivityIndicatorViewStyle(UIActivityIndicatorViewStyle style) {
    style_ = style;
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
}

UIColorPtr UIActivityIndicatorView::color() const {
    if (color_) return color_;
    return style_ == UIActivityIndicatorViewStyleGray ? UIColor::grayColor() : UIColor::whiteColor();
}

void UIActivityIndicatorView::setColor(UIColorPtr color) {
    color_ = std::move(color);
    setNeedsDisplay();
}

void UIActivityIndicatorView::setHidesWhenStopped(bool hides) {
    hidesWhenStopped_ = hides;
    if (!animating_) setHidden(hides);
}

void UIActivityIndicatorView::startAnimating() {
    animating_ = true;
    setHidden(false);
}

void UIActivityIndicatorView::stopAnimating() {
    animating_ = false;
    if (hidesWhenStopped_) setHidden(true);
}

CGSize UIActivityIndicatorView::sizeThatFits(CGSize) const {
    CGFloat side = style_ == UIActivityIndicatorViewStyleWhiteLarge ? 37 : 20;
    return {side, side};
}

void UIActivityIndicatorView::drawRect(CGRect) {
    auto context = UIGraphicsGetCurrentContext();
    if (!context) return;
    CGRect b = bounds();
    CGFloat radius = std::min(b.size.width, b.size.height) / 2;
    CGPoint c{CGRectGetMidX(b), CGRectGetMidY(b)};
    auto ink = color();
    context->setLineWidth(std::max<CGFloat>(1.5, radius / 5));
    context->setLineCap(CGLineCap::Round);
    constexpr int kSpokes = 12;
    for (int i = 0; i < kSpokes; ++i) {
        double angle = 2 * std::numbers::pi * i / kSpokes;
        context->setStrokeColor(ink->colorWithAlphaComponent(0.25 + 0.75 * i / kSpokes));
        context->beginPath();
        context->moveToPoint({c.x + std::cos(angle) * radius * 0.45, c.y + std::sin(angle) * radius * 0.45});
        context->addLineToPoint({c.x + std::cos(angle) * radius * 0.9, c.y + std::sin(angle) * radius * 0.9});
        context->strokePath();
    }
}

}  // namespace fv
