#pragma once
// A screen under a title bar: the bar in the theme's header colour with its title in the header text
// colour, and a back button that only puts the keyboard away, since each such screen is only ever the
// root of its stack. The funding-information screens and the bank-transfer page derive from it; none
// of them makes a request or changes anything.
#include "platform/foundation/Bundle.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UILabel.h"
#include "screenkit/BaseViewController.h"

namespace fv {

class TitleBarBase : public BaseViewController {
    FV_CLASS(TitleBarBase, BaseViewController)
    static void registerMembers(ClassBuilder<TitleBarBase>& b);
    using BaseViewController::BaseViewController;
    ~TitleBarBase() override;

    void viewDidLoad() override;
    // Once: the header's colours; a screen adds what it shows.
    virtual void setDefaultSelection();
    void backPressed(UIButton* sender);

    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(UILabel, lbl_headerTitle);
};

}  // namespace fv
