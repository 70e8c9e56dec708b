#include "platform/camera/AVCaptureConnection.h"

namespace fv {

FV_REGISTER_CLASS(AVCaptureConnection);

AVCaptureDevicePtr AVCaptureConnection::device() const {
    for (const auto& port : inputPorts_) {
        if (auto input = std::dynamic_pointer_cast<AVCaptureDeviceInput>(port->input()))
            return input->device();
    }
    return nullptr;
}

}  // namespace fv
