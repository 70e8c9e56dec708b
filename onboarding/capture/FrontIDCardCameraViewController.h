#pragma once
// The photo of the identity document's front, by the back camera under the card-shaped window; the
// crop goes to the front preview.
#include "onboarding/capture/CameraCaptureViewController.h"

namespace fv {

class FrontIDCardCameraViewController : public CameraCaptureViewController {
    FV_CLASS(FrontIDCardCameraViewController, CameraCaptureViewController)
    using CameraCaptureViewController::CameraCaptureViewController;
    ~FrontIDCardCameraViewController() override;

  protected:
    AVCaptureDevicePosition cameraPosition() const override { return AVCaptureDevicePositionBack; }
    CGRect overlayWindow() const override;
    void showPreview(const UIImagePtr& photo) override;
};

}  // namespace fv
