#include "onboarding/capture/CameraPermissionGate.h"

#include "platform/camera/AVCaptureDevice.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIApplication.h"

namespace fv {

namespace {

// Queued rather than done at once, so that the push comes after the calling action has returned.
void queuePush(std::shared_ptr<BaseViewController> screen, ScreenName next, ScreenSetup setup) {
    RunLoop::main().post(
        [screen = std::move(screen), next, setup = std::move(setup)] { screen->pushScreen(next, setup); });
}

void showAlertFor(const std::shared_ptr<BaseViewController>& screen) {
    if (auto alerting = std::dynamic_pointer_cast<CameraPermissionAlerting>(screen)) {
        alerting->showCameraPermissionRequiredAlert();
    } else {
        showCameraUnavailableAlert(*screen);
    }
}

}  // namespace

void runCameraPermissionGate(const std::shared_ptr<BaseViewController>& screen, ScreenName next,
                             ScreenSetup setup) {
    if (!screen) return;
    switch (AVCaptureDevice::authorizationStatusForMediaType(AVMediaTypeVideo)) {
        case AVAuthorizationStatusAuthorized:
            queuePush(screen, next, std::move(setup));
            return;
        case AVAuthorizationStatusNotDetermined:
            // The answer comes on the camera's queue: it only decides, the main queue acts.
            AVCaptureDevice::requestAccessForMediaType(
                AVMediaTypeVideo, [screen, next, setup = std::move(setup)](bool granted) {
                    if (granted) {
                        queuePush(screen, next, setup);
                    } else {
                        RunLoop::main().post([screen] { showAlertFor(screen); });
                    }
                });
            return;
        default:
            showAlertFor(screen);
            return;
    }
}

void showCameraUnavailableAlert(BaseViewController& screen) {
    auto alert = screen.AlertView();
    if (!alert) return;
    alert->addButton(NSLocalizedString("Open settings", ""),
                     [] { UIApplication::sharedApplication()->openURL(UIApplicationOpenSettingsURLString); });
    alert->addButton(NSLocalizedString("Not now", ""), [] {});
    alert->setDismissOnOutsideTouch(false);
    alert->showAlertWithTitle(
        NSLocalizedString("Camera unavailable", ""),
        NSLocalizedString("Please go to phone settings and set Camera swtich ON in the application setting",
                          ""),
        nullptr, std::nullopt, {});
}

}  // namespace fv
