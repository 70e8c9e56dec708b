#include "platform/camera/AVCaptureVideoPreviewLayer.h"

#include <algorithm>

namespace fv {

FV_REGISTER_CLASS(AVCaptureVideoPreviewLayer);

std::shared_ptr<AVCaptureVideoPreviewLayer> AVCaptureVideoPreviewLayer::layerWithSession(
    const AVCaptureSessionPtr& session) {
    auto layer = std::make_shared<AVCaptureVideoPreviewLayer>();
    layer->session_ = session;
    return layer;
}

CGRect AVCaptureVideoPreviewLayer::rectForFrameSize(CGSize frameSize) const {
    const CGRect b{0, 0, bounds().size.width, bounds().size.height};
    if (videoGravity_ == AVLayerVideoGravityResize || frameSize.width <= 0 || frameSize.height <= 0) return b;
    const double sx = b.size.width / frameSize.width, sy = b.size.height / frameSize.height;
    const double s =
        videoGravity_ == AVLayerVideoGravityResizeAspectFill ? std::max(sx, sy) : std::min(sx, sy);
    const CGSize size{frameSize.width * s, frameSize.height * s};
    return {(b.size.width - size.width) / 2, (b.size.height - size.height) / 2, size.width, size.height};
}

void AVCaptureVideoPreviewLayer::drawInContext(CGContext& context) {
    const CGRect b{0, 0, bounds().size.width, bounds().size.height};
    context.saveGState();
    context.clipToRect(b);
    context.setFillColor(UIColor::blackColor());
    context.fillRect(b);
    if (auto frame = session_ ? session_->currentFrame() : nullptr) {
        context.drawImage(*frame, rectForFrameSize(frame->size()));
    }
    context.restoreGState();
}

}  // namespace fv
