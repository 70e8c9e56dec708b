#include "onboarding/wizard/WizardViewController.h"

#include "core/ThemeManager.h"
#include "platform/foundation/Bundle.h"
#include "platform/ui/UIBarButtonItem.h"

namespace fv {

FV_REGISTER_CLASS(WizardViewController);

WizardViewController::~WizardViewController() = default;

void WizardViewController::viewDidLoad() {
    BaseViewController::viewDidLoad();
    formatView();
    initialzieViewModel();
}

void WizardViewController::hideOverlayThenPop() {
    HideHUD();
    popScreen();
}

void WizardViewController::showWizardProgress(UIProgressView& bar, float value) {
    auto theme = ThemeManager::sharedInstance();
    bar.setTrackTintColor(theme->progressbar_bg_color());
    bar.setProgressTintColor(theme->progressbar_color());
    bar.setProgress(value, false);
}

void WizardViewController::styleHeader(UIView& navbar, UILabel& title) {
    auto theme = ThemeManager::sharedInstance();
    navbar.setBackgroundColor(theme->header_color());
    title.setTextColor(theme->header_text_color());
}

void WizardViewController::watchFields(std::initializer_list<UITextFieldPtr> fields,
                                       const std::string& selector) {
    for (const auto& field : fields)
        field->addTarget(shared_from_this(), selector, UIControlEventEditingChanged);
}

UIToolbarPtr WizardViewController::keyboardToolbar(const std::string& titleKey, const std::string& selector) {
    auto toolbar = UIToolbar::create(CGRectMake(0, 0, view()->frame().size.width, 50));
    auto item = UIBarButtonItem::create(NSLocalizedString(titleKey, ""), UIBarButtonItemStyleDone,
                                        shared_from_this(), selector);
    toolbar->setItems({UIBarButtonItem::flexibleSpace(), item});
    return toolbar;
}

void WizardViewController::showCheckFailure(const std::string& titleKey, const std::string& bodyKey) {
    CreateNotification(NSLocalizedString(titleKey, ""), NSLocalizedString(bodyKey, ""),
                       BannerMessageTypeError);
}

}  // namespace fv
