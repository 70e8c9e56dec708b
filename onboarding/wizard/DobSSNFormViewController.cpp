#include "onboarding/wizard/DobSSNFormViewController.h"

#include "controls/UIScrollViewKeyboardAvoiding.h"
#include "core/CardTextMask.h"
#include "core/ThemeManager.h"
#include "onboarding/wizard/MainButtonRule.h"
#include "onboarding/wizard/WizardProgress.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/Regex.h"
#include "platform/foundation/RunLoop.h"
#include "platform/graphics/UIFont.h"
#include "platform/kits/DatePickerPopup.h"

namespace fv {

FV_REGISTER_CLASS(DobSSNFormViewController);

namespace {

constexpr const char* kSSNMask = "YYY  -  YY  -  XXXX";

Date now() {
    return Date{RunLoop::main().wallTime()};
}

}  // namespace

void DobSSNFormViewController::registerMembers(ClassBuilder<DobSSNFormViewController>& b) {
    using Self = DobSSNFormViewController;
    b.action("enableNextBtn", &Self::enableNextBtn);
    b.action("action_next:", &Self::action_next);
    b.action("action_do_not_have_ssn:", &Self::action_do_not_have_ssn);
    b.action("action_back:", &Self::action_back);
}

DobSSNFormViewController::~DobSSNFormViewController() = default;

void DobSSNFormViewController::formatView() {
    enableNextBtn();
    auto theme = ThemeManager::sharedInstance();
    tf_dob->setTintColor(theme->main_color());
    tf_ssn->setTintColor(theme->main_color());
    Btn_next->setTitleColor(theme->header_button_color(), UIControlStateNormal);
    styleHeader(*view_navbar, *lbl_headerTitle);
    showWizardProgress(*progress_bar, wizard_progress::kDobSSN);
    lbl_bodyTitle_DOB->setTextColor(theme->main_font_color());
    lbl_bodyTitle_SSN->setTextColor(theme->main_font_color());
    tf_dob->setTextColor(theme->main_font_color());
    tf_ssn->setTextColor(theme->main_font_color());
    view_border_DOB->setBackgroundColor(theme->border_color());
    view_border_SSN->setBackgroundColor(theme->border_color());
    lbl_titleOne->setTextColor(theme->light_font_color());
    view_underline->setBackgroundColor(theme->main_color());
    lbl_dontHaveSSN->setTextColor(theme->main_color());
    watchFields({tf_dob.get(), tf_ssn.get()}, "enableNextBtn");
    setKeyboardAvoidingEnabled(*scrollView, true);
    tf_ssn->setInputAccessoryView(keyboardToolbar("Done", "textFieldShouldReturn:"));
}

void DobSSNFormViewController::initialzieViewModel() {
    makeViewModel(viewModel);
}

void DobSSNFormViewController::enableNextBtn() {
    applyMainButtonRule(*Btn_next, everyFieldFilled({tf_dob.get(), tf_ssn.get()}));
}

bool DobSSNFormViewController::textFieldShouldBeginEditing(UITextField* textField) {
    if (textField != tf_dob.get().get()) return BaseViewController::textFieldShouldBeginEditing(textField);
    showDatePicker();
    return false;
}

void DobSSNFormViewController::showDatePicker() {
    auto picker = DatePickerPopup::create(UIColor::blackColor(), UIColor::blackColor(),
                                          namedOrSystemFont("SFProDisplay-Regular", 32.0), "", true);
    std::weak_ptr<DobSSNFormViewController> weak = sharedAs<DobSSNFormViewController>();
    // Opens on today every time; a birth date cannot lie in the future.
    picker->show(NSLocalizedString("Select Date of Birth", ""), NSLocalizedString("Done", ""),
                 NSLocalizedString("Cancel", ""), now(), std::nullopt, now(), DatePickerPopup::Mode::date,
                 [weak](std::optional<Date> date) {
                     auto self = weak.lock();
                     if (self && date) self->datePicked(*date);
                 });
}

void DobSSNFormViewController::datePicked(Date date) {
    selectDOB = date;
    NSDateFormatter formatter;
    formatter.setLocale(NSLocale::currentLocaleIdentifier());
    formatter.setDateFormat(kDisplayDateFormat);
    tf_dob->setText(formatter.stringFromDate(date));
    enableNextBtn();
}

bool DobSSNFormViewController::textFieldShouldChangeCharactersInRange(UITextField* textField, NSRange,
                                                                      const std::string& string) {
    if (textField != tf_ssn.get().get()) return true;
    if (string.empty()) {
        if (!enteredSSN.empty()) enteredSSN.pop_back();
    } else {
        for (char c : string) {
            if (enteredSSN.size() >= kSSNLength) break;
            if (c >= '0' && c <= '9') enteredSSN.push_back(c);
        }
    }
    tf_ssn->setText(formatSSNInput(enteredSSN));
    enableNextBtn();
    return false;
}

std::string DobSSNFormViewController::formatSSNInput(const std::string& input) {
    return applyTextMask(input, kSSNMask);
}

bool DobSSNFormViewController::textFieldShouldReturn(UITextField*) {
    view()->endEditing(true);
    return true;
}

void DobSSNFormViewController::action_next(UIButton*) {
    view()->endEditing(true);
    if (!regex::firstMatch("[0-9]{9}", enteredSSN)) {
        showCheckFailure("SSN Not Valid",
                         "Your entered Social security number is not valid. Please try with correct social "
                         "security number again!");
        return;
    }
    proceedToNextScreen();
}

void DobSSNFormViewController::proceedToNextScreen() {
    HideHUD();
    if (!isFieldFilled(*tf_dob)) {
        showCheckFailure("Date Of Birth Not Selected", "You have not select your date of birth!");
        return;
    }
    moveOn(true);
}

void DobSSNFormViewController::setDataInRequestModel() {
    if (!viewModel) return;
    // The request's date is fixed-format: POSIX locale, Gregorian calendar, whatever the user's locale.
    std::string dateOfBirth;
    if (selectDOB) {
        NSDateFormatter formatter;
        formatter.setLocale("en_US_POSIX");
        formatter.setDateFormat(kRequestDateFormat);
        dateOfBirth = formatter.stringFromDate(*selectDOB);
    }
    viewModel->setDOBToRequestModel(dateOfBirth);
    viewModel->setSSNToRequestModel(enteredSSN);
}

void DobSSNFormViewController::action_do_not_have_ssn(UIButton*) {
    moveOn(false);
}

void DobSSNFormViewController::moveOn(bool haveSSN) {
    setDataInRequestModel();
    pushScreen(screen::AccountCreationViewController, ScreenSetup().value("do_Have_SSN", Value(haveSSN)));
}

void DobSSNFormViewController::action_back(UIButton*) {
    hideOverlayThenPop();
}

}  // namespace fv
