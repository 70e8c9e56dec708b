#pragma once
// The card-to-bank transfer screen: the card balance, the bank account to pay into (chosen in the
// picker and read back from DataModel.selectedBankAccount on every appearance), the amount, and Next
// to the slide-to-confirm screen. It makes no request and keeps nothing.
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Bundle.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "transfers/TransferFormBase.h"

namespace fv {

class CardToBankTransferViewController : public TransferFormBase {
    FV_CLASS(CardToBankTransferViewController, TransferFormBase)
    static void registerMembers(ClassBuilder<CardToBankTransferViewController>& b);
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using TransferFormBase::TransferFormBase;
    ~CardToBankTransferViewController() override;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    // Every appearance: colours, field borders, the chosen account, the back icon, the balance.
    void setDefaultSelection();

    void bankAccountSelectionPressed(UIButton* sender);
    void NextPressed(UIButton* sender);
    // Pops when pushed from the user's bank accounts; otherwise only dismisses the keyboard.
    void backPressed(UIButton* sender);

    const std::optional<std::string>& cameFrom() const { return cameFrom_; }
    void setCameFrom(const std::optional<std::string>& cameFrom) { cameFrom_ = cameFrom; }

    FV_OUTLET(UIImageView, Img_backIcon);
    FV_OUTLET(NSLayoutConstraint, constraint_img_back);

  private:
    std::optional<std::string> cameFrom_;
};

}  // namespace fv
