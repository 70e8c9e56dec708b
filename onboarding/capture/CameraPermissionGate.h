#pragma once
// The camera permission gate that the wizard's screens pass before opening a camera screen: the
// camera (video) authorisation is read afresh on every run; granted, the destination is opened in a
// later turn of the main queue; not yet decided, the system prompt is shown and its answer decides;
// refused or restricted, the caller's "Camera unavailable" alert offers the application's settings.
//
//     class FooViewController : public WizardViewController, public CameraPermissionAlerting {
//         void action_continue(UIButton*) {
//             runCameraPermissionGate(sharedAs<FooViewController>(),
//             screen::FrontIDCardCameraViewController);
//         }
//         void showCameraPermissionRequiredAlert() override { showCameraUnavailableAlert(*this); }
//     };
#include <memory>

#include "core/ScreenNames.h"
#include "screenkit/BaseViewController.h"
#include "screenkit/ScreenSetup.h"

namespace fv {

// What a calling screen offers the gate: its own way of showing the alert.
class CameraPermissionAlerting {
  public:
    virtual ~CameraPermissionAlerting() = default;
    virtual void showCameraPermissionRequiredAlert() = 0;
};

// Runs the gate for `screen` (on the main thread). The destination `next` is made, handed `setup`,
// and pushed, animated, on the screen's navigation stack only at the moment of the push, so a run
// that ends in the alert makes none. The screen is kept until the prompt's answer has been handled.
// A screen that is no CameraPermissionAlerting gets the standard alert.
void runCameraPermissionGate(const std::shared_ptr<BaseViewController>& screen, ScreenName next,
                             ScreenSetup setup = {});

// The "Camera unavailable" alert over `screen`: "Open settings" opens the application's page of the
// system settings, "Not now" leaves the screen as it was; a touch beside the alert does not close it.
void showCameraUnavailableAlert(BaseViewController& screen);

}  // namespace fv
