#pragma once
// The scripted camera behind the capture classes: what the user answers at the permission prompt,
// which cameras the device has, whether opening one fails, and the frames each camera sees (image
// files or bytes a host or test provides). By default the back camera sees the front of an identity
// document and the front camera a face, sample photos found in the registered library bundles, then
// the main bundle; a host that walks through both sides of the document shows the back camera the
// document's back when the user would turn it over. Thread-safe: capture reads it from the capture
// queue.
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/camera/AVCaptureTypes.h"

namespace fv {

class CameraProvider {
  public:
    using Bytes = std::vector<std::uint8_t>;
    // What a still capture brings: the camera's frame, no sample buffer at all, or a buffer whose
    // bytes are damaged (they start as JPEG but decode to nothing).
    enum class StillOutcome { Frame, NoBuffer, BadBytes };

    // Largest frame file read; a bigger one counts as unreadable.
    static constexpr std::size_t kMaxFrameFileSize = 32u << 20;

    // The sample photos' names, each "<name>.jpg".
    static constexpr const char* kSampleDocumentFront = "camera_sample_document";
    static constexpr const char* kSampleDocumentBack = "camera_sample_document_back";
    static constexpr const char* kSampleFace = "camera_sample_face";
    // Where the sample photo `name` is; empty when no bundle has it.
    static std::string sampleFramePath(const std::string& name);

    CameraProvider();

    // ---- permission ----
    // Per media type; every type starts not determined.
    AVAuthorizationStatus authorizationStatus(const std::string& mediaType) const;
    void setAuthorizationStatus(AVAuthorizationStatus status,
                                const std::string& mediaType = AVMediaTypeVideo);
    // What the simulated user answers when the system prompt is shown (granted by default).
    bool promptAnswer() const;
    void setPromptAnswer(bool granted);
    // How many times the system prompt was shown.
    int promptCount() const;
    // Shows the prompt if the status is not determined and remembers the answer; returns whether
    // access is granted.
    bool answerAccessRequest(const std::string& mediaType);

    // ---- devices ----
    // The video cameras, in the order devicesWithMediaType: lists them; empty = a device without
    // cameras. Back and front by default.
    std::vector<AVCaptureDevicePosition> devicePositions() const;
    void setDevicePositions(std::vector<AVCaptureDevicePosition> positions);
    // When set, making a device input fails (the camera is in use or broken).
    bool inputFails() const;
    void setInputFails(bool fails);

    // ---- frames ----
    void setFrameFile(AVCaptureDevicePosition position, const std::string& path);
    void setFrameData(AVCaptureDevicePosition position, Bytes jpeg);
    // The frame a camera sees now; none when no file or bytes are set, the file is unreadable, or
    // its header claims more pixels than an image may have (that one is logged once per frame set,
    // and never decoded).
    std::optional<Bytes> frameData(AVCaptureDevicePosition position) const;
    StillOutcome stillOutcome() const;
    void setStillOutcome(StillOutcome outcome);
    // Still captures taken (whatever their outcome).
    int captureCount() const;
    void noteCapture();

  private:
    // False, with one log line per frame set, for a frame whose header claims too many pixels.
    bool withinBudget(AVCaptureDevicePosition position, const Bytes& frame) const;

    mutable std::mutex mutex_;
    std::map<std::string, AVAuthorizationStatus> status_;
    bool promptAnswer_ = true;
    int promptCount_ = 0;
    std::vector<AVCaptureDevicePosition> positions_{AVCaptureDevicePositionBack,
                                                    AVCaptureDevicePositionFront};
    bool inputFails_ = false;
    std::map<AVCaptureDevicePosition, std::string> frameFiles_;
    std::map<AVCaptureDevicePosition, Bytes> frameBytes_;
    mutable std::set<AVCaptureDevicePosition> refusalsLogged_;
    StillOutcome stillOutcome_ = StillOutcome::Frame;
    int captureCount_ = 0;
};

}  // namespace fv
