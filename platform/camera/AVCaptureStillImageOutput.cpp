#include "platform/camera/AVCaptureStillImageOutput.h"

#include <algorithm>

#include "platform/camera/AVCaptureSession.h"
#include "platform/camera/CaptureQueue.h"

namespace fv {

FV_REGISTER_CLASS(AVCaptureStillImageOutput);

namespace {

NSError captureError(std::int64_t code, const std::string& text) {
    return NSError{AVFoundationErrorDomain, code, text, {}};
}

// Starts as JPEG (start-of-image and a segment marker), then is not a picture at all.
std::vector<std::uint8_t> damagedJpeg() {
    std::vector<std::uint8_t> bytes{0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x04, 0x00, 0x00};
    for (int i = 0; i < 64; ++i) bytes.push_back(static_cast<std::uint8_t>(0x5A ^ i));
    return bytes;
}

}  // namespace

void AVCaptureStillImageOutput::captureStillImageAsynchronouslyFromConnection(
    const AVCaptureConnectionPtr& connection, Completion completion) {
    auto provider = AVCaptureDevice::provider();
    provider->noteCapture();
    std::optional<NSError> refusal;
    AVCaptureDevicePosition position = AVCaptureDevicePositionUnspecified;
    auto session = this->session();
    const bool ours = connection && std::find(connections().begin(), connections().end(), connection) !=
                                        connections().end();
    if (!ours || !connection->isEnabled() || !connection->device()) {
        refusal = captureError(AVErrorUnknown, "The connection cannot capture.");
    } else if (!session || !session->isRunning()) {
        refusal = captureError(AVErrorSessionNotRunning, "The capture session is not running.");
    } else {
        position = connection->device()->position();
    }
    ++*pending_;
    CaptureQueue::shared().async(
        [provider, position, refusal, pending = pending_, completion = std::move(completion)]() mutable {
            CMSampleBufferRef buffer;
            std::optional<NSError> error = refusal;
            if (!error) {
                switch (provider->stillOutcome()) {
                    case CameraProvider::StillOutcome::NoBuffer:
                        error = captureError(AVErrorUnknown, "The camera delivered no picture.");
                        break;
                    case CameraProvider::StillOutcome::BadBytes:
                        buffer = std::make_shared<CMSampleBuffer>(damagedJpeg());
                        break;
                    case CameraProvider::StillOutcome::Frame:
                        if (auto bytes = provider->frameData(position)) {
                            buffer = std::make_shared<CMSampleBuffer>(std::move(*bytes));
                        } else {
                            error = captureError(AVErrorUnknown, "The camera delivered no picture.");
                        }
                        break;
                }
            }
            --*pending;
            if (completion) completion(buffer, error);
            CaptureQueue::releaseOnMain(std::move(completion));
        });
}

std::optional<std::vector<std::uint8_t>> AVCaptureStillImageOutput::jpegStillImageNSDataRepresentation(
    const CMSampleBufferRef& buffer) {
    if (!buffer) return std::nullopt;
    const auto& bytes = buffer->bytes();
    if (bytes.size() < 3 || bytes[0] != 0xFF || bytes[1] != 0xD8 || bytes[2] != 0xFF) return std::nullopt;
    return bytes;
}

}  // namespace fv
