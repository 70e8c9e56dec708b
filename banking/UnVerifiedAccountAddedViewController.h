#pragma once
// The end of adding a bank account that was added but not verified yet; its one button returns to the
// first screen of the navigation stack.
#include "banking/AccountResultBase.h"
#include "platform/foundation/Bundle.h"

namespace fv {

class UnVerifiedAccountAddedViewController : public AccountResultBase {
    FV_CLASS(UnVerifiedAccountAddedViewController, AccountResultBase)
    static void registerMembers(ClassBuilder<UnVerifiedAccountAddedViewController>& b);
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using AccountResultBase::AccountResultBase;
    ~UnVerifiedAccountAddedViewController() override;

    void donePressed(UIButton* sender);
};

}  // namespace fv
