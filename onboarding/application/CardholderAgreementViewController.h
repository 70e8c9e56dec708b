#pragma once
// The wizard's last data step: the cardholder agreement and Continue, which posts the application.
// While the post is in flight the progress overlay takes every touch; the reply brings the success
// screen, or an error banner and the screen as it was, ready to post the same request again.
#include <memory>

#include "onboarding/application/CardholderAgreementViewModel.h"
#include "onboarding/application/CardholderAgreementViewModelDelegate.h"
#include "onboarding/wizard/WizardViewController.h"
#include "platform/ui/UITextView.h"
#include "screenkit/CustomButton.h"

namespace fv {

class CardholderAgreementViewController : public WizardViewController,
                                          public CardholderAgreementViewModelDelegate {
    FV_CLASS(CardholderAgreementViewController, WizardViewController)
    static void registerMembers(ClassBuilder<CardholderAgreementViewController>& b);
    using WizardViewController::WizardViewController;
    ~CardholderAgreementViewController() override;

    void formatView() override;
    void initialzieViewModel() override;
    // Every layout shows the agreement from its first line again.
    void viewWillLayoutSubviews() override;
    void viewDidLayoutSubviews() override;

    void proceedToNextScreen();
    void action_continue(UIButton* sender);
    void action_back(UIButton* sender);

    // ---- what the view model reports ----
    void showHUD() override;
    void dismissHUD() override;
    void successfullyCreateCardHolder() override;
    void errorInCreateCardHolder() override;
    void failedService() override;

    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(UILabel, lbl_headerTitle);
    FV_OUTLET(CustomButton, Btn_continue);
    FV_OUTLET(UILabel, lbl_titleOne);
    FV_OUTLET(UITextView, txtView_agreement);

    std::shared_ptr<CardholderAgreementViewModel> viewModel;

  private:
    void showAgreementFromTheTop();
};

}  // namespace fv
