#pragma once
// The wizard's e-mail and password step: the first step's e-mail address to confirm or correct, a
// password typed twice (secure entry), and a sentence whose "Terms" and "Privacy Policy" are links.
// Finish checks the address and that both passwords agree, writes the address into the request and
// leads to identity capture: with an SSN to the selfie camera through the camera permission gate,
// without one to the ID-check start.
#include <memory>
#include <optional>

#include "onboarding/capture/CameraPermissionGate.h"
#include "onboarding/wizard/AccountCreationViewModel.h"
#include "onboarding/wizard/AccountCreationViewModelDelegate.h"
#include "onboarding/wizard/WizardViewController.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIProgressView.h"
#include "platform/ui/UIScrollView.h"
#include "platform/ui/UITextField.h"
#include "screenkit/LinkLabel.h"

namespace fv {

class AccountCreationViewController : public WizardViewController,
                                      public LinkLabelDelegate,
                                      public AccountCreationViewModelDelegate,
                                      public CameraPermissionAlerting {
    FV_CLASS(AccountCreationViewController, WizardViewController)
    static void registerMembers(ClassBuilder<AccountCreationViewController>& b);
    using WizardViewController::WizardViewController;
    ~AccountCreationViewController() override;

    // The markers the two links carry; no page opens for either.
    static constexpr const char* kTermsURL = "TermsPressed";
    static constexpr const char* kPrivacyPolicyURL = "PrivacyPolicyPressed";

    void formatView() override;
    void initialzieViewModel() override;
    // Finish is enabled while all three fields hold text.
    void enableFinishBtn();
    bool textFieldShouldReturn(UITextField* textField) override;
    void attributedLabelDidSelectLinkWithURL(LinkLabel* label, const std::string& url) override;

    void action_finish(UIButton* sender);
    void proceedToNextScreen();
    void showCameraPermissionRequiredAlert() override;
    void setDataInRequestModel();
    void action_back(UIButton* sender);

    FV_OUTLET(UITextField, tf_emailAddress);
    FV_OUTLET(UITextField, tf_password);
    FV_OUTLET(UITextField, tf_retype_password);
    FV_OUTLET(UIButton, Btn_finish);
    FV_OUTLET(UIScrollView, scrollView);
    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(UILabel, lbl_headerTitle);
    FV_OUTLET(UIProgressView, progress_bar);
    FV_OUTLET(UILabel, lbl_bodyTitle_emailAddress);
    FV_OUTLET(UILabel, lbl_bodyTitle_password);
    FV_OUTLET(UILabel, lbl_bodyTitle_retype_password);
    FV_OUTLET(UIView, view_border_emailAddress);
    FV_OUTLET(UIView, view_border_password);
    FV_OUTLET(UIView, view_border_retype_password);
    FV_OUTLET(UILabel, lbl_titleOne);
    FV_OUTLET(LinkLabel, lbl_titleTwo);

    // Set by the previous screen before the push; none counts as no SSN.
    std::optional<bool> do_Have_SSN;
    std::shared_ptr<AccountCreationViewModel> viewModel;

  private:
    void addLinks();
};

}  // namespace fv
