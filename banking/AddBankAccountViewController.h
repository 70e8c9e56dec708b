#pragma once
// The form of a new bank account: legal name, bank name, account number, account type (picked from the
// list of "accountTypes.plist"), routing number and nickname. Submit asks, in an action sheet, how the
// account is to be verified and opens the confirmation screen with that method; the vendor route also
// hands over the entered details. Nothing is validated, stored or sent here.
#include <memory>
#include <string>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/Value.h"
#include "platform/kits/DropList.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIScrollView.h"
#include "platform/ui/UITextField.h"
#include "screenkit/BaseViewController.h"
#include "screenkit/CustomButton.h"

namespace fv {

// The two ways of verifying a new account, as the confirmation screen takes them.
inline constexpr const char* kVerificationTypeBankLink = "BANK_LINK";
inline constexpr const char* kVerificationTypeMicroPayments = "MICRO_PAYMENTS";

class AddBankAccountViewController : public BaseViewController {
    FV_CLASS(AddBankAccountViewController, BaseViewController)
    static void registerMembers(ClassBuilder<AddBankAccountViewController>& b);
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using BaseViewController::BaseViewController;
    ~AddBankAccountViewController() override;

    void viewDidLoad() override;
    // Once: colours, borders, keyboard avoidance and toolbar, the account types and their list.
    void formatView();

    // The account-type field opens the list instead of a keyboard; any other field closes the list.
    bool textFieldShouldBeginEditing(UITextField* textField) override;
    bool textFieldShouldReturn(UITextField* textField) override;

    // Shows the verification-method sheet, anchored to the submit button.
    void submitPressed(UIButton* sender);
    // Back: pops this screen.
    void sideMenuTapped(UIButton* sender);
    // The list's pick: the field shows the title of that entry of `accountTypeArr`.
    void selectAccountType(long index, const std::string& title);
    void chooseBankLinkVerification();
    void chooseMicroPaymentVerification();

    FV_OUTLET(UILabel, lbl_headerTitle);
    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(CustomButton, btn_submit);
    FV_OUTLET(UIView, view_FirstField);
    FV_OUTLET(UIView, view_SecondField);
    FV_OUTLET(UIView, view_ThirdField);
    FV_OUTLET(UIView, view_FifthField);
    FV_OUTLET(UIView, view_SixthField);
    FV_OUTLET(UIView, view_SeventhField);
    FV_OUTLET(UIScrollView, scrollView);
    FV_OUTLET(UITextField, tf_AccountNumber);
    FV_OUTLET(UITextField, tf_BankName);
    FV_OUTLET(UITextField, tf_LegalName);
    FV_OUTLET(UITextField, tf_AccountType);
    FV_OUTLET(UITextField, tf_RoutingNumber);
    FV_OUTLET(UITextField, tf_nickName);
    FV_OUTLET(UIView, view_accountType);

    // The entries of "accountTypes.plist" that have a text "title", and those titles, index for index.
    Value::Array accountTypeArr;
    std::vector<std::string> accountTypeTitles;
    DropListPtr dropList = DropList::create();
    // The entered details, written by the vendor route under the keys of a bank-account record.
    Value::Dictionary userEnteredDetailDict;

  private:
    void loadAccountTypes();
    void setupDropList();
    void endEditing();
    void pushConfirmation(const char* verificationType, const std::optional<Value>& details);
};

}  // namespace fv
