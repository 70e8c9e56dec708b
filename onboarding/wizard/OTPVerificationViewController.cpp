#include "onboarding/wizard/OTPVerificationViewController.h"

#include "controls/UIScrollViewKeyboardAvoiding.h"
#include "core/ThemeManager.h"
#include "onboarding/wizard/HandedOverFlag.h"
#include "onboarding/wizard/MainButtonRule.h"
#include "onboarding/wizard/WizardProgress.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/RunLoop.h"

namespace fv {

FV_REGISTER_CLASS(OTPVerificationViewController);

namespace {

bool setText(std::optional<std::string>& text, const Value& v) {
    auto converted = fromValue<std::optional<std::string>>(v);
    if (!converted) return false;
    text = *converted;
    return true;
}

}  // namespace

void OTPVerificationViewController::registerMembers(ClassBuilder<OTPVerificationViewController>& b) {
    using Self = OTPVerificationViewController;
    b.action("enableRedeemBtn", &Self::enableRedeemBtn);
    b.action("nextField", &Self::nextField);
    b.action("action_redeem:", &Self::action_redeem);
    b.action("action_back:", &Self::action_back);
    b.property(
        "isSentOnMessage", [](Self& s) { return handedOverFlagValue(s.isSentOnMessage); },
        [](Self& s, const Value& v) { return setHandedOverFlag(s.isSentOnMessage, v); });
    b.property(
        "isSentOnEmail", [](Self& s) { return handedOverFlagValue(s.isSentOnEmail); },
        [](Self& s, const Value& v) { return setHandedOverFlag(s.isSentOnEmail, v); });
    b.property(
        "numberText", [](Self& s) { return toValue(s.numberText); },
        [](Self& s, const Value& v) { return setText(s.numberText, v); });
    b.property(
        "emailText", [](Self& s) { return toValue(s.emailText); },
        [](Self& s, const Value& v) { return setText(s.emailText, v); });
}

OTPVerificationViewController::~OTPVerificationViewController() = default;

std::array<UITextFieldPtr, 6> OTPVerificationViewController::boxes() const {
    return {tf_code1.get(), tf_code2.get(), tf_code3.get(), tf_code4.get(), tf_code5.get(), tf_code6.get()};
}

int OTPVerificationViewController::boxNumber(const UITextField* field) const {
    const auto all = boxes();
    for (int k = 0; k < 6; ++k)
        if (all[k].get() == field) return k + 1;
    return 0;
}

void OTPVerificationViewController::formatView() {
    enableRedeemBtn();
    setKeyboardAvoidingEnabled(*scrollView, true);
    auto theme = ThemeManager::sharedInstance();
    for (const auto& box : boxes()) box->setTintColor(theme->main_color());
    for (const auto& box : boxes()) CustomizeLayer(box->layer());
    btn_redeemCode->setBackgroundColor(UIColor::clearColor());
    lbl_titleOne->setTextColor(theme->main_font_color());
    lbl_titleTwo->setTextColor(theme->light_font_color());
    lbl_titleThree->setTextColor(theme->main_font_color());
    lbl_dash->setTextColor(theme->border_color());
    lbl_resendCode->setTextColor(theme->main_color());
    styleHeader(*view_navbar, *lbl_headerTitle);
    view_underline->setBackgroundColor(theme->main_color());
    showWizardProgress(*progress_bar, wizard_progress::kOneTimeCode);
    const auto all = boxes();
    watchFields({all[0], all[1], all[2], all[3], all[4], all[5]}, "enableRedeemBtn");
    showTitles();
    for (int k = 0; k < 5; ++k) all[k]->setInputAccessoryView(keyboardToolbar("Next", "nextField"));
    all[5]->setInputAccessoryView(keyboardToolbar("Done", "textFieldShouldReturn:"));
}

void OTPVerificationViewController::showTitles() {
    if (!isSentOnMessage || !isSentOnEmail) return;
    const std::string number = numberText.value_or("");
    const std::string email = emailText.value_or("");
    if (*isSentOnMessage && *isSentOnEmail) {
        lbl_titleOne->setText("Check your messages or email");
        lbl_titleThree->setText(number + "\n&\n" + email);
    } else if (*isSentOnMessage) {
        lbl_titleOne->setText("Check your messages");
        lbl_titleThree->setText(number);
    } else if (*isSentOnEmail) {
        lbl_titleOne->setText("Check your email");
        lbl_titleThree->setText(email);
    }
}

void OTPVerificationViewController::enableRedeemBtn() {
    const auto all = boxes();
    applyMainButtonRule(*btn_redeemCode, everyFieldFilled({all[0], all[1], all[2], all[3], all[4], all[5]}));
}

void OTPVerificationViewController::textFieldDidBeginEditing(UITextField* textField) {
    currentTextField_.reset();
    if (textField) currentTextField_ = std::static_pointer_cast<UITextField>(textField->shared_from_this());
}

bool OTPVerificationViewController::textFieldShouldChangeCharactersInRange(UITextField* textField, NSRange,
                                                                           const std::string& string) {
    if (const int k = boxNumber(textField)) {
        const auto all = boxes();
        all[k - 1]->setText(string);
        if (string.empty())
            all[k - 1]->becomeFirstResponder();
        else if (k < 6)
            all[k]->becomeFirstResponder();
        else
            all[5]->resignFirstResponder();
    }
    enableRedeemBtn();
    return false;
}

void OTPVerificationViewController::nextField() {
    const int k = boxNumber(currentTextField_.lock().get());
    if (k >= 1 && k <= 5) boxes()[k]->becomeFirstResponder();
}

bool OTPVerificationViewController::textFieldShouldReturn(UITextField*) {
    view()->endEditing(true);
    return true;
}

void OTPVerificationViewController::action_redeem(UIButton*) {
    // One sequence at a time: a tap while one is pending would push the next screen twice.
    if (redeemPending_) return;
    redeemPending_ = true;
    view()->endEditing(true);
    auto self = std::static_pointer_cast<OTPVerificationViewController>(shared_from_this());
    RunLoop::main().postAfter(kVerifyingDelay, [self] {
        self->ShowHUD(NSLocalizedString("Verifying", ""));
        RunLoop::main().postAfter(kProceedDelay, [self] {
            self->redeemPending_ = false;
            self->proceedToNextScreen();
        });
    });
}

void OTPVerificationViewController::proceedToNextScreen() {
    HideHUD();
    pushScreen(ThemeManager::sharedInstance()->isLinkAccountEnabled() ? screen::LinkAppAccountViewController
                                                                      : screen::UserInfoFormViewController);
}

void OTPVerificationViewController::action_back(UIButton*) {
    hideOverlayThenPop();
}

}  // namespace fv
