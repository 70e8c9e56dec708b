#pragma once
// The selfie, by the front camera under the circular window; the circular crop goes to the selfie
// preview with this screen's cameFromProfile. Skip, shown only in the wizard, leaves the selfie out
// and goes on to the cardholder agreement.
#include "onboarding/capture/CameraCaptureViewController.h"

namespace fv {

class UserPictureCaptureViewController : public CameraCaptureViewController {
    FV_CLASS(UserPictureCaptureViewController, CameraCaptureViewController)
    static void registerMembers(ClassBuilder<UserPictureCaptureViewController>& b);
    using CameraCaptureViewController::CameraCaptureViewController;
    ~UserPictureCaptureViewController() override;

    // The base's, then Skip in the header's button colour, hidden when opened from a profile.
    void formatView() override;
    void action_skip(UIButton* sender);

    // Set before the push; Skip follows the value it had when the view loaded.
    bool cameFromProfile() const { return cameFromProfile_; }
    void setCameFromProfile(bool value) { cameFromProfile_ = value; }

    FV_OUTLET(UIButton, btn_skip);

  protected:
    AVCaptureDevicePosition cameraPosition() const override { return AVCaptureDevicePositionFront; }
    CGRect overlayWindow() const override;
    bool clipsToCircle() const override { return true; }
    void showPreview(const UIImagePtr& photo) override;

  private:
    bool cameFromProfile_ = false;
};

}  // namespace fv
