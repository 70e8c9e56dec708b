#include "transfers/CardToBankTransferSuccessViewController.h"

#include "core/ThemeManager.h"

namespace fv {

FV_REGISTER_CLASS(CardToBankTransferSuccessViewController);

void CardToBankTransferSuccessViewController::registerMembers(
    ClassBuilder<CardToBankTransferSuccessViewController>& b) {
    using Self = CardToBankTransferSuccessViewController;
    b.outlet("view_navbar", &Self::view_navbar);
    b.outlet("btn_continue", &Self::btn_continue);
    b.action("continuePressed:", &Self::continuePressed);
}

CardToBankTransferSuccessViewController::~CardToBankTransferSuccessViewController() = default;

void CardToBankTransferSuccessViewController::viewDidLoad() {
    BaseViewController::viewDidLoad();
    formatView();
}

void CardToBankTransferSuccessViewController::viewWillAppear(bool animated) {
    BaseViewController::viewWillAppear(animated);
    UIApplication::sharedApplication()->setStatusBarStyle(UIStatusBarStyleLightContent);
}

void CardToBankTransferSuccessViewController::formatView() {
    if (auto button = btn_continue.lock()) button->setBackgroundColor(UIColor::clearColor());
    if (auto bar = view_navbar.lock()) bar->setBackgroundColor(ThemeManager::sharedInstance()->main_color());
}

void CardToBankTransferSuccessViewController::continuePressed(UIButton*) {
    if (auto nav = navigationController()) nav->popToRootViewControllerAnimated(true);
}

}  // namespace fv
