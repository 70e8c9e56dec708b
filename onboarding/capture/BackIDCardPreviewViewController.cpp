#include "onboarding/capture/BackIDCardPreviewViewController.h"

#include "core/ThemeManager.h"

namespace fv {

FV_REGISTER_CLASS(BackIDCardPreviewViewController);

void BackIDCardPreviewViewController::registerMembers(ClassBuilder<BackIDCardPreviewViewController>& b) {
    b.action("action_skip:", &BackIDCardPreviewViewController::action_skip);
}

BackIDCardPreviewViewController::~BackIDCardPreviewViewController() = default;

void BackIDCardPreviewViewController::formatView() {
    btn_skip->setTitleColor(ThemeManager::sharedInstance()->header_button_color(), UIControlStateNormal);
    IDCardPreviewViewController::formatView();
}

void BackIDCardPreviewViewController::action_skip(UIButton* sender) {
    action_continue(sender);
}

void BackIDCardPreviewViewController::action_continue(UIButton*) {
    pushScreen(screen::UserPictureCaptureViewController,
               ScreenSetup().value("cameFromProfile", Value(false)));
}

}  // namespace fv
