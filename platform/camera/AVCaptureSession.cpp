#include "platform/camera/AVCaptureSession.h"

#include <algorithm>

namespace fv {

FV_REGISTER_CLASS(AVCaptureSession);

namespace {

template <typename T>
bool contains(const std::vector<T>& list, const T& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

bool AVCaptureSession::canSetSessionPreset(const std::string& preset) const {
    return preset == AVCaptureSessionPresetHigh || preset == AVCaptureSessionPresetMedium ||
           preset == AVCaptureSessionPresetLow || preset == AVCaptureSessionPresetPhoto;
}

void AVCaptureSession::setSessionPreset(const std::string& preset) {
    if (canSetSessionPreset(preset)) preset_ = preset;
}

bool AVCaptureSession::canAddInput(const AVCaptureInputPtr& input) const {
    return input && !contains(inputs_, input);
}

void AVCaptureSession::addInput(const AVCaptureInputPtr& input) {
    if (!canAddInput(input)) return;
    inputs_.push_back(input);
    rebuildConnections();
}

void AVCaptureSession::removeInput(const AVCaptureInputPtr& input) {
    std::erase(inputs_, input);
    rebuildConnections();
}

bool AVCaptureSession::canAddOutput(const AVCaptureOutputPtr& output) const {
    return output && !contains(outputs_, output) && !output->session();
}

void AVCaptureSession::addOutput(const AVCaptureOutputPtr& output) {
    if (!canAddOutput(output)) return;
    outputs_.push_back(output);
    output->session_ = sharedAs<AVCaptureSession>();
    rebuildConnections();
}

void AVCaptureSession::removeOutput(const AVCaptureOutputPtr& output) {
    if (!contains(outputs_, output)) return;
    std::erase(outputs_, output);
    output->session_.reset();
    output->connections_.clear();
}

void AVCaptureSession::rebuildConnections() {
    for (const auto& output : outputs_) {
        output->connections_.clear();
        for (const auto& input : inputs_) {
            output->connections_.push_back(std::make_shared<AVCaptureConnection>(input->ports(), output));
        }
    }
    frame_.reset();
}

void AVCaptureSession::startRunning() {
    running_ = true;
    frame_.reset();
}

// A stopped session shows nothing, so its decoded frame need not stay: a screen left below others
// would otherwise hold a full camera picture.
void AVCaptureSession::stopRunning() {
    running_ = false;
    frame_.reset();
}

UIImagePtr AVCaptureSession::currentFrame() const {
    if (!running_) return nullptr;
    if (frame_) return frame_;
    for (const auto& input : inputs_) {
        auto deviceInput = std::dynamic_pointer_cast<AVCaptureDeviceInput>(input);
        if (!deviceInput) continue;
        auto bytes = AVCaptureDevice::provider()->frameData(deviceInput->device()->position());
        if (!bytes) return nullptr;
        frame_ = UIImage::imageWithData(*bytes);
        return frame_;
    }
    return nullptr;
}

}  // namespace fv
