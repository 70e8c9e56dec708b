#include "platform/ui/UIScreen.h"

#include "platform/graphics/UIImage.h"

namespace fv {

FV_REGISTER_CLASS(UIScreen);

std::shared_ptr<UIScreen> UIScreen::mainScreen() {
    static const std::shared_ptr<UIScreen> screen = std::make_shared<UIScreen>();
    return screen;
}

void UIScreen::setScale(CGFloat scale) {
    if (scale <= 0) return;
    scale_ = scale;
    UIImage::setScreenScale(scale);
}

void UIScreen::reset() {
    bounds_ = {{0, 0}, {375, 667}};
    setScale(2.0);
}

}  // namespace fv
