#include "transfers/CardToBankTransferViewController.h"

#include "core/Constants.h"
#include "core/DataModel.h"
#include "core/FrameworkResources.h"
#include "core/ScreenNames.h"

namespace fv {

FV_REGISTER_CLASS(CardToBankTransferViewController);

void CardToBankTransferViewController::registerMembers(ClassBuilder<CardToBankTransferViewController>& b) {
    using Self = CardToBankTransferViewController;
    b.property("cameFrom", &Self::cameFrom, &Self::setCameFrom);
    b.action("backPressed:", &Self::backPressed);
    b.action("bankAccountSelectionPressed:", &Self::bankAccountSelectionPressed);
    b.action("NextPressed:", &Self::NextPressed);
}

CardToBankTransferViewController::~CardToBankTransferViewController() = default;

void CardToBankTransferViewController::viewDidLoad() {
    TransferFormBase::viewDidLoad();
    setupFields();
}

void CardToBankTransferViewController::viewWillAppear(bool animated) {
    TransferFormBase::viewWillAppear(animated);
    setDefaultSelection();
}

void CardToBankTransferViewController::setDefaultSelection() {
    applyFormLook();
    if (auto account = DataModel::sharedInstance()->selectedBankAccount())
        lbl_selectedRecipient->setText(account->bankName() + " - " + account->accountNumber());
    const bool fromMyAccounts = cameFrom_ == kCameFromMyBankAccounts;
    Img_backIcon->setImage(
        UIImage::imageNamed(fromMyAccounts ? "icon_back" : "side_menu_white", frameworkBundle()));
    constraint_img_back->setConstant(fromMyAccounts ? 5 : 20);
}

void CardToBankTransferViewController::bankAccountSelectionPressed(UIButton*) {
    pushScreen(screen::BankAccountsListViewController);
}

void CardToBankTransferViewController::NextPressed(UIButton*) {
    pushScreen(screen::CardToBankTransferConfirmationViewController);
}

void CardToBankTransferViewController::backPressed(UIButton*) {
    if (cameFrom_ == kCameFromMyBankAccounts) {
        popScreen();
        return;
    }
    endEditing();
}

}  // namespace fv
