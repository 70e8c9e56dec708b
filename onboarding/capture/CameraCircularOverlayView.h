#pragma once
// The dark mask over the selfie camera: black at 80 % everywhere but a clear circle, its square 30
// points in from each side and 55 from the top (the diameter follows the width only), with a thin
// white ring just outside it. Each draw writes the square to ThemeManager.cameraCircularOverlayRect for
// the screen's crop. The interface file places it over the camera area, framed as the hidden photo view.
#include "platform/ui/UIView.h"

namespace fv {

class CameraCircularOverlayView : public UIView {
    FV_CLASS(CameraCircularOverlayView, UIView)
    using UIView::UIView;

    void drawRect(CGRect rect) override;

    // The circle's square for bounds `b`.
    static CGRect circleSquareForBounds(CGRect b);
    static constexpr CGFloat kInset = 30, kTop = 55;
    static constexpr CGFloat kMaskAlpha = 0.8;
};

}  // namespace fv
