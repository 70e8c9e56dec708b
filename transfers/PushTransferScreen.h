#pragma once
// How the transfer screens open the next one.
#include <string>

#include "platform/ui/UIViewController.h"

namespace fv {

// Creates the screen of class `className` from the interface file of the same name in the framework
// bundle and pushes it, animated, on `from`'s navigation controller. Without a navigation controller,
// or when no such screen class exists, nothing is pushed (the latter is logged). Returns the pushed
// screen, or none.
UIViewControllerPtr pushTransferScreen(const UIViewController& from, const std::string& className);

}  // namespace fv
