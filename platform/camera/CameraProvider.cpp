#include "platform/camera/CameraProvider.h"

#include "platform/foundation/Bundle.h"
#include "platform/foundation/FileContents.h"
#include "platform/foundation/Log.h"
#include "platform/graphics/ImageHeader.h"

namespace fv {

std::string CameraProvider::sampleFramePath(const std::string& name) {
    for (const auto& bundle : NSBundle::allFrameworks())
        if (auto path = bundle->pathForResource(name, "jpg")) return *path;
    return NSBundle::mainBundle()->pathForResource(name, "jpg").value_or("");
}

CameraProvider::CameraProvider() {
    frameFiles_[AVCaptureDevicePositionBack] = sampleFramePath(kSampleDocumentFront);
    frameFiles_[AVCaptureDevicePositionFront] = sampleFramePath(kSampleFace);
}

AVAuthorizationStatus CameraProvider::authorizationStatus(const std::string& mediaType) const {
    std::lock_guard lock(mutex_);
    auto it = status_.find(mediaType);
    return it == status_.end() ? AVAuthorizationStatusNotDetermined : it->second;
}

void CameraProvider::setAuthorizationStatus(AVAuthorizationStatus status, const std::string& mediaType) {
    std::lock_guard lock(mutex_);
    status_[mediaType] = status;
}

bool CameraProvider::promptAnswer() const {
    std::lock_guard lock(mutex_);
    return promptAnswer_;
}

void CameraProvider::setPromptAnswer(bool granted) {
    std::lock_guard lock(mutex_);
    promptAnswer_ = granted;
}

int CameraProvider::promptCount() const {
    std::lock_guard lock(mutex_);
    return promptCount_;
}

bool CameraProvider::answerAccessRequest(const std::string& mediaType) {
    std::lock_guard lock(mutex_);
    auto& status = status_.try_emplace(mediaType, AVAuthorizationStatusNotDetermined).first->second;
    if (status == AVAuthorizationStatusNotDetermined) {
        ++promptCount_;
        status = promptAnswer_ ? AVAuthorizationStatusAuthorized : AVAuthorizationStatusDenied;
    }
    return status == AVAuthorizationStatusAuthorized;
}

std::vector<AVCaptureDevicePosition> CameraProvider::devicePositions() const {
    std::lock_guard lock(mutex_);
    return positions_;
}

void CameraProvider::setDevicePositions(std::vector<AVCaptureDevicePosition> positions) {
    std::lock_guard lock(mutex_);
    positions_ = std::move(positions);
}

bool CameraProvider::inputFails() const {
    std::lock_guard lock(mutex_);
    return inputFails_;
}

void CameraProvider::setInputFails(bool fails) {
    std::lock_guard lock(mutex_);
    inputFails_ = fails;
}

void CameraProvider::setFrameFile(AVCaptureDevicePosition position, const std::string& path) {
    std::lock_guard lock(mutex_);
    frameBytes_.erase(position);
    refusalsLogged_.erase(position);
    frameFiles_[position] = path;
}

void CameraProvider::setFrameData(AVCaptureDevicePosition position, Bytes jpeg) {
    std::lock_guard lock(mutex_);
    frameFiles_.erase(position);
    refusalsLogged_.erase(position);
    frameBytes_[position] = std::move(jpeg);
}

std::optional<CameraProvider::Bytes> CameraProvider::frameData(AVCaptureDevicePosition position) const {
    std::optional<Bytes> bytes;
    std::string path;
    {
        std::lock_guard lock(mutex_);
        if (auto it = frameBytes_.find(position); it != frameBytes_.end()) {
            bytes = it->second;
        } else if (auto file = frameFiles_.find(position); file != frameFiles_.end()) {
            path = file->second;
        }
    }
    if (!bytes && !path.empty()) bytes = readFileContents(path, kMaxFrameFileSize);
    if (bytes && !withinBudget(position, *bytes)) return std::nullopt;
    return bytes;
}

bool CameraProvider::withinBudget(AVCaptureDevicePosition position, const Bytes& frame) const {
    const auto size = imagePixelSize(frame);
    if (!size || withinPixelBudget(*size)) return true;
    bool first = false;
    {
        std::lock_guard lock(mutex_);
        first = refusalsLogged_.insert(position).second;
    }
    if (first)
        log("camera frame of " + size->description() + " pixels refused: above the budget of " +
            std::to_string(kMaxImagePixels / 1'000'000) + " megapixels");
    return false;
}

CameraProvider::StillOutcome CameraProvider::stillOutcome() const {
    std::lock_guard lock(mutex_);
    return stillOutcome_;
}

void CameraProvider::setStillOutcome(StillOutcome outcome) {
    std::lock_guard lock(mutex_);
    stillOutcome_ = outcome;
}

int CameraProvider::captureCount() const {
    std::lock_guard lock(mutex_);
    return captureCount_;
}

void CameraProvider::noteCapture() {
    std::lock_guard lock(mutex_);
    ++captureCount_;
}

}  // namespace fv
