#pragma once
#include "platform/ui/UINavigationController.h"

namespace fv {

class Walkthrough;

// What the host's "Bank accounts" button does: prepares the framework, as every entry does, and
// presents the stack DataModel keeps for the bank accounts (myBankAccountsNavView) over its own, so
// that the framework's screens find their own root.
void openBankAccounts(const UINavigationControllerPtr& hostStack);

// The "bankaccounts" road. The user's bank accounts from the host's first screen: an account awaiting
// micro-deposits verified by its two amounts; a new account added by micro-deposits; one added and
// verified through the bank-link vendor (the host's loopback vendor), each result screen returning to
// the bank accounts; one whose vendor check fails under its error banner, and whose link is then
// cancelled; then the host takes the bank accounts away and shows the funding information (direct
// deposit, load centres, load a cheque).
bool walkBankAccounts(Walkthrough& walk);

}  // namespace fv
