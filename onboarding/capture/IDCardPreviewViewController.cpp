#include "onboarding/capture/IDCardPreviewViewController.h"

#include "core/ThemeManager.h"

namespace fv {

FV_REGISTER_CLASS(IDCardPreviewViewController);

IDCardPreviewViewController::~IDCardPreviewViewController() = default;

void IDCardPreviewViewController::formatView() {
    CapturePreviewViewController::formatView();
    auto theme = ThemeManager::sharedInstance();
    lbl_titleOne->setTextColor(theme->main_font_color());
    lbl_titleTwo->setTextColor(theme->light_font_color());
    view_img_preview->layer()->cornerRadius = kFrameCornerRadius;
}

}  // namespace fv
