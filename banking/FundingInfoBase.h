#pragma once
// What the three funding-information screens share: a header bar in the theme's header colour with its
// title in the header text colour, and a back button that only puts the keyboard away, since each is
// only ever the root of its stack. None of them makes a request or changes anything.
#include "platform/foundation/Bundle.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UILabel.h"
#include "screenkit/BaseViewController.h"

namespace fv {

class FundingInfoBase : public BaseViewController {
    FV_CLASS(FundingInfoBase, BaseViewController)
    static void registerMembers(ClassBuilder<FundingInfoBase>& b);
    using BaseViewController::BaseViewController;
    ~FundingInfoBase() override;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    // Once: the header's colours; a screen adds what it shows.
    virtual void setDefaultSelection();
    void backPressed(UIButton* sender);

    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(UILabel, lbl_headerTitle);
};

}  // namespace fv
