#pragma once
// The load-cheque screen: loading a cheque onto the card, as a page under the themed header.
// The screen loads no page itself; the web view shows what its interface file gives it.
#include "platform/ui/UIWebView.h"
#include "screenkit/TitleBarBase.h"

namespace fv {

class LoadCheckViewController : public TitleBarBase {
    FV_CLASS(LoadCheckViewController, TitleBarBase)
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using TitleBarBase::TitleBarBase;
    ~LoadCheckViewController() override;

    FV_OUTLET(UIWebView, webview);
};

}  // namespace fv
