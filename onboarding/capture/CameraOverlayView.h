#pragma once
// The dark mask over the document camera: black at 80 % everywhere but a clear card-shaped window,
// 30 points in from each side, 55 from the top and 250 high, framed by a thin white line. Each draw
// writes the window to ThemeManager.cameraOverlayRect, where the crop of the screen reads it. The
// interface file places it over the camera area, with the same frame as the hidden photo view.
#include "platform/ui/UIView.h"

namespace fv {

class CameraOverlayView : public UIView {
    FV_CLASS(CameraOverlayView, UIView)
    using UIView::UIView;

    void drawRect(CGRect rect) override;

    // The window for bounds `b`: its top and height do not follow the view's.
    static CGRect windowForBounds(CGRect b);
    static constexpr CGFloat kInset = 30, kTop = 55, kHeight = 250;
    static constexpr CGFloat kMaskAlpha = 0.8;
};

}  // namespace fv
