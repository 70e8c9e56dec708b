#pragma once
// The last screen of a card-to-bank transfer: the transfer is shown as done, and Continue returns to
// the first screen of the navigation stack.
#include "platform/foundation/Bundle.h"
#include "screenkit/FlowEndBase.h"

namespace fv {

class CardToBankTransferSuccessViewController : public FlowEndBase {
    FV_CLASS(CardToBankTransferSuccessViewController, FlowEndBase)
    static void registerMembers(ClassBuilder<CardToBankTransferSuccessViewController>& b);
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using FlowEndBase::FlowEndBase;
    ~CardToBankTransferSuccessViewController() override;

    void continuePressed(UIButton* sender);
};

}  // namespace fv
