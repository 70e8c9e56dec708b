#include "transfers/CardToBankTransferSuccessViewController.h"

namespace fv {

FV_REGISTER_CLASS(CardToBankTransferSuccessViewController);

void CardToBankTransferSuccessViewController::registerMembers(
    ClassBuilder<CardToBankTransferSuccessViewController>& b) {
    using Self = CardToBankTransferSuccessViewController;
    b.action("continuePressed:", &Self::continuePressed);
}

CardToBankTransferSuccessViewController::~CardToBankTransferSuccessViewController() = default;

void CardToBankTransferSuccessViewController::continuePressed(UIButton*) {
    popToRoot();
}

}  // namespace fv
