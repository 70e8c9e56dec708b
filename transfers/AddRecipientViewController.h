#pragma once
// The add-recipient form: a user name and a card number, grouped in fours as it is typed, never more
// than 16 digits. Nothing entered is checked, stored or handed back; the user leaves with back.
#include <string>

#include "platform/foundation/Bundle.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIScrollView.h"
#include "platform/ui/UITextField.h"
#include "screenkit/BaseViewController.h"
#include "screenkit/CustomButton.h"

namespace fv {

class AddRecipientViewController : public BaseViewController {
    FV_CLASS(AddRecipientViewController, BaseViewController)
    static void registerMembers(ClassBuilder<AddRecipientViewController>& b);
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using BaseViewController::BaseViewController;
    ~AddRecipientViewController() override;

    void viewDidLoad() override;
    // The form has no view model; kept as the screens' set-up step.
    void initialzieViewModel();
    // Colours, then setupFields.
    void formatView();
    // The card number's Done toolbar and its regrouping on every change.
    void setupFields();

    // Records the card-number field's restore point before each change; never refuses one.
    bool textFieldShouldChangeCharactersInRange(UITextField* textField, NSRange range,
                                                const std::string& string) override;
    bool textFieldShouldReturn(UITextField* textField) override;
    // Editing-changed of the card number: CommonUtils' regrouping, which is no target of its own.
    void reformatAsCardNumber(UITextField* sender);
    void backPressed(UIButton* sender);

    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(CustomButton, Btn_Continue);
    FV_OUTLET(UILabel, lbl_headerTitle);
    FV_OUTLET(UIView, view_FirstField);
    FV_OUTLET(UIView, view_SecondField);
    FV_OUTLET(UIView, view_ThirdField);
    FV_OUTLET(UITextField, tf_Username);
    FV_OUTLET(UITextField, tf_Cardnumber);
    FV_OUTLET(UIScrollView, scrollView);
    FV_OUTLET(UILabel, lbl_Or);
    FV_OUTLET(UILabel, lbl_username);
    FV_OUTLET(UILabel, lbl_cardNumber);
    FV_OUTLET(UILabel, lbl_titleRecepient);
    FV_OUTLET(UILabel, lbl_receipientName);
    FV_OUTLET(UILabel, lbl_nickName);
};

}  // namespace fv
