#pragma once
// The framework's screens by class name. A screen class joins by declaring itself with FV_CLASS as a
// UIViewController subclass and registering with FV_REGISTER_CLASS. Every name in ScreenNames.h has
// its class, so asking for one that is missing, or whose construction fails, is a program fault.
#include "core/ScreenNames.h"

#include "platform/ui/UIViewController.h"

namespace fv {

class ScreenRegistry {
  public:
    // True when the named screen's class is registered as a UIViewController kind.
    static bool isRegistered(ScreenName name);
    // A new screen of that class, its view to load from the interface file named after the class in
    // the framework bundle. None, with a fault reported, when the class is unknown, is no view
    // controller or fails to construct.
    static UIViewControllerPtr screenNamed(ScreenName name);
};

}  // namespace fv
