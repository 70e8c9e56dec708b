#include "onboarding/application/SuccessAndVerifiedViewController.h"

#include "core/ThemeManager.h"
#include "platform/kits/DeviceInfo.h"

namespace fv {

FV_REGISTER_CLASS(SuccessAndVerifiedViewController);

namespace {

// Per device size class: the icon's size, and how much the spaces above and below it shrink from the
// interface file's.
struct IconFit {
    CGFloat icon, shrinkAbove, shrinkBelow;
};

std::optional<IconFit> iconFitFor(int deviceSize) {
    switch (deviceSize) {
        case DeviceInfo::screen4Inch:
            return IconFit{60.0, 70.0, 30.0};
        case DeviceInfo::screen4Dot7Inch:
            return IconFit{130.0, 60.0, 20.0};
        case DeviceInfo::screen5Dot5Inch:
            return IconFit{170.0, 20.0, 20.0};
        case DeviceInfo::screen5Dot8InchOrMore:
            return IconFit{200.0, 0.0, 0.0};
        default:
            return std::nullopt;
    }
}

}  // namespace

void SuccessAndVerifiedViewController::registerMembers(ClassBuilder<SuccessAndVerifiedViewController>& b) {
    using Self = SuccessAndVerifiedViewController;
    b.action("action_view_virtual_card:", &Self::action_view_virtual_card);
    b.action("action_card_management:", &Self::action_card_management);
}

SuccessAndVerifiedViewController::~SuccessAndVerifiedViewController() = default;

void SuccessAndVerifiedViewController::formatView() {
    auto theme = ThemeManager::sharedInstance();
    Btn_view_virtual_card->setBackgroundColor(UIColor::clearColor());
    Btn_card_management->setBackgroundColor(UIColor::clearColor());
    styleHeader(*view_navbar, *lbl_headerTitle);
    lbl_titleOne->setTextColor(theme->main_font_color());
    lbl_titleTwo->setTextColor(theme->light_font_color());
    lbl_titleThree->setTextColor(theme->light_font_color());
    fitIconToDevice();
}

// Relative to the interface file's spacing, so it runs once per screen, from formatView.
void SuccessAndVerifiedViewController::fitIconToDevice() {
    const auto fit = iconFitFor(DeviceInfo::deviceSize());
    if (!fit) return;
    constraint_img_thumbIcon->setConstant(fit->icon);
    constraint_top_img_thumbIcon->setConstant(constraint_top_img_thumbIcon->constant() - fit->shrinkAbove);
    constraint_bottom_img_thumbIcon->setConstant(constraint_bottom_img_thumbIcon->constant() -
                                                 fit->shrinkBelow);
}

void SuccessAndVerifiedViewController::action_view_virtual_card(UIButton*) {
    pushScreen(screen::VirtualCardViewController);
}

void SuccessAndVerifiedViewController::action_card_management(UIButton*) {}

}  // namespace fv
