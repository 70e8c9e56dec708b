#include "onboarding/capture/CameraCircularOverlayView.h"

#include <algorithm>

#include "core/ThemeManager.h"
#include "platform/graphics/GraphicsContext.h"

namespace fv {

FV_REGISTER_CLASS(CameraCircularOverlayView);

CGRect CameraCircularOverlayView::circleSquareForBounds(CGRect b) {
    const CGFloat d = std::max<CGFloat>(0, b.size.width - 2 * kInset);
    return CGRectMake(b.origin.x + kInset, kTop, d, d);
}

void CameraCircularOverlayView::drawRect(CGRect) {
    const CGRect b = bounds();
    const CGRect square = circleSquareForBounds(b);
    const CGFloat radius = square.size.width * 0.5;
    ThemeManager::sharedInstance()->setCameraCircularOverlayRect(square);
    auto context = UIGraphicsGetCurrentContext();
    if (!context) return;
    // Cleared and clipped within this view's own drawing, not the camera picture beneath.
    context->beginTransparencyLayer();
    context->clearRect(b);
    // Even-odd: the clip is everything but the inside of the circle, so the ring below shows only
    // its outer half.
    auto mask = UIBezierPath::bezierPathWithRect(b);
    mask->appendPath(*UIBezierPath::bezierPathWithRoundedRect(square, radius));
    mask->usesEvenOddFillRule = true;
    mask->addClip();
    context->setAlpha(kMaskAlpha);
    UIColor::blackColor()->setFill();
    mask->fill();
    auto ring = UIBezierPath::bezierPathWithRoundedRect(square, radius);
    ring->lineWidth = 2.0;
    UIColor::whiteColor()->setStroke();
    ring->stroke();
    context->endTransparencyLayer();
}

}  // namespace fv
