#pragma once
// A link from an input's ports to an output of the same session, made when both are in it.
#include <memory>
#include <vector>

#include "platform/camera/AVCaptureInput.h"

namespace fv {

class AVCaptureOutput;

class AVCaptureConnection : public NSObject {
    FV_CLASS(AVCaptureConnection, NSObject)
    AVCaptureConnection(std::vector<AVCaptureInputPortPtr> ports,
                        const std::shared_ptr<AVCaptureOutput>& output)
        : inputPorts_(std::move(ports)), output_(output) {}

    const std::vector<AVCaptureInputPortPtr>& inputPorts() const { return inputPorts_; }
    std::shared_ptr<AVCaptureOutput> output() const { return output_.lock(); }
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    // The camera behind the connection's first device input, or none.
    AVCaptureDevicePtr device() const;

  private:
    std::vector<AVCaptureInputPortPtr> inputPorts_;
    std::weak_ptr<AVCaptureOutput> output_;
    bool enabled_ = true;
};
using AVCaptureConnectionPtr = std::shared_ptr<AVCaptureConnection>;

}  // namespace fv
