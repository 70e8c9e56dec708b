#pragma once
// The live picture of a session, as a layer: while the session runs it shows the camera's frame,
// scaled by its video gravity and clipped to its bounds; otherwise it is black.
#include <memory>
#include <string>

#include "platform/camera/AVCaptureSession.h"
#include "platform/ui/CALayer.h"

namespace fv {

class AVCaptureVideoPreviewLayer : public CALayer {
    FV_CLASS(AVCaptureVideoPreviewLayer, CALayer)
    static std::shared_ptr<AVCaptureVideoPreviewLayer> layerWithSession(const AVCaptureSessionPtr& session);

    // The layer keeps its session alive, as the platform's does.
    const AVCaptureSessionPtr& session() const { return session_; }
    void setSession(AVCaptureSessionPtr session) { session_ = std::move(session); }
    // AVLayerVideoGravityResizeAspect (the default), ...ResizeAspectFill or ...Resize.
    const std::string& videoGravity() const { return videoGravity_; }
    void setVideoGravity(const std::string& gravity) { videoGravity_ = gravity; }

    // The rectangle the frame of `frameSize` covers in the layer's bounds under the gravity.
    CGRect rectForFrameSize(CGSize frameSize) const;

    void drawInContext(CGContext& context) override;

  private:
    AVCaptureSessionPtr session_;
    std::string videoGravity_ = AVLayerVideoGravityResizeAspect;
};
using AVCaptureVideoPreviewLayerPtr = std::shared_ptr<AVCaptureVideoPreviewLayer>;

}  // namespace fv
