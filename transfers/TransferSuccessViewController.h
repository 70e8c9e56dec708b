#pragma once
// The last screen of a card-to-card transfer: the transfer is shown as done, under a bar in the
// theme's header colour, and Continue returns to the first screen of the navigation stack.
#include "platform/foundation/Bundle.h"
#include "screenkit/FlowEndBase.h"

namespace fv {

class TransferSuccessViewController : public FlowEndBase {
    FV_CLASS(TransferSuccessViewController, FlowEndBase)
    static void registerMembers(ClassBuilder<TransferSuccessViewController>& b);
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using FlowEndBase::FlowEndBase;
    ~TransferSuccessViewController() override;

    void continuePressed(UIButton* sender);

  protected:
    UIColorPtr barColor() const override;
};

}  // namespace fv
