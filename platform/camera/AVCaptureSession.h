#pragma once
// A capture session: inputs, outputs and the connections between them, a preset, and whether it runs.
// Main thread only.
#include <memory>
#include <string>
#include <vector>

#include "platform/camera/AVCaptureInput.h"
#include "platform/camera/AVCaptureOutput.h"
#include "platform/graphics/UIImage.h"

namespace fv {

class AVCaptureSession : public NSObject {
    FV_CLASS(AVCaptureSession, NSObject)
    static std::shared_ptr<AVCaptureSession> create() { return std::make_shared<AVCaptureSession>(); }

    const std::string& sessionPreset() const { return preset_; }
    // Presets other than High, Medium, Low and Photo are refused.
    bool canSetSessionPreset(const std::string& preset) const;
    void setSessionPreset(const std::string& preset);

    const std::vector<AVCaptureInputPtr>& inputs() const { return inputs_; }
    const std::vector<AVCaptureOutputPtr>& outputs() const { return outputs_; }
    // An input or output can be added once, to one session.
    bool canAddInput(const AVCaptureInputPtr& input) const;
    void addInput(const AVCaptureInputPtr& input);
    void removeInput(const AVCaptureInputPtr& input);
    bool canAddOutput(const AVCaptureOutputPtr& output) const;
    void addOutput(const AVCaptureOutputPtr& output);
    void removeOutput(const AVCaptureOutputPtr& output);

    void startRunning();
    void stopRunning();
    bool isRunning() const { return running_; }

    // What the session's camera sees while it runs (none when stopped, without a camera input or
    // with an unreadable frame); the preview shows it.
    UIImagePtr currentFrame() const;

  private:
    void rebuildConnections();

    std::string preset_ = AVCaptureSessionPresetHigh;
    std::vector<AVCaptureInputPtr> inputs_;
    std::vector<AVCaptureOutputPtr> outputs_;
    bool running_ = false;
    mutable UIImagePtr frame_;  // decoded once per run
};
using AVCaptureSessionPtr = std::shared_ptr<AVCaptureSession>;

}  // namespace fv
