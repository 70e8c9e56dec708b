#include "transfers/BankTransferViewController.h"

#include "core/ThemeManager.h"

namespace fv {

FV_REGISTER_CLASS(BankTransferViewController);

void BankTransferViewController::registerMembers(ClassBuilder<BankTransferViewController>& b) {
    b.action("backPressed:", &BankTransferViewController::backPressed);
}

BankTransferViewController::~BankTransferViewController() = default;

void BankTransferViewController::viewDidLoad() {
    BaseViewController::viewDidLoad();
    setDefaultSelection();
}

void BankTransferViewController::viewWillAppear(bool animated) {
    BaseViewController::viewWillAppear(animated);
    applyLightStatusBar();
}

void BankTransferViewController::setDefaultSelection() {
    auto theme = ThemeManager::sharedInstance();
    view_navbar->setBackgroundColor(theme->header_color());
    lbl_headerTitle->setTextColor(theme->header_text_color());
}

void BankTransferViewController::backPressed(UIButton*) {
    view()->endEditing(true);
}

}  // namespace fv
