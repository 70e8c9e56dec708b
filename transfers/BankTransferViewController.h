#pragma once
// The bank-transfer screen: a themed title bar over a web view. The screen never asks the web view to
// load anything; it shows what its interface file gives it. Only ever the root of its stack, so its
// menu button only ends editing.
#include "platform/ui/UIWebView.h"
#include "screenkit/TitleBarBase.h"

namespace fv {

class BankTransferViewController : public TitleBarBase {
    FV_CLASS(BankTransferViewController, TitleBarBase)
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using TitleBarBase::TitleBarBase;
    ~BankTransferViewController() override;

    FV_OUTLET(UIWebView, webview);
};

}  // namespace fv
