#pragma once
// The example host's application object: its main bundle, its key window and its own navigation
// stack around its first screen, then the framework prepared through SDKManager. One per process run
// (or per test); the destructor takes the window down again.
#include <string>

#include "examples/host/HostRootViewController.h"
#include "platform/ui/UINavigationController.h"
#include "platform/ui/UIWindow.h"

namespace fv {

class HostApplication {
  public:
    struct Options {
        // The host's main bundle; empty means defaultBundlePath().
        std::string bundlePath;
        // Run the main run loop on a virtual clock (every wait returns at once) instead of real time.
        bool virtualClock = false;
    };

    explicit HostApplication(const Options& options);
    ~HostApplication();
    HostApplication(const HostApplication&) = delete;
    HostApplication& operator=(const HostApplication&) = delete;

    // The "bundle" folder beside the executable, else ../share/fernvault/host from it (installed),
    // else the one in the source tree.
    static std::string defaultBundlePath();

    const UIWindowPtr& window() const { return window_; }
    const UINavigationControllerPtr& navigationController() const { return nav_; }
    const HostRootViewControllerPtr& rootScreen() const { return root_; }

  private:
    UIWindowPtr window_;
    UINavigationControllerPtr nav_;
    HostRootViewControllerPtr root_;
};

}  // namespace fv
