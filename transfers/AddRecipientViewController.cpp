#include "transfers/AddRecipientViewController.h"

#include "controls/UIScrollViewKeyboardAvoiding.h"
#include "core/CommonUtils.h"
#include "core/ThemeManager.h"

namespace fv {

FV_REGISTER_CLASS(AddRecipientViewController);

void AddRecipientViewController::registerMembers(ClassBuilder<AddRecipientViewController>& b) {
    using Self = AddRecipientViewController;
    b.action("backPressed:", &Self::backPressed);
    b.action("reformatAsCardNumber:", &Self::reformatAsCardNumber);
}

AddRecipientViewController::~AddRecipientViewController() = default;

void AddRecipientViewController::viewDidLoad() {
    BaseViewController::viewDidLoad();
    initialzieViewModel();
    formatView();
}

void AddRecipientViewController::initialzieViewModel() {}

void AddRecipientViewController::formatView() {
    auto theme = ThemeManager::sharedInstance();
    setKeyboardAvoidingEnabled(*scrollView, true);
    Btn_Continue->setBackgroundColor(UIColor::clearColor());
    lbl_headerTitle->setTextColor(UIColor::whiteColor());
    applyThemeBand(*view_navbar);
    lbl_Or->setTextColor(theme->light_font_color());
    for (const auto* label :
         {&lbl_username, &lbl_cardNumber, &lbl_titleRecepient, &lbl_receipientName, &lbl_nickName})
        (*label)->setTextColor(theme->main_font_color());
    for (const auto* field : {&view_FirstField, &view_SecondField, &view_ThirdField})
        (*field)->setBackgroundColor(theme->border_color());
    setupFields();
}

void AddRecipientViewController::setupFields() {
    addDoneToolbar(*tf_Cardnumber);
    tf_Cardnumber->addTarget(shared_from_this(), "reformatAsCardNumber:", UIControlEventEditingChanged);
}

bool AddRecipientViewController::textFieldShouldChangeCharactersInRange(UITextField* textField, NSRange,
                                                                        const std::string&) {
    if (textField && textField == tf_Cardnumber.get().get()) {
        auto utils = CommonUtils::sharedInstance();
        utils->setPreviousTextFieldContent(textField->text().value_or(""));
        utils->setPreviousSelection(textField->selectedTextRange());
    }
    return true;
}

bool AddRecipientViewController::textFieldShouldReturn(UITextField*) {
    view()->endEditing(true);
    return true;
}

void AddRecipientViewController::reformatAsCardNumber(UITextField* sender) {
    CommonUtils::sharedInstance()->reformatAsCardNumber(sender);
}

void AddRecipientViewController::backPressed(UIButton*) {
    popScreen();
}

}  // namespace fv
