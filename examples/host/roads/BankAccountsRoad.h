#pragma once
namespace fv {

class Walkthrough;

// The "bankaccounts" road. The user's bank accounts from the host's first screen: an account awaiting
// micro-deposits verified by its two amounts; a new account added by micro-deposits; one added and
// verified through the bank-link vendor (the host's loopback vendor); one whose link is cancelled;
// then the host shows the funding information (direct deposit, load centres, load a cheque).
bool walkBankAccounts(Walkthrough& walk);

}  // namespace fv
