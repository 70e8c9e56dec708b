#include "platform/ui/UIVisualEffectView.h"

namespace fv {
namespace {

UIColorPtr washFor(UIBlurEffectStyle style) {
    switch (style) {
        case UIBlurEffectStyle::ExtraLight:
            return UIColor::colorWithWhite(0.97, 0.8);
        case UIBlurEffectStyle::Light:
            return UIColor::colorWithWhite(0.97, 0.6);
        case UIBlurEffectStyle::Dark:
            return UIColor::colorWithWhite(0.11, 0.7);
    }
    return UIColor::clearColor();
}

}  // namespace

FV_REGISTER_CLASS(UIVisualEffectView);

UIVisualEffectViewPtr UIVisualEffectView::create(UIBlurEffect effect, CGRect frame) {
    return std::make_shared<UIVisualEffectView>(effect, frame);
}

UIVisualEffectView::UIVisualEffectView() : UIVisualEffectView(UIBlurEffect{}, CGRectZero) {}

UIVisualEffectView::UIVisualEffectView(UIBlurEffect effect, CGRect frame) : UIView(frame), effect_(effect) {
    layer()->backgroundColor = washFor(effect.style);
}

}  // namespace fv
