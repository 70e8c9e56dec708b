#include "onboarding/capture/UserPicturePreviewViewController.h"

#include "core/DataModel.h"

namespace fv {

FV_REGISTER_CLASS(UserPicturePreviewViewController);

void UserPicturePreviewViewController::registerMembers(ClassBuilder<UserPicturePreviewViewController>& b) {
    using Self = UserPicturePreviewViewController;
    b.property("cameFromProfile", &Self::cameFromProfile, &Self::setCameFromProfile);
}

UserPicturePreviewViewController::~UserPicturePreviewViewController() = default;

void UserPicturePreviewViewController::viewWillLayoutSubviews() {
    CapturePreviewViewController::viewWillLayoutSubviews();
    roundFrame();
}

void UserPicturePreviewViewController::viewDidLayoutSubviews() {
    CapturePreviewViewController::viewDidLayoutSubviews();
    roundFrame();
}

void UserPicturePreviewViewController::roundFrame() {
    view_img_preview->layer()->cornerRadius = 0.5 * view_img_preview->bounds().size.height;
}

void UserPicturePreviewViewController::action_continue(UIButton*) {
    if (!cameFromProfile_) {
        pushScreen(screen::CardholderAgreementViewController);
        return;
    }
    DataModel::sharedInstance()->setCapturedSelfieImage(capturedImage());
    if (auto nav = navigationController()) nav->popToRootViewControllerAnimated(true);
}

}  // namespace fv
