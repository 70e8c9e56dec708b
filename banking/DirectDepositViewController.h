#pragma once
// The direct-deposit screen: the account number and bank routing number that pay into the card, from
// "directDeposit.plist". Without that file, or one of its two keys, the label keeps the interface
// file's text.
#include "platform/foundation/Value.h"
#include "screenkit/CustomButton.h"
#include "screenkit/TitleBarBase.h"

namespace fv {

class DirectDepositViewController : public TitleBarBase {
    FV_CLASS(DirectDepositViewController, TitleBarBase)
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using TitleBarBase::TitleBarBase;
    ~DirectDepositViewController() override;

    void setDefaultSelection() override;

    FV_OUTLET(CustomButton, btn_downloadForm);
    FV_OUTLET(UILabel, lbl_directDeposit);
    FV_OUTLET(UILabel, lbl_routingNumber);

    // The record of "directDeposit.plist" once the view has loaded.
    Value::Dictionary depositContent;
};

}  // namespace fv
