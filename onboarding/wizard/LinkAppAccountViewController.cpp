#include "onboarding/wizard/LinkAppAccountViewController.h"

#include "core/ThemeManager.h"
#include "onboarding/wizard/WizardProgress.h"

namespace fv {

FV_REGISTER_CLASS(LinkAppAccountViewController);

void LinkAppAccountViewController::registerMembers(ClassBuilder<LinkAppAccountViewController>& b) {
    using Self = LinkAppAccountViewController;
    b.action("action_connect:", &Self::action_connect);
    b.action("action_skip:", &Self::action_skip);
    b.action("action_back:", &Self::action_back);
}

LinkAppAccountViewController::~LinkAppAccountViewController() = default;

void LinkAppAccountViewController::formatView() {
    auto theme = ThemeManager::sharedInstance();
    Btn_connect->setBackgroundColor(UIColor::clearColor());
    Btn_skip->setTitleColor(theme->header_button_color(), UIControlStateNormal);
    styleHeader(*view_navbar, *lbl_headerTitle);
    lbl_titleOne->setTextColor(theme->main_font_color());
    lbl_titleTwo->setTextColor(theme->light_font_color());
    showWizardProgress(*progress_bar, wizard_progress::kLinkAppAccount);
}

void LinkAppAccountViewController::action_connect(UIButton*) {}

void LinkAppAccountViewController::action_skip(UIButton*) {
    pushScreen(screen::UserInfoFormViewController);
}

void LinkAppAccountViewController::action_back(UIButton*) {
    popScreen();
}

}  // namespace fv
