#pragma once
// The card-to-card transfer screen: the card balance, the recipient (chosen in the recipient list and
// read back from DataModel.selectedRecipient on every appearance), the amount, and Next to the
// slide-to-confirm screen. A root screen: its back button only closes the keyboard. It makes no
// request and keeps nothing.
#include "platform/foundation/Bundle.h"
#include "transfers/TransferFormBase.h"

namespace fv {

class CardToCardTransferViewController : public TransferFormBase {
    FV_CLASS(CardToCardTransferViewController, TransferFormBase)
    static void registerMembers(ClassBuilder<CardToCardTransferViewController>& b);
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using TransferFormBase::TransferFormBase;
    ~CardToCardTransferViewController() override;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    // Every appearance: colours, field borders, the chosen recipient, the balance.
    void setDefaultSelection();

    void recipientSelectionPressed(UIButton* sender);
    void NextPressed(UIButton* sender);
    // Only dismisses the keyboard, whatever stack the screen is on.
    void backPressed(UIButton* sender);
};

}  // namespace fv
