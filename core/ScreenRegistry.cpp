#include "core/ScreenRegistry.h"

#include <exception>

#include "core/FrameworkResources.h"
#include "platform/foundation/Fault.h"

namespace fv {

bool ScreenRegistry::isRegistered(ScreenName name) {
    const std::string className = name.className;
    return ClassRegistry::isSubclass(className, UIViewController::staticClassName());
}

UIViewControllerPtr ScreenRegistry::screenNamed(ScreenName name) {
    const std::string className = name.className;
    if (!ClassRegistry::find(className)) {
        reportFault("ScreenRegistry: no screen class " + className + " is registered");
        return nullptr;
    }
    UIViewControllerPtr screen;
    try {
        screen = std::dynamic_pointer_cast<UIViewController>(ClassRegistry::create(className));
    } catch (const std::exception& e) {
        reportFault("ScreenRegistry: making " + className + " failed: " + e.what());
        return nullptr;
    }
    if (!screen) {
        reportFault("ScreenRegistry: " + className + " is not a creatable view controller");
        return nullptr;
    }
    screen->initWithNibName(className, frameworkBundle());
    return screen;
}

}  // namespace fv
