#pragma once
#include <functional>

#include "core/DataModel.h"
#include "platform/ui/UINavigationController.h"

namespace fv {

class Walkthrough;

// A host shows one of DataModel's stacks on its own: the framework is prepared afresh, then the first
// screen of the stack `pick` names moves onto the host's navigation stack, so the host's back leads
// home again.
void showFrameworkStack(const UINavigationControllerPtr& hostStack,
                        const std::function<UINavigationControllerPtr(const DataModel&)>& pick);

// The "bankaccounts" road. The user's bank accounts from the host's first screen: an account awaiting
// micro-deposits verified by its two amounts; a new account added by micro-deposits; one added and
// verified through the bank-link vendor (the host's loopback vendor); one whose link is cancelled;
// then the host shows the funding information (direct deposit, load centres, load a cheque).
bool walkBankAccounts(Walkthrough& walk);

}  // namespace fv
