#pragma once
// The photo of the identity document's back, by the back camera under the card-shaped window; the
// crop goes to the back preview. Skip leaves the back out and goes on to the selfie.
#include "onboarding/capture/CameraCaptureViewController.h"
#include "platform/ui/UIButton.h"

namespace fv {

class BackIDCardCameraViewController : public CameraCaptureViewController {
    FV_CLASS(BackIDCardCameraViewController, CameraCaptureViewController)
    static void registerMembers(ClassBuilder<BackIDCardCameraViewController>& b);
    using CameraCaptureViewController::CameraCaptureViewController;
    ~BackIDCardCameraViewController() override;

    void formatView() override;
    void action_skip(UIButton* sender);

    FV_OUTLET(UIButton, btn_skip);

  protected:
    AVCaptureDevicePosition cameraPosition() const override { return AVCaptureDevicePositionBack; }
    CGRect overlayWindow() const override;
    void showPreview(const UIImagePtr& photo) override;
};

}  // namespace fv
