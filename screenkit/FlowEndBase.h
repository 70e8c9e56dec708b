#pragma once
// What the last screens of a flow share: a bar in a theme colour, a button with a clear background,
// and the button's action, which returns to the first screen of the navigation stack. A screen derives
// from this, registers its own button action and may colour its bar differently.
#include <memory>

#include "platform/graphics/UIColor.h"
#include "screenkit/BaseViewController.h"
#include "screenkit/CustomButton.h"

namespace fv {

class FlowEndBase : public BaseViewController {
    FV_CLASS(FlowEndBase, BaseViewController)
    using BaseViewController::BaseViewController;
    ~FlowEndBase() override;

    void viewDidLoad() override;
    // Once: the button's and the bar's colours.
    virtual void formatView();

    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(CustomButton, btn_continue);

  protected:
    // The bar's colour; the theme's main colour unless a screen says otherwise.
    virtual UIColorPtr barColor() const;
    // Pops the navigation stack to its root, animated; the screens above it are discarded.
    void popToRoot();
};

}  // namespace fv
