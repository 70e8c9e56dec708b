#pragma once
// Confirmation of a card-to-card transfer: slide to confirm under a band in the theme's header
// colour, then the card-to-card success screen.
#include "platform/foundation/Bundle.h"
#include "transfers/SlideConfirmationBase.h"

namespace fv {

class TransferConfirmationViewController : public SlideConfirmationBase {
    FV_CLASS(TransferConfirmationViewController, SlideConfirmationBase)
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using SlideConfirmationBase::SlideConfirmationBase;
    ~TransferConfirmationViewController() override;

  protected:
    ScreenName successScreen() const override;
    UIColorPtr bandColor() const override;
};

}  // namespace fv
