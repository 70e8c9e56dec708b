#include "platform/camera/AVCaptureOutput.h"

namespace fv {

FV_REGISTER_CLASS(AVCaptureOutput);

AVCaptureConnectionPtr AVCaptureOutput::connectionWithMediaType(const std::string& mediaType) const {
    for (const auto& connection : connections_) {
        if (!connection->isEnabled()) continue;
        for (const auto& port : connection->inputPorts()) {
            if (port->mediaType() == mediaType) return connection;
        }
    }
    return nullptr;
}

}  // namespace fv
