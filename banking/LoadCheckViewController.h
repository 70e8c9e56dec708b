#pragma once
// The load-cheque screen: loading a cheque onto the card, as a page under the themed header.
// The screen loads no page itself; the web view shows what its interface file gives it.
#include "banking/FundingInfoBase.h"
#include "platform/ui/UIWebView.h"

namespace fv {

class LoadCheckViewController : public FundingInfoBase {
    FV_CLASS(LoadCheckViewController, FundingInfoBase)
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using FundingInfoBase::FundingInfoBase;
    ~LoadCheckViewController() override;

    FV_OUTLET(UIWebView, webview);
};

}  // namespace fv
