#include "platform/ui/UISwitch.h"

#include <algorithm>

#include "platform/graphics/GraphicsContext.h"
#include "platform/ui/ControlProperties.h"

namespace fv {

FV_REGISTER_CLASS(UISwitch);

void UISwitch::registerMembers(ClassBuilder<UISwitch>& b) {
    b.property(
        "on", [](UISwitch& s) { return Value(s.isOn()); },
        [](UISwitch& s, const Value& v) {
            if (!v.isBool() && !v.isNumber()) return false;
            s.setOn(v.boolValue());
            return true;
        });
    colorProperty(
        b, "onTintColor", [](UISwitch& s) { return s.onTintColor(); },
        [](UISwitch& s, UIColorPtr c) { s.setOnTintColor(c); });
    colorProperty(
        b, "thumbTintColor", [](UISwitch& s) { return s.thumbTintColor(); },
        [](UISwitch& s, UIColorPtr c) { s.setThumbTintColor(c); });
}

UISwitchPtr UISwitch::create(CGRect frame) {
    return std::make_shared<UISwitch>(frame);
}

UISwitch::UISwitch() : UISwitch(CGRectZero) {}

UISwitch::UISwitch(CGRect frame) : UIControl({frame.origin, kSize}) {
    setOpaque(false);
}

UISwitch::~UISwitch() = default;

void UISwitch::setFrame(CGRect frame) {
    UIControl::setFrame({frame.origin, kSize});
}

void UISwitch::setBounds(CGRect bounds) {
    UIControl::setBounds({bounds.origin, kSize});
}

void UISwitch::setOn(bool on, bool) {
    if (on_ == on) return;
    on_ = on;
    setNeedsDisplay();
    didChangeValueForKey("on", Value(!on), Value(on));
}

void UISwitch::setOnTintColor(UIColorPtr color) {
    onTintColor_ = std::move(color);
    setNeedsDisplay();
}

void UISwitch::setThumbTintColor(UIColorPtr color) {
    thumbTintColor_ = std::move(color);
    setNeedsDisplay();
}

void UISwitch::endTrackingWithTouch(UITouch* touch, UIEvent* event) {
    UIControl::endTrackingWithTouch(touch, event);
    if (!isTouchInside()) return;
    setOn(!on_, true);
    sendActionsForControlEvents(UIControlEventValueChanged);
}

CGSize UISwitch::sizeThatFits(CGSize) const {
    return kSize;
}

void UISwitch::drawRect(CGRect) {
    auto context = UIGraphicsGetCurrentContext();
    if (!context) return;
    CGRect b = bounds();
    CGFloat radius = b.size.height / 2;
    auto track = on_ ? (onTintColor_ ? onTintColor_ : UIColor::colorWithRed(0.3, 0.85, 0.39, 1))
                     : UIColor::colorWithWhite(0.9, 1);
    context->setFillColor(track);
    context->addRoundedRect(b, radius);
    context->fillPath();
    if (!on_) {
        context->setStrokeColor(tintColor());
        context->setLineWidth(1.5);
        context->addRoundedRect(CGRectInset(b, 0.75, 0.75), radius - 0.75);
        context->strokePath();
    }
    CGFloat d = b.size.height - 4;
    CGFloat x = on_ ? CGRectGetMaxX(b) - 2 - d : b.origin.x + 2;
    context->setShadow({0, 1}, 2, UIColor::colorWithWhite(0, 0.3));
    context->setFillColor(thumbTintColor_ ? thumbTintColor_ : UIColor::whiteColor());
    context->fillEllipseInRect({{x, b.origin.y + 2}, {d, d}});
    context->setShadow({0, 0}, 0, nullptr);
    if (!isEnabled()) {
        context->setFillColor(UIColor::colorWithWhite(1, 0.5));
        context->addRoundedRect(b, radius);
        context->fillPath();
    }
}

}  // namespace fv
