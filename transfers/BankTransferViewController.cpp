#include "transfers/BankTransferViewController.h"

namespace fv {

FV_REGISTER_CLASS(BankTransferViewController);

BankTransferViewController::~BankTransferViewController() = default;

}  // namespace fv
