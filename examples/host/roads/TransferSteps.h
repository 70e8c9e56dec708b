#pragma once
// What the transfer roads share: showing a screen of DataModel's stacks on the host's own stack, and
// the steps both transfer forms take (the amount, the slide to confirm, Continue back to the host).
#include <string>

#include "examples/host/Walkthrough.h"
#include "platform/ui/UINavigationController.h"
#include "platform/ui/UITableView.h"

namespace fv {

// The view behind an outlet of the screen on top, or none.
UIViewPtr topOutlet(const Walkthrough& walk, const std::string& name);

// The row shown highest in `table`, or none.
UITableViewCellPtr topmostRow(const UITableViewPtr& table);

// Moves the first screen of `frameworkStack` (one of DataModel's navigation controllers) onto the
// host's stack, animated, as a host shows a framework destination inside its own navigation. Nothing
// happens without one of them or without a screen.
void showFrameworkRoot(const UINavigationControllerPtr& hostStack,
                       const UINavigationControllerPtr& frameworkStack);

// Types `amount` into the amount field of the screen on top, as a keyboard would.
std::string typeAmount(const Walkthrough& walk, const std::string& amount);
// A finger on the knob of the confirmation on top, moved to the far end of the track and lifted.
std::string slideToConfirm(const Walkthrough& walk);
// Continue on a success screen, then the host's first screen alone on its stack.
std::string continueToHost(const Walkthrough& walk);

}  // namespace fv
