#include "core/ScreenRegistry.h"

#include "core/Constants.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/Log.h"

namespace fv {

bool ScreenRegistry::isRegistered(const std::string& className) {
    return ClassRegistry::isSubclass(className, UIViewController::staticClassName());
}

UIViewControllerPtr ScreenRegistry::screenNamed(const std::string& className) {
    if (!ClassRegistry::find(className)) return nullptr;
    auto screen = std::dynamic_pointer_cast<UIViewController>(ClassRegistry::create(className));
    if (!screen) {
        log("ScreenRegistry: " + className + " is not a creatable view controller");
        return nullptr;
    }
    screen->initWithNibName(className, NSBundle::bundleWithIdentifier(kFrameworkBundleIdentifier));
    return screen;
}

}  // namespace fv
