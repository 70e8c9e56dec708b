#include "transfers/CardToBankTransferConfirmationViewController.h"

#include "controls/AttributedAmountString.h"
#include "core/ThemeManager.h"
#include "transfers/CardToBankTransferViewController.h"

namespace fv {

FV_REGISTER_CLASS(CardToBankTransferConfirmationViewController);

void CardToBankTransferConfirmationViewController::registerMembers(
    ClassBuilder<CardToBankTransferConfirmationViewController>& b) {
    using Self = CardToBankTransferConfirmationViewController;
    b.action("showSuccessView", &Self::showSuccessView);
    b.action("backPressed:", &Self::backPressed);
}

CardToBankTransferConfirmationViewController::~CardToBankTransferConfirmationViewController() = default;

void CardToBankTransferConfirmationViewController::viewWillAppear(bool animated) {
    BaseViewController::viewWillAppear(animated);
    applyLightStatusBar();
    setDefaultSelection();
}

void CardToBankTransferConfirmationViewController::setDefaultSelection() {
    btn_slider->setDelegate(sharedAs<CardToBankTransferConfirmationViewController>());
    applyThemeBand(*view_TopInfo);
    lbl_TotalAmount->setAttributedText(attributedAmountString(kCardBalanceText));
}

void CardToBankTransferConfirmationViewController::buttonStatus(const std::string& status, SlidingButton*) {
    if (status != "Unlocked") return;
    btn_slider->setUserInteractionEnabled(false);
    performSelector("showSuccessView", nullptr, kSuccessDelay);
}

void CardToBankTransferConfirmationViewController::showSuccessView() {
    pushScreen(screen::CardToBankTransferSuccessViewController);
}

void CardToBankTransferConfirmationViewController::backPressed(UIButton*) {
    popScreen();
}

}  // namespace fv
