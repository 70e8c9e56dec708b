#pragma once
// The bank-transfer screen: a themed title bar over a web view. The screen never asks the web view to
// load anything; it shows what its interface file gives it. Only ever the root of its stack, so its
// menu button only ends editing.
#include "platform/foundation/Bundle.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIWebView.h"
#include "screenkit/BaseViewController.h"

namespace fv {

class BankTransferViewController : public BaseViewController {
    FV_CLASS(BankTransferViewController, BaseViewController)
    static void registerMembers(ClassBuilder<BankTransferViewController>& b);
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using BaseViewController::BaseViewController;
    ~BankTransferViewController() override;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    // Once: the bar in the theme's header colour, the title in its header text colour.
    void setDefaultSelection();
    void backPressed(UIButton* sender);

    FV_OUTLET(UIWebView, webview);
    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(UILabel, lbl_headerTitle);
};

}  // namespace fv
