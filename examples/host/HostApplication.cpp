#include "examples/host/HostApplication.h"

#include <filesystem>

#include "core/SDKManager.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/RunLoop.h"
#include "platform/graphics/FontWarmup.h"

namespace fv {

namespace fs = std::filesystem;

std::string HostApplication::defaultBundlePath() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return FV_HOST_SOURCE_BUNDLE;
    for (const fs::path& folder :
         {exe.parent_path() / "bundle", exe.parent_path() / ".." / "share" / "fernvault" / "host"})
        if (fs::is_regular_file(folder / "Info.plist", ec)) return folder.lexically_normal().string();
    return FV_HOST_SOURCE_BUNDLE;
}

HostApplication::HostApplication(const Options& options) {
    // Fonts get ready on a worker while the rest of the first screen is built.
    warmFontsInBackground();
    NSBundle::setMainBundlePath(options.bundlePath.empty() ? defaultBundlePath() : options.bundlePath);
    RunLoop::main().setVirtualClock(options.virtualClock);
    backend_.setCardLastFour(kDemoCardLastFour);
    backend_.start();
    vendor_.start();

    root_ = HostRootViewController::create();
    nav_ = UINavigationController::create(root_);
    // The host's screens and the framework's draw their own headers.
    nav_->setNavigationBarHidden(true);
    window_ = UIWindow::create();
    window_->setRootViewController(nav_);
    window_->makeKeyAndVisible();
    window_->prepareBackBuffer();

    SDKManager::sharedInstance()->initAllView();
    RunLoop::main().runUntilIdle();
}

HostApplication::~HostApplication() {
    window_->setRootViewController(nullptr);
    window_->setHidden(true);
    RunLoop::main().runUntilIdle();
}

}  // namespace fv
