#pragma once
// The host application's own first screen: its header, a line of text and one button per road
// (Roads.h), each opening its part of the framework on the host's navigation stack. Built in code;
// its texts come from the host's own string table.
#include <memory>
#include <string>
#include <vector>

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

    // Opens the road of the button (its tag) on the host's navigation controller.
    void roadPressed(UIButton* sender);
    // The button of the named road, or none.
    UIButtonPtr buttonForRoad(const std::string& name) const;

    FV_OUTLET(UILabel, lbl_title);
    FV_OUTLET(UILabel, lbl_message);

  private:
    std::vector<std::weak_ptr<UIButton>> roadButtons_;
};

}  // namespace fv
