#include "onboarding/capture/VerifyIDCardStartViewController.h"

#include "core/ThemeManager.h"
#include "platform/camera/AVCaptureDevice.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/RunLoop.h"
#include "platform/kits/DeviceInfo.h"
#include "platform/ui/UIApplication.h"

namespace fv {

FV_REGISTER_CLASS(VerifyIDCardStartViewController);

void VerifyIDCardStartViewController::registerMembers(ClassBuilder<VerifyIDCardStartViewController>& b) {
    b.action("action_continue:", &VerifyIDCardStartViewController::action_continue);
}

VerifyIDCardStartViewController::~VerifyIDCardStartViewController() = default;

void VerifyIDCardStartViewController::formatView() {
    auto theme = ThemeManager::sharedInstance();
    Btn_continue->setBackgroundColor(UIColor::clearColor());
    styleHeader(*view_navbar, *lbl_headerTitle);
    lbl_titleOne->setTextColor(theme->main_font_color());
    lbl_titleTwo->setTextColor(theme->light_font_color());
    switch (DeviceInfo::deviceSize()) {
        case DeviceInfo::screen4Inch:
            constraint_img_verifyIcon->setConstant(kIconSizeCode1);
            break;
        case DeviceInfo::screen4Dot7Inch:
            constraint_img_verifyIcon->setConstant(kIconSizeCode2);
            break;
        default:
            break;
    }
}

void VerifyIDCardStartViewController::action_continue(UIButton*) {
    auto self = sharedAs<VerifyIDCardStartViewController>();
    switch (AVCaptureDevice::authorizationStatusForMediaType(AVMediaTypeVideo)) {
        case AVAuthorizationStatusAuthorized:
            RunLoop::main().post([self] { self->pushFrontCapture(); });
            break;
        case AVAuthorizationStatusNotDetermined:
            // The answer comes on the camera's queue; the screen is touched only on the main one.
            AVCaptureDevice::requestAccessForMediaType(AVMediaTypeVideo, [self](bool granted) {
                RunLoop::main().post([self, granted] {
                    if (granted)
                        self->pushFrontCapture();
                    else
                        self->showCameraPermissionRequiredAlert();
                });
            });
            break;
        default:
            showCameraPermissionRequiredAlert();
            break;
    }
}

void VerifyIDCardStartViewController::pushFrontCapture() {
    pushScreen(screen::FrontIDCardCameraViewController);
}

void VerifyIDCardStartViewController::showCameraPermissionRequiredAlert() {
    auto alert = AlertView();
    if (!alert) return;
    alert->addButton(NSLocalizedString("Open settings", ""), [] {
        const std::string url = UIApplicationOpenSettingsURLString;
        if (!url.empty()) UIApplication::sharedApplication()->openURL(url);
    });
    alert->addButton(NSLocalizedString("Not now", ""), [] {});
    alert->setDismissOnOutsideTouch(false);
    alert->showAlertWithTitle(
        NSLocalizedString("Camera unavailable", ""),
        NSLocalizedString("Please go to phone settings and set Camera swtich ON in the application setting",
                          ""),
        nullptr, std::nullopt, {});
}

}  // namespace fv
