#pragma once
// The framework's main screens by class name. A screen class joins by declaring itself with FV_CLASS
// as a UIViewController subclass and registering with FV_REGISTER_CLASS; until then its name yields
// none, so the facade can be built and used before every screen exists.
#include "core/ScreenNames.h"

#include "platform/ui/UIViewController.h"

namespace fv {

class ScreenRegistry {
  public:
    // True when the named screen's class is registered as a UIViewController kind.
    static bool isRegistered(ScreenName name);
    // A new screen of that class, its view to load from the interface file named after the class in
    // the framework bundle; none when the class is unknown or is no view controller.
    static UIViewControllerPtr screenNamed(ScreenName name);
};

}  // namespace fv
