#include "transfers/CardToBankTransferConfirmationViewController.h"

#include "controls/AttributedAmountString.h"
#include "core/ThemeManager.h"
#include "transfers/CardToBankTransferViewController.h"
#include "transfers/PushTransferScreen.h"

namespace fv {

FV_REGISTER_CLASS(CardToBankTransferConfirmationViewController);

void CardToBankTransferConfirmationViewController::registerMembers(
    ClassBuilder<CardToBankTransferConfirmationViewController>& b) {
    using Self = CardToBankTransferConfirmationViewController;
    b.outlet("view_TopInfo", &Self::view_TopInfo);
    b.outlet("btn_slider", &Self::btn_slider);
    b.outlet("lbl_TotalAmount", &Self::lbl_TotalAmount);
    b.action("showSuccessView", &Self::showSuccessView);
    b.action("backPressed:", &Self::backPressed);
}

CardToBankTransferConfirmationViewController::~CardToBankTransferConfirmationViewController() = default;

void CardToBankTransferConfirmationViewController::viewWillAppear(bool animated) {
    BaseViewController::viewWillAppear(animated);
    UIApplication::sharedApplication()->setStatusBarStyle(UIStatusBarStyleLightContent);
    setDefaultSelection();
}

void CardToBankTransferConfirmationViewController::setDefaultSelection() {
    if (auto slider = btn_slider.lock())
        slider->setDelegate(sharedAs<CardToBankTransferConfirmationViewController>());
    if (auto top = view_TopInfo.lock()) top->setBackgroundColor(ThemeManager::sharedInstance()->main_color());
    if (auto label = lbl_TotalAmount.lock())
        label->setAttributedText(attributedAmountString(kCardBalanceText));
}

void CardToBankTransferConfirmationViewController::buttonStatus(const std::string& status, SlidingButton*) {
    if (status != "Unlocked") return;
    if (auto slider = btn_slider.lock()) slider->setUserInteractionEnabled(false);
    performSelector("showSuccessView", nullptr, kSuccessDelay);
}

void CardToBankTransferConfirmationViewController::showSuccessView() {
    pushTransferScreen(*this, "CardToBankTransferSuccessViewController");
}

void CardToBankTransferConfirmationViewController::backPressed(UIButton*) {
    if (auto nav = navigationController()) nav->popViewControllerAnimated(true);
}

}  // namespace fv
