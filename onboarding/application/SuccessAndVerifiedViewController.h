#pragma once
// The end of the new-card wizard: the application went through. One button opens the virtual card
// issued by the reply; the card-management button does nothing. There is no way back: the screen stays
// beneath the virtual card. The icon and its spacing are fitted to the device's size class once.
#include "onboarding/wizard/WizardViewController.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIImageView.h"
#include "screenkit/CustomButton.h"

namespace fv {

class SuccessAndVerifiedViewController : public WizardViewController {
    FV_CLASS(SuccessAndVerifiedViewController, WizardViewController)
    static void registerMembers(ClassBuilder<SuccessAndVerifiedViewController>& b);
    using WizardViewController::WizardViewController;
    ~SuccessAndVerifiedViewController() override;

    void formatView() override;
    void action_view_virtual_card(UIButton* sender);
    void action_card_management(UIButton* sender);

    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(UILabel, lbl_headerTitle);
    FV_OUTLET(CustomButton, Btn_view_virtual_card);
    FV_OUTLET(CustomButton, Btn_card_management);
    FV_OUTLET(UILabel, lbl_titleOne);
    FV_OUTLET(UILabel, lbl_titleTwo);
    FV_OUTLET(UILabel, lbl_titleThree);
    FV_OUTLET(UIImageView, img_thumbIcon);
    FV_OUTLET(NSLayoutConstraint, constraint_img_thumbIcon);
    FV_OUTLET(NSLayoutConstraint, constraint_top_img_thumbIcon);
    FV_OUTLET(NSLayoutConstraint, constraint_bottom_img_thumbIcon);

  private:
    void fitIconToDevice();
};

}  // namespace fv
