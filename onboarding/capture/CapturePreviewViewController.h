#pragma once
// What the three photo previews share: the photo their capture screen hands over before the push
// (shown only: never handed on, kept or sent), the header's colours and back as retake, which hides
// the progress overlay and pops to the capture screen beneath.
#include "onboarding/wizard/WizardViewController.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIImageView.h"

namespace fv {

class CapturePreviewViewController : public WizardViewController {
    FV_CLASS(CapturePreviewViewController, WizardViewController)
    using WizardViewController::WizardViewController;
    ~CapturePreviewViewController() override;

    const UIImagePtr& capturedImage() const { return capturedImage_; }
    // Read once, when the view loads.
    void setCapturedImage(UIImagePtr image) { capturedImage_ = std::move(image); }

    void action_back(UIButton* sender);

  private:
    UIImagePtr capturedImage_;
};

}  // namespace fv
