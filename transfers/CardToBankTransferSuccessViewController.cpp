#include "transfers/CardToBankTransferSuccessViewController.h"

#include "core/ThemeManager.h"

namespace fv {

FV_REGISTER_CLASS(CardToBankTransferSuccessViewController);

void CardToBankTransferSuccessViewController::registerMembers(
    ClassBuilder<CardToBankTransferSuccessViewController>& b) {
    using Self = CardToBankTransferSuccessViewController;
    b.action("continuePressed:", &Self::continuePressed);
}

CardToBankTransferSuccessViewController::~CardToBankTransferSuccessViewController() = default;

void CardToBankTransferSuccessViewController::viewDidLoad() {
    BaseViewController::viewDidLoad();
    formatView();
}

void CardToBankTransferSuccessViewController::viewWillAppear(bool animated) {
    BaseViewController::viewWillAppear(animated);
    applyLightStatusBar();
}

void CardToBankTransferSuccessViewController::formatView() {
    btn_continue->setBackgroundColor(UIColor::clearColor());
    applyThemeBand(*view_navbar);
}

void CardToBankTransferSuccessViewController::continuePressed(UIButton*) {
    if (auto nav = navigationController()) nav->popToRootViewControllerAnimated(true);
}

}  // namespace fv
