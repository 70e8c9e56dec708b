#include "transfers/TransferSuccessViewController.h"

#include "core/ThemeManager.h"

namespace fv {

FV_REGISTER_CLASS(TransferSuccessViewController);

void TransferSuccessViewController::registerMembers(ClassBuilder<TransferSuccessViewController>& b) {
    using Self = TransferSuccessViewController;
    b.action("continuePressed:", &Self::continuePressed);
}

TransferSuccessViewController::~TransferSuccessViewController() = default;

void TransferSuccessViewController::continuePressed(UIButton*) {
    popToRoot();
}

UIColorPtr TransferSuccessViewController::barColor() const {
    return ThemeManager::sharedInstance()->header_color();
}

}  // namespace fv
