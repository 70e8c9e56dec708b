#include "examples/host/HostApplication.h"

#include <filesystem>

#include "core/SDKManager.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/RunLoop.h"

namespace fv {

namespace fs = std::filesystem;

std::string HostApplication::defaultBundlePath() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && fs::is_regular_file(exe.parent_path() / "bundle" / "Info.plist", ec))
        return (exe.parent_path() / "bundle").string();
    return FV_HOST_SOURCE_BUNDLE;
}

HostApplication::HostApplication(const Options& options) {
    NSBundle::setMainBundlePath(options.bundlePath.empty() ? defaultBundlePath() : options.bundlePath);
    RunLoop::main().setVirtualClock(options.virtualClock);

    root_ = HostRootViewController::create();
    nav_ = UINavigationController::create(root_);
    // The host's screens and the framework's draw their own headers.
    nav_->setNavigationBarHidden(true);
    window_ = UIWindow::create();
    window_->setRootViewController(nav_);
    window_->makeKeyAndVisible();

    SDKManager::sharedInstance()->initAllView();
    RunLoop::main().runUntilIdle();
}

HostApplication::~HostApplication() {
    window_->setRootViewController(nullptr);
    window_->setHidden(true);
    RunLoop::main().runUntilIdle();
}

}  // namespace fv
