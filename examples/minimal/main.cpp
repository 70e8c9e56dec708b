// The smallest host: builds with `c++ main.cpp $(pkg-config --cflags --libs fernvault)`.
#include "core/FrameworkResources.h"
#include "core/SDKManager.h"

int main() {
    fv::SDKManager::sharedInstance()->initAllView();
    // The screens come from the framework bundle, found beside the library without any setting.
    return fv::frameworkResourcePath("theme", "plist") ? 0 : 1;
}
