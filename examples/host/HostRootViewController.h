#pragma once
// The host application's own first screen: its header, a line of text and the button that opens the
// framework's card-to-bank transfer on the host's navigation stack. Built in code; its texts come from
// the host's own string table.
#include <memory>

#include "platform/ui/UIButton.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIViewController.h"

namespace fv {

class HostRootViewController;
using HostRootViewControllerPtr = std::shared_ptr<HostRootViewController>;

class HostRootViewController : public UIViewController {
    FV_CLASS(HostRootViewController, UIViewController)
    static void registerMembers(ClassBuilder<HostRootViewController>& b);
    static HostRootViewControllerPtr create() { return std::make_shared<HostRootViewController>(); }

    void loadView() override;

    // Hands the host's navigation controller to the framework.
    void transferPressed(UIButton* sender);

    FV_OUTLET(UILabel, lbl_title);
    FV_OUTLET(UILabel, lbl_message);
    FV_OUTLET(UIButton, btn_transfer);
};

}  // namespace fv
