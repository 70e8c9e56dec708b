#pragma once
// What the two end screens of adding a bank account share: a header bar in the theme's main colour
// with a white title, and one button that returns to the first screen of the navigation stack. Their
// texts are those of their interface files; neither is given any data.
#include "platform/ui/UILabel.h"
#include "screenkit/FlowEndBase.h"

namespace fv {

class AccountResultBase : public FlowEndBase {
    FV_CLASS(AccountResultBase, FlowEndBase)
    using FlowEndBase::FlowEndBase;
    ~AccountResultBase() override;

    // The bar's and the button's colours, and the title in white.
    void formatView() override;

    FV_OUTLET(UILabel, lbl_headerTitle);
};

}  // namespace fv
