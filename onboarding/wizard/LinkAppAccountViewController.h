#pragma once
// The wizard's optional step after the one-time code, shown when the theme switches linking on: an
// offer to link an existing app account. Connect does nothing yet; Skip goes on to name and address.
#include "onboarding/wizard/WizardViewController.h"
#include "platform/ui/UIImageView.h"
#include "screenkit/CustomButton.h"

namespace fv {

class LinkAppAccountViewController : public WizardViewController {
    FV_CLASS(LinkAppAccountViewController, WizardViewController)
    static void registerMembers(ClassBuilder<LinkAppAccountViewController>& b);
    using WizardViewController::WizardViewController;
    ~LinkAppAccountViewController() override;

    void formatView() override;
    void action_connect(UIButton* sender);
    void action_skip(UIButton* sender);
    // Pops without touching the progress overlay, unlike the other steps.
    void action_back(UIButton* sender);

    FV_OUTLET(CustomButton, Btn_connect);
    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(UIButton, Btn_skip);
    FV_OUTLET(UILabel, lbl_headerTitle);
    FV_OUTLET(UIProgressView, progress_bar);
    FV_OUTLET(UILabel, lbl_titleTwo);
    FV_OUTLET(UILabel, lbl_titleOne);
    FV_OUTLET(UIImageView, img_logo);
};

}  // namespace fv
