#include "onboarding/capture/UserPictureCaptureViewController.h"

#include "core/ThemeManager.h"

namespace fv {

FV_REGISTER_CLASS(UserPictureCaptureViewController);

void UserPictureCaptureViewController::registerMembers(ClassBuilder<UserPictureCaptureViewController>& b) {
    using Self = UserPictureCaptureViewController;
    b.property("cameFromProfile", &Self::cameFromProfile, &Self::setCameFromProfile);
    b.action("action_skip:", &Self::action_skip);
}

UserPictureCaptureViewController::~UserPictureCaptureViewController() = default;

void UserPictureCaptureViewController::formatView() {
    CameraCaptureViewController::formatView();
    btn_skip->setTitleColor(ThemeManager::sharedInstance()->header_button_color(), UIControlStateNormal);
    btn_skip->setHidden(cameFromProfile_);
}

void UserPictureCaptureViewController::action_skip(UIButton*) {
    pushScreen(screen::CardholderAgreementViewController);
}

CGRect UserPictureCaptureViewController::overlayWindow() const {
    return ThemeManager::sharedInstance()->cameraCircularOverlayRect();
}

void UserPictureCaptureViewController::showPreview(const UIImagePtr& photo) {
    pushPreview(screen::UserPicturePreviewViewController, photo,
                ScreenSetup().value("cameFromProfile", Value(cameFromProfile_)));
}

}  // namespace fv
