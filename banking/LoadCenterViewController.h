#pragma once
// The load-centre screen: where cash can be loaded onto the card, as a page under the themed header.
// The screen loads no page itself; the web view shows what its interface file gives it.
#include "banking/FundingInfoBase.h"
#include "platform/ui/UIWebView.h"

namespace fv {

class LoadCenterViewController : public FundingInfoBase {
    FV_CLASS(LoadCenterViewController, FundingInfoBase)
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using FundingInfoBase::FundingInfoBase;
    ~LoadCenterViewController() override;

    FV_OUTLET(UIWebView, webview);
};

}  // namespace fv
