#pragma once
// Confirmation of a card-to-bank transfer: slide to confirm, then the card-to-bank success screen.
#include "platform/foundation/Bundle.h"
#include "transfers/SlideConfirmationBase.h"

namespace fv {

class CardToBankTransferConfirmationViewController : public SlideConfirmationBase {
    FV_CLASS(CardToBankTransferConfirmationViewController, SlideConfirmationBase)
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using SlideConfirmationBase::SlideConfirmationBase;
    ~CardToBankTransferConfirmationViewController() override;

  protected:
    ScreenName successScreen() const override;
};

}  // namespace fv
