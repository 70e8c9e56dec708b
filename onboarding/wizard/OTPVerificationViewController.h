#pragma once
// The wizard's one-time-code step: where the code went (phone, e-mail or both), six boxes of one
// character each, and Redeem. No code is sent or compared: any six filled boxes pass. Redeem closes
// the keyboard, shows "Verifying" after 0.2 s and moves on 1.0 s later, to the link-app-account step
// when the theme switches it on, else to the name and address step.
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "onboarding/wizard/WizardViewController.h"
#include "platform/ui/UIScrollView.h"
#include "screenkit/CustomButton.h"

namespace fv {

class OTPVerificationViewController : public WizardViewController {
    FV_CLASS(OTPVerificationViewController, WizardViewController)
    static void registerMembers(ClassBuilder<OTPVerificationViewController>& b);
    using WizardViewController::WizardViewController;
    ~OTPVerificationViewController() override;

    void formatView() override;
    // Redeem is enabled while all six boxes hold text.
    void enableRedeemBtn();
    void textFieldDidBeginEditing(UITextField* textField) override;
    // A box takes the replacement whole (a character, a paste, or nothing for a deletion) and the
    // focus moves on; the system applies nothing itself.
    bool textFieldShouldChangeCharactersInRange(UITextField* textField, NSRange range,
                                                const std::string& string) override;
    // The keyboard's Next: from box k to box k+1.
    void nextField();
    bool textFieldShouldReturn(UITextField* textField) override;
    void action_redeem(UIButton* sender);
    void proceedToNextScreen();
    void action_back(UIButton* sender);

    // Set by the previous screen before the push; read once, when the view loads.
    std::optional<bool> isSentOnMessage;
    std::optional<bool> isSentOnEmail;
    std::optional<std::string> numberText;
    std::optional<std::string> emailText;

    FV_OUTLET(UIScrollView, scrollView);
    FV_OUTLET(UITextField, tf_code1);
    FV_OUTLET(UITextField, tf_code2);
    FV_OUTLET(UITextField, tf_code3);
    FV_OUTLET(UITextField, tf_code4);
    FV_OUTLET(UITextField, tf_code5);
    FV_OUTLET(UITextField, tf_code6);
    FV_OUTLET(UILabel, lbl_titleOne);
    FV_OUTLET(UILabel, lbl_titleThree);
    FV_OUTLET(UILabel, lbl_titleTwo);
    FV_OUTLET(UILabel, lbl_headerTitle);
    FV_OUTLET(UILabel, lbl_dash);
    FV_OUTLET(UILabel, lbl_resendCode);
    FV_OUTLET(CustomButton, btn_redeemCode);
    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(UIView, view_underline);
    FV_OUTLET(UIProgressView, progress_bar);

    static constexpr double kVerifyingDelay = 0.2;
    static constexpr double kProceedDelay = 1.0;

  private:
    std::array<UITextFieldPtr, 6> boxes() const;
    // 1 to 6, or 0 when `field` is none of the boxes.
    int boxNumber(const UITextField* field) const;
    void showTitles();

    std::weak_ptr<UITextField> currentTextField_;
    bool redeemPending_ = false;
};

}  // namespace fv
