#include "transfers/CardToCardTransferViewController.h"

#include "core/DataModel.h"

namespace fv {

FV_REGISTER_CLASS(CardToCardTransferViewController);

void CardToCardTransferViewController::registerMembers(ClassBuilder<CardToCardTransferViewController>& b) {
    using Self = CardToCardTransferViewController;
    b.action("backPressed:", &Self::backPressed);
    b.action("recipientSelectionPressed:", &Self::recipientSelectionPressed);
    b.action("NextPressed:", &Self::NextPressed);
}

CardToCardTransferViewController::~CardToCardTransferViewController() = default;

void CardToCardTransferViewController::viewDidLoad() {
    TransferFormBase::viewDidLoad();
    setupFields();
}

void CardToCardTransferViewController::viewWillAppear(bool animated) {
    TransferFormBase::viewWillAppear(animated);
    setDefaultSelection();
}

void CardToCardTransferViewController::setDefaultSelection() {
    applyFormLook();
    if (auto recipient = DataModel::sharedInstance()->selectedRecipient())
        lbl_selectedRecipient->setText(recipient->Recipient());
}

void CardToCardTransferViewController::recipientSelectionPressed(UIButton*) {
    pushScreen(screen::RecipientListViewController);
}

void CardToCardTransferViewController::NextPressed(UIButton*) {
    pushScreen(screen::TransferConfirmationViewController);
}

void CardToCardTransferViewController::backPressed(UIButton*) {
    endEditing();
}

}  // namespace fv
