#include "onboarding/capture/BackIDCardCameraViewController.h"

#include "core/ThemeManager.h"

namespace fv {

FV_REGISTER_CLASS(BackIDCardCameraViewController);

void BackIDCardCameraViewController::registerMembers(ClassBuilder<BackIDCardCameraViewController>& b) {
    b.action("action_skip:", &BackIDCardCameraViewController::action_skip);
}

BackIDCardCameraViewController::~BackIDCardCameraViewController() = default;

void BackIDCardCameraViewController::formatView() {
    CameraCaptureViewController::formatView();
    btn_skip->setTitleColor(ThemeManager::sharedInstance()->header_button_color(), UIControlStateNormal);
}

void BackIDCardCameraViewController::action_skip(UIButton*) {
    pushScreen(screen::UserPictureCaptureViewController,
               ScreenSetup().value("cameFromProfile", Value(false)));
}

CGRect BackIDCardCameraViewController::overlayWindow() const {
    return ThemeManager::sharedInstance()->cameraOverlayRect();
}

void BackIDCardCameraViewController::showPreview(const UIImagePtr& photo) {
    pushPreview(screen::BackIDCardPreviewViewController, photo);
}

}  // namespace fv
