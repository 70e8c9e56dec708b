#include "onboarding/wizard/VerificationPhoneEmailViewController.h"

#include "controls/UIScrollViewKeyboardAvoiding.h"
#include "core/CommonUtils.h"
#include "core/DataModel.h"
#include "core/ThemeManager.h"
#include "onboarding/wizard/MainButtonRule.h"
#include "onboarding/wizard/PhoneNumberText.h"
#include "onboarding/wizard/WizardProgress.h"
#include "platform/foundation/Regex.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Text.h"

namespace fv {

FV_REGISTER_CLASS(VerificationPhoneEmailViewController);

namespace {

// Three digits in brackets, one blank, three digits, a hyphen, four digits: a full masked number.
constexpr const char* kPhonePattern = R"(\(([0-9]{3})\)\s{1}([0-9]{3})(-)([0-9]{4}))";

}  // namespace

void VerificationPhoneEmailViewController::registerMembers(
    ClassBuilder<VerificationPhoneEmailViewController>& b) {
    using Self = VerificationPhoneEmailViewController;
    b.action("enableNextBtn", &Self::enableNextBtn);
    b.action("action_next:", &Self::action_next);
    b.action("action_back:", &Self::action_back);
}

VerificationPhoneEmailViewController::~VerificationPhoneEmailViewController() = default;

void VerificationPhoneEmailViewController::viewWillAppear(bool animated) {
    WizardViewController::viewWillAppear(animated);
    // The view joins the window only after this call, and a field outside a window takes no focus.
    std::weak_ptr<UITextField> field = tf_phoneNumber.get();
    RunLoop::main().post([field] {
        if (auto phone = field.lock()) phone->becomeFirstResponder();
    });
}

void VerificationPhoneEmailViewController::formatView() {
    enableNextBtn();
    auto theme = ThemeManager::sharedInstance();
    for (const auto& field : {tf_emailAddress.get(), tf_phoneNumber.get()}) {
        field->setTextColor(theme->main_font_color());
        field->setTintColor(theme->main_color());
    }
    Btn_next->setTitleColor(theme->header_button_color(), UIControlStateNormal);
    styleHeader(*view_navbar, *lbl_headerTitle);
    for (const auto& label : {lbl_bodyTitle.get(), lbl_countryCode.get(), lbl_bodyTitle_emailAddress.get()})
        label->setTextColor(theme->main_font_color());
    lbl_OR->setTextColor(theme->light_font_color());
    view_border_phoneNumber->setBackgroundColor(theme->border_color());
    view_border_emailAddress->setBackgroundColor(theme->border_color());
    showWizardProgress(*progress_bar, wizard_progress::kPhoneEmail);
    watchFields({tf_phoneNumber.get(), tf_emailAddress.get()}, "enableNextBtn");
    setKeyboardAvoidingEnabled(*scrollView, true);
    tf_phoneNumber->setInputAccessoryView(keyboardToolbar("Done", "textFieldShouldReturn:"));
}

void VerificationPhoneEmailViewController::initialzieViewModel() {
    makeViewModel(viewModel);
    viewModel->initializeCreateCardRequestModel();
}

void VerificationPhoneEmailViewController::enableNextBtn() {
    applyMainButtonRule(*Btn_next, anyFieldFilled({tf_phoneNumber.get(), tf_emailAddress.get()}));
}

void VerificationPhoneEmailViewController::action_next(UIButton*) {
    view()->endEditing(true);
    const bool phoneGiven = !phoneText().empty();
    const bool emailGiven = !emailText().empty();
    if (!phoneGiven && !emailGiven) return;
    if (phoneGiven && !regex::firstMatch(kPhonePattern, phoneText())) {
        showCheckFailure(
            "Phone Number Not Valid",
            "Your entered phone Number is not valid. Please try with correct phone number again!");
        return;
    }
    if (emailGiven && !CommonUtils::sharedInstance()->validateEmailWithString(emailText())) {
        showCheckFailure("Email Not Valid",
                         "Your entered email is not valid. Please try with correct email address again!");
        return;
    }
    proceedToNextScreenWithEnteredEmail(emailGiven, phoneGiven);
}

void VerificationPhoneEmailViewController::proceedToNextScreenWithEnteredEmail(bool, bool) {
    HideHUD();
    setDataInRequestModel();
    DataModel::sharedInstance()->setVerificationEmail(emailText());
    pushScreen(screen::OTPVerificationViewController,
               ScreenSetup()
                   .value("isSentOnMessage", Value(!phoneText().empty()))
                   .value("isSentOnEmail", Value(!emailText().empty()))
                   .value("numberText", Value(phoneText()))
                   .value("emailText", Value(emailText())));
}

void VerificationPhoneEmailViewController::setDataInRequestModel() {
    viewModel->setEmailToRequestModel(emailText());
    viewModel->setPhoneNumberToRequestModel(phoneText());
}

void VerificationPhoneEmailViewController::action_back(UIButton*) {
    hideOverlayThenPop();
}

bool VerificationPhoneEmailViewController::textFieldShouldReturn(UITextField*) {
    view()->endEditing(true);
    return true;
}

bool VerificationPhoneEmailViewController::textFieldShouldChangeCharactersInRange(UITextField* textField,
                                                                                  NSRange range,
                                                                                  const std::string& string) {
    if (textField != tf_phoneNumber.get().get()) return true;
    const auto current = textField->text();
    if (!current) return false;
    const auto proposed = text::replaceCharactersInRange(*current, range, string);
    if (!proposed) return false;
    textField->setText(formatPhoneNumberInput(*proposed));
    enableNextBtn();
    return false;
}

std::string VerificationPhoneEmailViewController::formatPhoneNumberInput(const std::string& text) {
    return maskedPhoneNumber(text);
}

}  // namespace fv
