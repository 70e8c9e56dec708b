#include "banking/AccountAddedSuccessfullyViewController.h"

namespace fv {

FV_REGISTER_CLASS(AccountAddedSuccessfullyViewController);

void AccountAddedSuccessfullyViewController::registerMembers(
    ClassBuilder<AccountAddedSuccessfullyViewController>& b) {
    b.action("continuePressed:", &AccountAddedSuccessfullyViewController::continuePressed);
}

AccountAddedSuccessfullyViewController::~AccountAddedSuccessfullyViewController() = default;

void AccountAddedSuccessfullyViewController::continuePressed(UIButton*) {
    popToRoot();
}

}  // namespace fv
