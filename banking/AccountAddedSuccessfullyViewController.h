#pragma once
// The end of adding a bank account that was added and verified; its one button returns to the
// first screen of the navigation stack.
#include "banking/AccountResultBase.h"
#include "platform/foundation/Bundle.h"

namespace fv {

class AccountAddedSuccessfullyViewController : public AccountResultBase {
    FV_CLASS(AccountAddedSuccessfullyViewController, AccountResultBase)
    static void registerMembers(ClassBuilder<AccountAddedSuccessfullyViewController>& b);
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using AccountResultBase::AccountResultBase;
    ~AccountAddedSuccessfullyViewController() override;

    void continuePressed(UIButton* sender);
};

}  // namespace fv
