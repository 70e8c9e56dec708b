#include "platform/ui/UIVisualEffectView.h"

namespace fv {

FV_REGISTER_CLASS(UIVisualEffectView);

UIVisualEffectViewPtr UIVisualEffectView::create(UIBlurEffectPtr effect, CGRect frame) {
    return std::make_shared<UIVisualEffectView>(std::move(effect), frame);
}

UIVisualEffectView::UIVisualEffectView() : UIVisualEffectView(nullptr, CGRectZero) {}

UIVisualEffectView::UIVisualEffectView(UIBlurEffectPtr effect, CGRect frame)
    : UIView(frame), contentView_(UIView::create()) {
    setOpaque(false);
    contentView_->setFrame(bounds());
    contentView_->setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
    contentView_->setBackgroundColor(UIColor::clearColor());
    addSubview(contentView_);
    setEffect(std::move(effect));
}

UIVisualEffectView::~UIVisualEffectView() = default;

void UIVisualEffectView::setEffect(UIBlurEffectPtr effect) {
    effect_ = std::move(effect);
    setBackgroundColor(effect_ ? tintForStyle(effect_->style) : UIColor::clearColor());
}

UIColorPtr UIVisualEffectView::tintForStyle(UIBlurEffectStyle style) {
    switch (style) {
        case UIBlurEffectStyleExtraLight:
            return UIColor::colorWithWhite(0.97, 0.8);
        case UIBlurEffectStyleDark:
            return UIColor::colorWithWhite(0.11, 0.73);
        case UIBlurEffectStyleLight:
            break;
    }
    return UIColor::colorWithWhite(1, 0.6);
}

}  // namespace fv
