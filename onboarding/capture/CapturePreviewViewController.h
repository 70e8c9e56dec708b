#pragma once
// What the three photo previews share: the photo their capture screen hands over before the push
// (shown only: never handed on, kept or sent), the look of the header, the retake prompt and the
// photo's frame, Continue, and back as retake, which hides the progress overlay and pops to the
// capture screen beneath.
#include "onboarding/wizard/WizardViewController.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIImageView.h"
#include "screenkit/CustomButton.h"

namespace fv {

class CapturePreviewViewController : public WizardViewController {
    FV_CLASS(CapturePreviewViewController, WizardViewController)
    static void registerMembers(ClassBuilder<CapturePreviewViewController>& b);
    using WizardViewController::WizardViewController;
    ~CapturePreviewViewController() override;

    const UIImagePtr& capturedImage() const { return capturedImage_; }
    // Read once, when the view loads.
    void setCapturedImage(UIImagePtr image) { capturedImage_ = std::move(image); }

    // The theme's colours, the frame's 2-point border, and the photo.
    void formatView() override;
    virtual void action_continue(UIButton* sender) = 0;
    void action_back(UIButton* sender);

    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(UILabel, lbl_headerTitle);
    FV_OUTLET(CustomButton, Btn_continue);
    FV_OUTLET(UILabel, lbl_retakePhoto);
    FV_OUTLET(UIImageView, img_captured_image);
    FV_OUTLET(UIView, view_underline);
    FV_OUTLET(UIView, view_img_preview);

    static constexpr CGFloat kFrameBorderWidth = 2.0;

  private:
    UIImagePtr capturedImage_;
};

}  // namespace fv
