#include "screenkit/CustomButton.h"

#include "core/ThemeManager.h"
#include "platform/graphics/GraphicsContext.h"

namespace fv {

FV_REGISTER_CLASS(CustomButton);

namespace {

// A rounded rectangle filling the layer's bounds, with a soft shadow below it.
class ThemedButtonShape : public CALayer {
    FV_CLASS(ThemedButtonShape, CALayer)
    UIColorPtr fill;
    void drawInContext(CGContext& context) override {
        context.saveGState();
        context.setShadow({0, 2}, 4, UIColor::colorWithWhite(0, 0.3));
        context.setFillColor(fill);
        context.beginPath();
        context.addRoundedRect(bounds(), CustomButton::kCornerRadius);
        context.fillPath();
        context.restoreGState();
    }
};

}  // namespace

FV_REGISTER_CLASS(ThemedButtonShape);

std::shared_ptr<CustomButton> CustomButton::create(CGRect frame) {
    return std::make_shared<CustomButton>(frame);
}

CustomButton::CustomButton() = default;
CustomButton::CustomButton(CGRect frame) : UIButton(frame) {}
CustomButton::~CustomButton() = default;

UIColorPtr CustomButton::shapeFillColor() const {
    auto shape = std::dynamic_pointer_cast<ThemedButtonShape>(shape_);
    return shape ? shape->fill : nullptr;
}

void CustomButton::layoutSubviews() {
    UIButton::layoutSubviews();
    CGRect b = bounds();
    if (!shape_) {
        auto shape = std::make_shared<ThemedButtonShape>();
        shape->fill = ThemeManager::sharedInstance()->main_color();
        shape->name = "CustomButtonShape";
        layer()->insertSublayer(shape, 0);
        shape_ = shape;
        setTitleColor(UIColor::whiteColor(), UIControlStateNormal);
    }
    if (!CGRectEqualToRect(shape_->frame(), CGRectMake(0, 0, b.size.width, b.size.height))) {
        shape_->setFrame(CGRectMake(0, 0, b.size.width, b.size.height));
        setNeedsDisplay();
    }
}

}  // namespace fv
