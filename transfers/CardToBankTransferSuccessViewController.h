#pragma once
// The last screen of a card-to-bank transfer: the transfer is shown as done, and Continue returns to
// the first screen of the navigation stack.
#include <memory>
#include <string>

#include "platform/foundation/Bundle.h"
#include "screenkit/BaseViewController.h"
#include "screenkit/CustomButton.h"

namespace fv {

class CardToBankTransferSuccessViewController : public BaseViewController {
    FV_CLASS(CardToBankTransferSuccessViewController, BaseViewController)
    static void registerMembers(ClassBuilder<CardToBankTransferSuccessViewController>& b);
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using BaseViewController::BaseViewController;
    ~CardToBankTransferSuccessViewController() override;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    // Once: the button's and the bar's colours.
    void formatView();
    void continuePressed(UIButton* sender);

    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(CustomButton, btn_continue);
};

}  // namespace fv
