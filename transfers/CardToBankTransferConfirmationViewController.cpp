#include "transfers/CardToBankTransferConfirmationViewController.h"

namespace fv {

FV_REGISTER_CLASS(CardToBankTransferConfirmationViewController);

CardToBankTransferConfirmationViewController::~CardToBankTransferConfirmationViewController() = default;

ScreenName CardToBankTransferConfirmationViewController::successScreen() const {
    return screen::CardToBankTransferSuccessViewController;
}

}  // namespace fv
