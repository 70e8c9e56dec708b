#pragma once
// What the two document previews share over the photo previews': the two lines of text and the
// frame's 2-point corners.
#include "onboarding/capture/CapturePreviewViewController.h"

namespace fv {

class IDCardPreviewViewController : public CapturePreviewViewController {
    FV_CLASS(IDCardPreviewViewController, CapturePreviewViewController)
    using CapturePreviewViewController::CapturePreviewViewController;
    ~IDCardPreviewViewController() override;

    void formatView() override;

    FV_OUTLET(UILabel, lbl_titleOne);
    FV_OUTLET(UILabel, lbl_titleTwo);

    static constexpr CGFloat kFrameCornerRadius = 2.0;
};

}  // namespace fv
