#include "transfers/TransferConfirmationViewController.h"

#include "core/ThemeManager.h"

namespace fv {

FV_REGISTER_CLASS(TransferConfirmationViewController);

TransferConfirmationViewController::~TransferConfirmationViewController() = default;

ScreenName TransferConfirmationViewController::successScreen() const {
    return screen::TransferSuccessViewController;
}

UIColorPtr TransferConfirmationViewController::bandColor() const {
    return ThemeManager::sharedInstance()->header_color();
}

}  // namespace fv
