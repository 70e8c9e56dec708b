#pragma once
// The still-photo output: captures one frame of its connection's camera as JPEG, asynchronously,
// answering on the camera's own queue. The frame and any scripted failure come from the provider.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/camera/AVCaptureOutput.h"
#include "platform/foundation/NSError.h"
#include "platform/foundation/Value.h"

namespace fv {

// A captured sample: the encoded bytes as the camera delivered them.
class CMSampleBuffer {
  public:
    explicit CMSampleBuffer(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

  private:
    std::vector<std::uint8_t> bytes_;
};
using CMSampleBufferRef = std::shared_ptr<const CMSampleBuffer>;

class AVCaptureStillImageOutput : public AVCaptureOutput {
    FV_CLASS(AVCaptureStillImageOutput, AVCaptureOutput)
    static std::shared_ptr<AVCaptureStillImageOutput> create() {
        return std::make_shared<AVCaptureStillImageOutput>();
    }

    // A dictionary; AVVideoCodecKey -> AVVideoCodecJPEG is the only codec offered.
    const Value& outputSettings() const { return outputSettings_; }
    void setOutputSettings(Value settings) { outputSettings_ = std::move(settings); }

    using Completion = std::function<void(CMSampleBufferRef buffer, std::optional<NSError> error)>;
    // Calls `completion` once, on the camera's queue, never inside this call: a buffer with the frame,
    // or no buffer and an error when the connection is not this output's, is disabled, its session is
    // not running, its camera has no frame, or the provider scripts a missing buffer. The completion
    // is kept, with what it holds, until it has run, and is then released on the main queue.
    void captureStillImageAsynchronouslyFromConnection(const AVCaptureConnectionPtr& connection,
                                                       Completion completion);
    bool isCapturingStillImage() const { return *pending_ > 0; }

    // The JPEG bytes of a buffer; none for no buffer or bytes without the JPEG start marker. Bytes that
    // start like JPEG yet are damaged come back as they are (decoding them then fails).
    static std::optional<std::vector<std::uint8_t>> jpegStillImageNSDataRepresentation(
        const CMSampleBufferRef& buffer);

  private:
    Value outputSettings_ = Value::Dictionary{{AVVideoCodecKey, Value(AVVideoCodecJPEG)}};
    // Shared with the queued captures, which may outlive the output.
    std::shared_ptr<std::atomic<int>> pending_ = std::make_shared<std::atomic<int>>(0);
};
using AVCaptureStillImageOutputPtr = std::shared_ptr<AVCaptureStillImageOutput>;

}  // namespace fv
