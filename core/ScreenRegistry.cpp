#include "core/ScreenRegistry.h"

#include "core/FrameworkResources.h"
#include "platform/foundation/Log.h"

namespace fv {

bool ScreenRegistry::isRegistered(ScreenName name) {
    const std::string className = name.className;
    return ClassRegistry::isSubclass(className, UIViewController::staticClassName());
}

UIViewControllerPtr ScreenRegistry::screenNamed(ScreenName name) {
    const std::string className = name.className;
    if (!ClassRegistry::find(className)) return nullptr;
    auto screen = std::dynamic_pointer_cast<UIViewController>(ClassRegistry::create(className));
    if (!screen) {
        log("ScreenRegistry: " + className + " is not a creatable view controller");
        return nullptr;
    }
    screen->initWithNibName(className, frameworkBundle());
    return screen;
}

}  // namespace fv
