#pragma once
// The example host's application object: its main bundle, its key window and its own navigation
// stack around its first screen, then the framework prepared through SDKManager. One per process run
// (or per test); the destructor takes the window down again. The framework's backend is the host's
// own demo backend on loopback, started with the application and stopped with it.
#include <string>

#include "examples/host/DemoBackend.h"
#include "examples/host/DemoBankLinkVendor.h"
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

    // The last four digits of the cards the demo backend issues.
    static constexpr const char* kDemoCardLastFour = "4821";

    const UIWindowPtr& window() const { return window_; }
    const UINavigationControllerPtr& navigationController() const { return nav_; }
    const HostRootViewControllerPtr& rootScreen() const { return root_; }
    // Issues cards, or fails on request for the error roads.
    DemoBackend& demoBackend() { return backend_; }
    // Answers the bank-link vendor's two REST calls for the vendor route of adding a bank account.
    DemoBankLinkVendor& demoVendor() { return vendor_; }

  private:
    // First, so that it is stopped last, once no screen can post any more.
    DemoBackend backend_;
    DemoBankLinkVendor vendor_;
    UIWindowPtr window_;
    UINavigationControllerPtr nav_;
    HostRootViewControllerPtr root_;
};

}  // namespace fv
