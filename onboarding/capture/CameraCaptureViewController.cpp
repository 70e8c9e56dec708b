#include "onboarding/capture/CameraCaptureViewController.h"

#include "controls/UIImageCrop.h"
#include "controls/UIImageViewImageRect.h"
#include "core/ScreenRegistry.h"
#include "onboarding/capture/CapturePreviewViewController.h"
#include "platform/foundation/Fault.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIApplication.h"

namespace fv {

FV_REGISTER_CLASS(CameraCaptureViewController);

void CameraCaptureViewController::registerMembers(ClassBuilder<CameraCaptureViewController>& b) {
    b.action("action_capture_image:", &CameraCaptureViewController::action_capture_image);
    b.action("action_back:", &CameraCaptureViewController::action_back);
}

CameraCaptureViewController::~CameraCaptureViewController() = default;

void CameraCaptureViewController::formatView() {
    styleHeader(*view_navbar, *lbl_headerTitle);
    img_tempImgView->setHidden(true);
}

void CameraCaptureViewController::viewWillAppear(bool animated) {
    WizardViewController::viewWillAppear(animated);
    auto app = UIApplication::sharedApplication();
    if (!holdsIdleTimer_) {
        idleTimerWasDisabled_ = app->isIdleTimerDisabled();
        holdsIdleTimer_ = true;
    }
    app->setIdleTimerDisabled(true);
}

void CameraCaptureViewController::viewDidAppear(bool animated) {
    WizardViewController::viewDidAppear(animated);
    ReadyCameraView();
}

void CameraCaptureViewController::viewWillDisappear(bool animated) {
    WizardViewController::viewWillDisappear(animated);
    if (holdsIdleTimer_) {
        UIApplication::sharedApplication()->setIdleTimerDisabled(idleTimerWasDisabled_);
        holdsIdleTimer_ = false;
    }
    stopReading();
}

void CameraCaptureViewController::ReadyCameraView() {
    captureSession_.reset();
    // A retake builds anew: the old picture goes rather than lying under the new one.
    if (videoPreviewLayer_) videoPreviewLayer_->removeFromSuperlayer();
    videoPreviewLayer_.reset();
    stillImageOutput_.reset();

    AVCaptureDevicePtr camera;
    for (const auto& device : AVCaptureDevice::devicesWithMediaType(AVMediaTypeVideo))
        if (device->position() == cameraPosition()) {
            camera = device;
            break;
        }
    auto input = camera ? AVCaptureDeviceInput::create(camera) : nullptr;
    if (!input) {
        log("CAMERA INITIALIZATION ISSUE");
        return;
    }
    auto session = AVCaptureSession::create();
    session->addInput(input);
    session->setSessionPreset(AVCaptureSessionPresetHigh);

    auto preview = AVCaptureVideoPreviewLayer::layerWithSession(session);
    preview->setVideoGravity(AVLayerVideoGravityResizeAspectFill);
    preview->setFrame(cameraView->layer()->bounds());
    cameraView->layer()->addSublayer(preview);

    auto output = AVCaptureStillImageOutput::create();
    output->setOutputSettings(Value::Dictionary{{AVVideoCodecKey, Value(AVVideoCodecJPEG)}});
    session->addOutput(output);
    session->startRunning();

    captureSession_ = std::move(session);
    videoPreviewLayer_ = std::move(preview);
    stillImageOutput_ = std::move(output);
}

void CameraCaptureViewController::stopReading() {
    if (captureSession_) captureSession_->stopRunning();
    captureSession_.reset();
}

void CameraCaptureViewController::action_capture_image(UIButton*) {
    if (capturing_ || !stillImageOutput_) return;
    AVCaptureConnectionPtr video;
    for (const auto& connection : stillImageOutput_->connections()) {
        for (const auto& port : connection->inputPorts())
            if (port->mediaType() == AVMediaTypeVideo) video = connection;
        if (video) break;
    }
    if (!video) return;
    capturing_ = true;
    auto self = sharedAs<CameraCaptureViewController>();
    stillImageOutput_->captureStillImageAsynchronouslyFromConnection(
        video, [self](CMSampleBufferRef buffer, std::optional<NSError>) {
            // Answered on the camera's queue: views and the crop only on the main one.
            RunLoop::main().post([self, buffer = std::move(buffer)] {
                self->capturing_ = false;
                self->tookPhoto(buffer);
            });
        });
}

void CameraCaptureViewController::tookPhoto(const CMSampleBufferRef& buffer) {
    if (!buffer) {
        log("Still capture failed: no sample buffer");
        return;
    }
    auto jpeg = AVCaptureStillImageOutput::jpegStillImageNSDataRepresentation(buffer);
    if (!jpeg) {
        log("Still capture failed: the sample buffer holds no JPEG");
        return;
    }
    auto photo = UIImage::imageWithData(*jpeg);
    if (!photo) {
        log("Still capture failed: the JPEG holds no image");
        return;
    }
    img_tempImgView->setImage(photo);
    cropImage();
}

void CameraCaptureViewController::cropImage() {
    auto photo = img_tempImgView->image();
    if (!photo) return;
    const CGRect area = cropRectForFrame(*img_tempImgView, overlayWindow());
    auto cropped = croppedImageWithFrame(photo, area, 0, clipsToCircle());
    if (!cropped) {
        log("The overlay's window gives no crop; the whole photo goes on");
        cropped = photo;
    }
    // The whole photo is not kept beneath the wizard's later screens: only the preview holds its crop.
    img_tempImgView->setImage(nullptr);
    showPreview(cropped);
}

void CameraCaptureViewController::action_back(UIButton*) {
    hideOverlayThenPop();
}

void CameraCaptureViewController::pushPreview(ScreenName name, const UIImagePtr& photo,
                                              const ScreenSetup& setup) {
    auto nav = navigationController();
    if (!nav) return;
    const std::string what = className() + " opening " + name.className;
    auto preview = std::dynamic_pointer_cast<CapturePreviewViewController>(ScreenRegistry::screenNamed(name));
    if (!preview) {
        reportFault(what + ": no such preview is built");
        return;
    }
    preview->setCapturedImage(photo);
    if (auto refused = setup.applyTo(*preview); !refused.empty()) {
        reportFault(what + ": it takes no \"" + refused.front() + "\"");
        return;
    }
    nav->pushViewController(preview, true);
}

}  // namespace fv
