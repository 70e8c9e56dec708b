#pragma once
// The card-to-bank transfer screen: the card balance, the bank account to pay into (chosen in the
// picker and read back from DataModel.selectedBankAccount on every appearance), the amount, and Next
// to the slide-to-confirm screen. It makes no request and keeps nothing.
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Bundle.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIScrollView.h"
#include "platform/ui/UITextField.h"
#include "screenkit/BaseViewController.h"
#include "screenkit/CustomButton.h"

namespace fv {

// The origin tag of an instance pushed from the user's bank accounts: its back button pops.
inline constexpr const char* kCameFromMyBankAccounts = "MY_BANK_ACCOUNTS";
// The card balance both transfer screens show; no request fetches it.
inline constexpr const char* kCardBalanceText = "$ 9500.75";

class CardToBankTransferViewController : public BaseViewController {
    FV_CLASS(CardToBankTransferViewController, BaseViewController)
    static void registerMembers(ClassBuilder<CardToBankTransferViewController>& b);
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using BaseViewController::BaseViewController;
    ~CardToBankTransferViewController() override;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    // Once: keyboard avoidance and the amount field's Done toolbar.
    void setupFields();
    // Every appearance: colours, field borders, the chosen account, the back icon, the balance.
    void setDefaultSelection();

    void bankAccountSelectionPressed(UIButton* sender);
    void NextPressed(UIButton* sender);
    // Pops when pushed from the user's bank accounts; otherwise only dismisses the keyboard.
    void backPressed(UIButton* sender);

    bool textFieldShouldReturn(UITextField* textField) override;
    bool textFieldShouldChangeCharactersInRange(UITextField* textField, NSRange range,
                                                const std::string& string) override;

    const std::optional<std::string>& cameFrom() const { return cameFrom_; }
    void setCameFrom(const std::optional<std::string>& cameFrom) { cameFrom_ = cameFrom; }

    FV_OUTLET(UIView, view_TopInfo);
    FV_OUTLET(UIView, view_OptionOneField);
    FV_OUTLET(UIView, view_OptionTwoField);
    FV_OUTLET(UIView, view_OptionThreeField);
    FV_OUTLET(CustomButton, btn_Next);
    FV_OUTLET(UITextField, tfAmount);
    FV_OUTLET(UIScrollView, scrollView);
    FV_OUTLET(UILabel, lbl_selectedRecipient);
    FV_OUTLET(UIImageView, Img_backIcon);
    FV_OUTLET(UILabel, lbl_TotalAmount);
    FV_OUTLET(UIImageView, img_arrow);
    FV_OUTLET(NSLayoutConstraint, constraint_img_back);

  private:
    std::optional<std::string> cameFrom_;
};

}  // namespace fv
