#pragma once
// Inputs of a capture session: a camera opened as a device input, offering one port per media type.
#include <memory>
#include <string>
#include <vector>

#include "platform/camera/AVCaptureDevice.h"
#include "platform/foundation/NSError.h"
#include "platform/foundation/NSObject.h"

namespace fv {

class AVCaptureInput;

// One stream of an input; connections carry ports from inputs to outputs.
class AVCaptureInputPort : public NSObject {
    FV_CLASS(AVCaptureInputPort, NSObject)
    AVCaptureInputPort(std::string mediaType, const std::shared_ptr<AVCaptureInput>& input)
        : mediaType_(std::move(mediaType)), input_(input) {}
    const std::string& mediaType() const { return mediaType_; }
    std::shared_ptr<AVCaptureInput> input() const { return input_.lock(); }

  private:
    std::string mediaType_;
    std::weak_ptr<AVCaptureInput> input_;
};
using AVCaptureInputPortPtr = std::shared_ptr<AVCaptureInputPort>;

class AVCaptureInput : public NSObject {
    FV_CLASS(AVCaptureInput, NSObject)
    const std::vector<AVCaptureInputPortPtr>& ports() const { return ports_; }

  protected:
    std::vector<AVCaptureInputPortPtr> ports_;
};
using AVCaptureInputPtr = std::shared_ptr<AVCaptureInput>;

class AVCaptureDeviceInput : public AVCaptureInput {
    FV_CLASS(AVCaptureDeviceInput, AVCaptureInput)
    // initWithDevice:error: none, with `error` filled when given, for no device, a camera the device
    // no longer has, or a provider scripted to fail.
    static std::shared_ptr<AVCaptureDeviceInput> create(const AVCaptureDevicePtr& device,
                                                        NSError* error = nullptr);

    const AVCaptureDevicePtr& device() const { return device_; }

    explicit AVCaptureDeviceInput(AVCaptureDevicePtr device) : device_(std::move(device)) {}

  private:
    AVCaptureDevicePtr device_;
};
using AVCaptureDeviceInputPtr = std::shared_ptr<AVCaptureDeviceInput>;

}  // namespace fv
