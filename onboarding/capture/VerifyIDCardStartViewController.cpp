#include "onboarding/capture/VerifyIDCardStartViewController.h"

#include "core/ThemeManager.h"
#include "platform/kits/DeviceInfo.h"

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
    runCameraPermissionGate(sharedAs<BaseViewController>(), screen::FrontIDCardCameraViewController);
}

void VerifyIDCardStartViewController::showCameraPermissionRequiredAlert() {
    showCameraUnavailableAlert(*this);
}

}  // namespace fv
