#pragma once
// The load-centre screen: where cash can be loaded onto the card, as a page under the themed header.
// The screen loads no page itself; the web view shows what its interface file gives it.
#include "platform/ui/UIWebView.h"
#include "screenkit/TitleBarBase.h"

namespace fv {

class LoadCenterViewController : public TitleBarBase {
    FV_CLASS(LoadCenterViewController, TitleBarBase)
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using TitleBarBase::TitleBarBase;
    ~LoadCenterViewController() override;

    FV_OUTLET(UIWebView, webview);
};

}  // namespace fv
