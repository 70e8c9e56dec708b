#include "onboarding/capture/CapturePreviewViewController.h"

#include "core/ThemeManager.h"

namespace fv {

FV_REGISTER_CLASS(CapturePreviewViewController);

void CapturePreviewViewController::registerMembers(ClassBuilder<CapturePreviewViewController>& b) {
    b.action("action_continue:", [](CapturePreviewViewController& s, NSObject* sender) {
        s.action_continue(dynamic_cast<UIButton*>(sender));
    });
    b.action("action_back:", &CapturePreviewViewController::action_back);
}

CapturePreviewViewController::~CapturePreviewViewController() = default;

void CapturePreviewViewController::formatView() {
    auto theme = ThemeManager::sharedInstance();
    Btn_continue->setBackgroundColor(UIColor::clearColor());
    styleHeader(*view_navbar, *lbl_headerTitle);
    view_underline->setBackgroundColor(theme->main_color());
    lbl_retakePhoto->setTextColor(theme->main_color());
    view_img_preview->setBackgroundColor(UIColor::clearColor());
    view_img_preview->layer()->borderColor = theme->border_color();
    view_img_preview->layer()->borderWidth = kFrameBorderWidth;
    img_captured_image->setImage(capturedImage_);
}

void CapturePreviewViewController::action_back(UIButton*) {
    hideOverlayThenPop();
}

}  // namespace fv
