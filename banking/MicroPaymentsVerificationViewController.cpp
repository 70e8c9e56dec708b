#include "banking/MicroPaymentsVerificationViewController.h"

#include "controls/UIScrollViewKeyboardAvoiding.h"
#include "core/ThemeManager.h"
#include "platform/foundation/Regex.h"
#include "platform/foundation/Text.h"
#include "platform/ui/UIToolbar.h"

namespace fv {

FV_REGISTER_CLASS(MicroPaymentsVerificationViewController);

bool microDepositEditAllowed(const std::optional<std::string>& text, NSRange range,
                             const std::string& replacement) {
    auto candidate = text::replaceCharactersInRange(text.value_or(""), range, replacement);
    if (!candidate) return false;
    // A pattern that fails to build matches nothing, so every edit is refused then.
    return regex::matchesWhole(kMicroDepositAmountPattern, *candidate, true);
}

void MicroPaymentsVerificationViewController::registerMembers(
    ClassBuilder<MicroPaymentsVerificationViewController>& b) {
    using Self = MicroPaymentsVerificationViewController;
    b.action("donePressed:", &Self::donePressed);
    b.action("backPressed:", &Self::backPressed);
}

MicroPaymentsVerificationViewController::~MicroPaymentsVerificationViewController() = default;

void MicroPaymentsVerificationViewController::viewDidLoad() {
    BaseViewController::viewDidLoad();
    formatView();
}

void MicroPaymentsVerificationViewController::formatView() {
    auto theme = ThemeManager::sharedInstance();
    btn_continue->setBackgroundColor(UIColor::clearColor());
    lbl_headerTitle->setTextColor(UIColor::whiteColor());
    view_navbar->setBackgroundColor(theme->main_color());
    view_FirstField->setBackgroundColor(theme->border_color());
    view_SecondField->setBackgroundColor(theme->border_color());
    setKeyboardAvoidingEnabled(*scrollView, true);
    tfMicroPaymentOne->setText(std::string());
    tfMicroPaymentTwo->setText(std::string());

    auto toolbar = UIToolbar::create(CGRectMake(0, 0, view()->frame().size.width, 50));
    toolbar->setItems({UIBarButtonItem::flexibleSpace(),
                       UIBarButtonItem::create(NSLocalizedString("Done", ""), UIBarButtonItemStyleDone,
                                               shared_from_this(), "textFieldShouldReturn:")});
    tfMicroPaymentOne->setInputAccessoryView(toolbar);
    tfMicroPaymentTwo->setInputAccessoryView(toolbar);
}

bool MicroPaymentsVerificationViewController::textFieldShouldChangeCharactersInRange(
    UITextField* textField, NSRange range, const std::string& string) {
    if (!textField) return false;
    return microDepositEditAllowed(textField->text(), range, string);
}

bool MicroPaymentsVerificationViewController::textFieldShouldReturn(UITextField*) {
    if (auto root = viewIfLoaded()) root->endEditing(true);
    return true;
}

void MicroPaymentsVerificationViewController::donePressed(UIButton*) {
    pushScreen(screen::AccountAddedSuccessfullyViewController);
}

void MicroPaymentsVerificationViewController::backPressed(UIButton*) {
    popScreen();
}

}  // namespace fv
