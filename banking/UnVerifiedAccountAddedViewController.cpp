#include "banking/UnVerifiedAccountAddedViewController.h"

namespace fv {

FV_REGISTER_CLASS(UnVerifiedAccountAddedViewController);

void UnVerifiedAccountAddedViewController::registerMembers(
    ClassBuilder<UnVerifiedAccountAddedViewController>& b) {
    b.action("donePressed:", &UnVerifiedAccountAddedViewController::donePressed);
}

UnVerifiedAccountAddedViewController::~UnVerifiedAccountAddedViewController() = default;

void UnVerifiedAccountAddedViewController::donePressed(UIButton*) {
    popToRoot();
}

}  // namespace fv
