#pragma once
// What the three capture screens share: a live camera picture under an overlay with a clear window,
// a capture button that takes one still photo, crops it to the window and hands it to the screen's
// preview, and back. Each appearance builds a new session with a new preview layer (replacing the old
// one) and still-photo output; leaving stops it. While the screen shows, the device does not lock:
// the idle timer goes off on every appearance and back to what it was when the screen goes.
//
// A capture that fails (no sample buffer, no JPEG, no image) leaves the screen as it was and opens
// nothing; a tap while a capture is under way does nothing. A window with no area or not finite (no
// overlay drawn yet) hands on the whole photo. The photo goes only to the preview; the screen
// keeps no copy once it has cropped.
#include <memory>

#include "onboarding/wizard/WizardViewController.h"
#include "platform/camera/AVCaptureSession.h"
#include "platform/camera/AVCaptureStillImageOutput.h"
#include "platform/camera/AVCaptureVideoPreviewLayer.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIImageView.h"
#include "screenkit/ScreenSetup.h"

namespace fv {

class CameraCaptureViewController : public WizardViewController {
    FV_CLASS(CameraCaptureViewController, WizardViewController)
    static void registerMembers(ClassBuilder<CameraCaptureViewController>& b);
    using WizardViewController::WizardViewController;
    ~CameraCaptureViewController() override;

    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    // The header's colours; the photo view hidden.
    void formatView() override;

    // A new session on the screen's camera, its preview over cameraView, a JPEG still output, running.
    // Without that camera or its input: one console line, and no session.
    void ReadyCameraView();
    void stopReading();
    void action_capture_image(UIButton* sender);
    // The photo in img_tempImgView cropped to the overlay's window, then on to the preview.
    void cropImage();
    void action_back(UIButton* sender);

    const AVCaptureSessionPtr& captureSession() const { return captureSession_; }
    const AVCaptureVideoPreviewLayerPtr& videoPreviewLayer() const { return videoPreviewLayer_; }
    const AVCaptureStillImageOutputPtr& stillImageOutput() const { return stillImageOutput_; }
    bool isCapturing() const { return capturing_; }

    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(UILabel, lbl_headerTitle);
    FV_OUTLET(UIView, cameraView);
    FV_OUTLET(UIImageView, img_tempImgView);

  protected:
    virtual AVCaptureDevicePosition cameraPosition() const = 0;
    // The overlay's window as it drew it last, in the photo view's coordinates.
    virtual CGRect overlayWindow() const = 0;
    virtual bool clipsToCircle() const { return false; }
    // Opens the screen's preview with `photo`.
    virtual void showPreview(const UIImagePtr& photo) = 0;

    // Makes the preview `name`, gives it `photo` and `setup`, and pushes it, animated. Nothing when
    // this screen is on no stack; a fault when the preview is not built or refuses a setting.
    void pushPreview(ScreenName name, const UIImagePtr& photo, const ScreenSetup& setup = {});

  private:
    void tookPhoto(const CMSampleBufferRef& buffer);

    AVCaptureSessionPtr captureSession_;
    AVCaptureVideoPreviewLayerPtr videoPreviewLayer_;
    AVCaptureStillImageOutputPtr stillImageOutput_;
    bool capturing_ = false;
    bool holdsIdleTimer_ = false;
    bool idleTimerWasDisabled_ = false;
};

}  // namespace fv
