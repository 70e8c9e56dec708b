#pragma once
// The ID-check start screen: the identity-document branch of the new-card wizard, for an applicant
// without a social security number. It only introduces the photographs; Continue settles the camera
// permission and opens the capture of the document's front. No back action: the only way is on.
#include "onboarding/capture/CameraPermissionGate.h"
#include "onboarding/wizard/WizardViewController.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIImageView.h"
#include "screenkit/CustomButton.h"

namespace fv {

class VerifyIDCardStartViewController : public WizardViewController, public CameraPermissionAlerting {
    FV_CLASS(VerifyIDCardStartViewController, WizardViewController)
    static void registerMembers(ClassBuilder<VerifyIDCardStartViewController>& b);
    using WizardViewController::WizardViewController;
    ~VerifyIDCardStartViewController() override;

    void formatView() override;
    // The camera permission gate, on every tap, to the front capture.
    void action_continue(UIButton* sender);
    void showCameraPermissionRequiredAlert() override;

    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(UILabel, lbl_headerTitle);
    FV_OUTLET(CustomButton, Btn_continue);
    FV_OUTLET(UILabel, lbl_titleOne);
    FV_OUTLET(UILabel, lbl_titleTwo);
    FV_OUTLET(UIImageView, img_verifyIcon);
    FV_OUTLET(NSLayoutConstraint, constraint_img_verifyIcon);

    // The icon's size on the small phones of the device-size query's codes 1 and 2.
    static constexpr CGFloat kIconSizeCode1 = 70.0;
    static constexpr CGFloat kIconSizeCode2 = 100.0;
};

}  // namespace fv
