#include "onboarding/wizard/AccountCreationViewController.h"

#include "controls/UIScrollViewKeyboardAvoiding.h"
#include "core/CommonUtils.h"
#include "core/DataModel.h"
#include "core/ThemeManager.h"
#include "onboarding/wizard/HandedOverFlag.h"
#include "onboarding/wizard/MainButtonRule.h"
#include "onboarding/wizard/WizardProgress.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Text.h"

namespace fv {

FV_REGISTER_CLASS(AccountCreationViewController);

void AccountCreationViewController::registerMembers(ClassBuilder<AccountCreationViewController>& b) {
    using Self = AccountCreationViewController;
    b.action("enableFinishBtn", &Self::enableFinishBtn);
    b.action("action_finish:", &Self::action_finish);
    b.action("action_back:", &Self::action_back);
    b.property(
        "do_Have_SSN", [](Self& s) { return handedOverFlagValue(s.do_Have_SSN); },
        [](Self& s, const Value& v) { return setHandedOverFlag(s.do_Have_SSN, v); });
}

AccountCreationViewController::~AccountCreationViewController() = default;

void AccountCreationViewController::formatView() {
    enableFinishBtn();
    auto theme = ThemeManager::sharedInstance();
    const auto fields = {tf_emailAddress.get(), tf_password.get(), tf_retype_password.get()};
    for (const auto& field : fields) field->setTintColor(theme->main_color());
    Btn_finish->setTitleColor(theme->header_button_color(), UIControlStateNormal);
    styleHeader(*view_navbar, *lbl_headerTitle);
    showWizardProgress(*progress_bar, wizard_progress::kAccountCreation);
    for (const auto& label : {lbl_bodyTitle_emailAddress.get(), lbl_bodyTitle_password.get(),
                              lbl_bodyTitle_retype_password.get()})
        label->setTextColor(theme->main_font_color());
    for (const auto& field : fields) field->setTextColor(theme->main_font_color());
    for (const auto& border :
         {view_border_emailAddress.get(), view_border_password.get(), view_border_retype_password.get()})
        border->setBackgroundColor(theme->border_color());
    lbl_titleOne->setTextColor(theme->light_font_color());
    watchFields({tf_emailAddress.get(), tf_password.get(), tf_retype_password.get()}, "enableFinishBtn");
    setKeyboardAvoidingEnabled(*scrollView, true);
    // Whatever the interface file says, a password never shows.
    tf_password->setSecureTextEntry(true);
    tf_retype_password->setSecureTextEntry(true);
    addLinks();
    lbl_titleTwo->setDelegate(sharedAs<AccountCreationViewController>());
    tf_emailAddress->setText(DataModel::sharedInstance()->verificationEmail());
}

// A link differs from the sentence only by its colour, pressed or not; it goes only over a word the
// sentence holds.
void AccountCreationViewController::addLinks() {
    const NSAttributes coloured{
        {kCTForegroundColorAttributeName, ThemeManager::sharedInstance()->main_color()}};
    lbl_titleTwo->setLinkAttributes(coloured);
    lbl_titleTwo->setActiveLinkAttributes(coloured);
    lbl_titleTwo->setInactiveLinkAttributes(coloured);
    const std::string sentence = lbl_titleTwo->text().value_or("");
    for (const auto& [word, url] :
         {std::pair{"Terms", kTermsURL}, std::pair{"Privacy Policy", kPrivacyPolicyURL}}) {
        const NSRange found = text::rangeOfString(sentence, word);
        if (found.location != NSNotFound) lbl_titleTwo->addLinkToURL(url, found);
    }
}

void AccountCreationViewController::initialzieViewModel() {
    makeViewModel(viewModel);
}

void AccountCreationViewController::enableFinishBtn() {
    applyMainButtonRule(
        *Btn_finish, everyFieldFilled({tf_emailAddress.get(), tf_password.get(), tf_retype_password.get()}));
}

bool AccountCreationViewController::textFieldShouldReturn(UITextField*) {
    view()->endEditing(true);
    return true;
}

// Neither link opens anything yet: the markers are recognised and nothing more.
void AccountCreationViewController::attributedLabelDidSelectLinkWithURL(LinkLabel*, const std::string&) {}

void AccountCreationViewController::action_finish(UIButton*) {
    view()->endEditing(true);
    if (!CommonUtils::sharedInstance()->validateEmailWithString(tf_emailAddress->text().value_or(""))) {
        showCheckFailure("Email Not Valid",
                         "Your entered email is not valid. Please try with correct email address again!");
        return;
    }
    if (!text::isEqualToString(tf_password->text().value_or(""), tf_retype_password->text().value_or(""))) {
        showCheckFailure("Password Not Matched", "Your entered password is not matched.");
        return;
    }
    proceedToNextScreen();
}

void AccountCreationViewController::proceedToNextScreen() {
    HideHUD();
    setDataInRequestModel();
    if (do_Have_SSN.value_or(false)) {
        runCameraPermissionGate(sharedAs<AccountCreationViewController>(),
                                screen::UserPictureCaptureViewController,
                                ScreenSetup().value("cameFromProfile", Value(false)));
        return;
    }
    // After this tap has been handled; the ID-check start asks for the camera itself.
    std::weak_ptr<AccountCreationViewController> weak = sharedAs<AccountCreationViewController>();
    RunLoop::main().post([weak] {
        if (auto self = weak.lock()) self->pushScreen(screen::VerifyIDCardStartViewController);
    });
}

void AccountCreationViewController::showCameraPermissionRequiredAlert() {
    showCameraUnavailableAlert(*this);
}

void AccountCreationViewController::setDataInRequestModel() {
    if (!viewModel) return;
    viewModel->setEmailToRequestModel(tf_emailAddress->text().value_or(""));
    viewModel->setPasswordToRequestModel(tf_password->text().value_or(""));
}

void AccountCreationViewController::action_back(UIButton*) {
    hideOverlayThenPop();
}

}  // namespace fv
