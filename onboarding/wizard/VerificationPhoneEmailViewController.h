#pragma once
// The wizard's first screen: a phone number (masked as it is typed), an e-mail address, or both. Next
// checks what was given, writes it into the new-card request, keeps the e-mail address for the
// password screen and opens the one-time-code screen, telling it where the code went. One instance
// per process (DataModel::getCardViews): its texts survive every later entry into the wizard.
#include <memory>
#include <string>

#include "onboarding/wizard/VerificationPhoneEmailViewModel.h"
#include "onboarding/wizard/VerificationPhoneEmailViewModelDelegate.h"
#include "onboarding/wizard/WizardViewController.h"
#include "platform/ui/UIScrollView.h"
#include "screenkit/CustomButton.h"

namespace fv {

class VerificationPhoneEmailViewController : public WizardViewController,
                                             public VerificationPhoneEmailViewModelDelegate {
    FV_CLASS(VerificationPhoneEmailViewController, WizardViewController)
    static void registerMembers(ClassBuilder<VerificationPhoneEmailViewController>& b);
    using WizardViewController::WizardViewController;
    ~VerificationPhoneEmailViewController() override;

    // Then the keyboard opens on the phone field, on every appearance.
    void viewWillAppear(bool animated) override;
    void formatView() override;
    // Makes the model once; then the new-card request starts afresh.
    void initialzieViewModel() override;

    // Next is enabled while either field holds text.
    void enableNextBtn();
    void action_next(UIButton* sender);
    void proceedToNextScreenWithEnteredEmail(bool emailGiven, bool phoneGiven);
    void setDataInRequestModel();
    void action_back(UIButton* sender);

    // Ends editing; also the action of the phone keyboard's Done.
    bool textFieldShouldReturn(UITextField* textField) override;
    // The phone field applies every edit itself, masked; the e-mail field takes it as typed.
    bool textFieldShouldChangeCharactersInRange(UITextField* textField, NSRange range,
                                                const std::string& string) override;
    static std::string formatPhoneNumberInput(const std::string& text);

    FV_OUTLET(UITextField, tf_phoneNumber);
    FV_OUTLET(UITextField, tf_emailAddress);
    FV_OUTLET(CustomButton, Btn_next);
    FV_OUTLET(UIScrollView, scrollView);
    FV_OUTLET(UILabel, lbl_headerTitle);
    FV_OUTLET(UILabel, lbl_bodyTitle);
    FV_OUTLET(UILabel, lbl_countryCode);
    FV_OUTLET(UILabel, lbl_OR);
    FV_OUTLET(UILabel, lbl_bodyTitle_emailAddress);
    FV_OUTLET(UIView, view_border_phoneNumber);
    FV_OUTLET(UIView, view_border_emailAddress);
    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(UIProgressView, progress_bar);

    std::shared_ptr<VerificationPhoneEmailViewModel> viewModel;

  private:
    std::string phoneText() const { return tf_phoneNumber->text().value_or(""); }
    std::string emailText() const { return tf_emailAddress->text().value_or(""); }
};

}  // namespace fv
