#include "onboarding/capture/CameraOverlayView.h"

#include <algorithm>

#include "core/ThemeManager.h"
#include "platform/graphics/GraphicsContext.h"

namespace fv {

FV_REGISTER_CLASS(CameraOverlayView);

CGRect CameraOverlayView::windowForBounds(CGRect b) {
    return CGRectMake(b.origin.x + kInset, kTop, std::max<CGFloat>(0, b.size.width - 2 * kInset), kHeight);
}

void CameraOverlayView::drawRect(CGRect) {
    const CGRect b = bounds();
    const CGRect window = windowForBounds(b);
    ThemeManager::sharedInstance()->setCameraOverlayRect(window);
    auto context = UIGraphicsGetCurrentContext();
    if (!context) return;
    // The clear window clears only this view's own drawing, not the camera picture beneath.
    context->beginTransparencyLayer();
    UIColor::colorWithRed(0, 0, 0, kMaskAlpha)->setFill();
    UIRectFill(b);
    UIColor::clearColor()->setFill();
    UIRectFill(window);
    auto frame = UIBezierPath::bezierPathWithRoundedRect(window, 2.0);
    frame->lineWidth = 2.0;
    UIColor::whiteColor()->setStroke();
    frame->stroke();
    context->endTransparencyLayer();
}

}  // namespace fv
