#include "platform/camera/AVCaptureInput.h"

namespace fv {

FV_REGISTER_CLASS(AVCaptureInputPort);
FV_REGISTER_CLASS(AVCaptureInput);
FV_REGISTER_CLASS(AVCaptureDeviceInput);

namespace {

std::shared_ptr<AVCaptureDeviceInput> fail(NSError* error, std::int64_t code, const std::string& text) {
    if (error) *error = NSError{AVFoundationErrorDomain, code, text, {}};
    return nullptr;
}

}  // namespace

std::shared_ptr<AVCaptureDeviceInput> AVCaptureDeviceInput::create(const AVCaptureDevicePtr& device,
                                                                   NSError* error) {
    if (!device || !device->isConnected()) {
        return fail(error, AVErrorDeviceNotConnected, "Cannot use the camera: it is not connected.");
    }
    if (AVCaptureDevice::provider()->inputFails()) {
        return fail(error, AVErrorUnknown, "The camera could not be opened.");
    }
    auto input = std::make_shared<AVCaptureDeviceInput>(device);
    input->ports_.push_back(std::make_shared<AVCaptureInputPort>(AVMediaTypeVideo, input));
    return input;
}

}  // namespace fv
