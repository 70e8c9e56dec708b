#include "screenkit/BaseViewController.h"

#include "core/ScreenRegistry.h"
#include "core/ThemeManager.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/Fault.h"
#include "platform/foundation/Locale.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIToolbar.h"
#include "screenkit/BannerMessages.h"
#include "screenkit/ProgressHUD.h"

namespace fv {

FV_REGISTER_CLASS(BaseViewController);

void BaseViewController::registerMembers(ClassBuilder<BaseViewController>& b) {
    b.action("textFieldShouldReturn:", [](BaseViewController& self, NSObject* sender) {
        self.textFieldShouldReturn(dynamic_cast<UITextField*>(sender));
    });
    b.action("textFieldShouldBeginEditing:", [](BaseViewController& self, NSObject* sender) {
        self.textFieldShouldBeginEditing(dynamic_cast<UITextField*>(sender));
    });
}

BaseViewController::~BaseViewController() = default;

void BaseViewController::viewDidLoad() {
    UIViewController::viewDidLoad();
    auto theme = ThemeManager::sharedInstance();
    ProgressHUD::setBackgroundColor(UIColor::whiteColor());
    ProgressHUD::setForegroundColor(theme->main_color());
    ProgressHUD::setMaskColor(UIColor::colorWithWhite(0, 0.5));
    ProgressHUD::setIndicatorType(ActivityIndicatorType::BallClipRotate);
    ProgressHUD::setFont(namedOrSystemFont("SF-Pro-Display-Light", 14));
    if (auto nav = navigationController()) nav->interactivePopGestureRecognizer()->setEnabled(false);
}

void BaseViewController::viewWillAppear(bool animated) {
    UIViewController::viewWillAppear(animated);
    setNeedsStatusBarAppearanceUpdate();
}

UIStatusBarStyle BaseViewController::preferredStatusBarStyle() const {
    return statusBarStyle_.value_or(UIApplication::sharedApplication()->statusBarStyle());
}

bool BaseViewController::textFieldShouldBeginEditing(UITextField* textField) {
    currentTextField_.reset();
    if (textField) currentTextField_ = std::static_pointer_cast<UITextField>(textField->shared_from_this());
    return true;
}

bool BaseViewController::textFieldShouldReturn(UITextField*) {
    if (auto root = viewIfLoaded()) root->endEditing(true);
    if (auto field = currentTextField_.lock()) field->resignFirstResponder();
    return true;
}

void BaseViewController::ShowHUD(const std::string& status) {
    ProgressHUD::showWithStatus(status);
}

void BaseViewController::HideHUD() {
    ProgressHUD::dismiss();
}

void BaseViewController::CreateNotification(const std::string& title,
                                            const std::optional<std::string>& message,
                                            BannerMessageType type) {
    BannerMessages::showNotification(title, message, type);
}

UIViewControllerPtr BaseViewController::pushScreen(ScreenName name, const ScreenSetup& setup) {
    const std::string what = className() + " opening " + name.className;
    // A screen already popped (a delayed push after back) opens nothing, as a user would expect.
    auto nav = navigationController();
    if (!nav) return nullptr;
    auto next = ScreenRegistry::screenNamed(name);
    if (!next) return nullptr;  // the registry reported the fault
    if (auto refused = setup.applyTo(*next); !refused.empty()) {
        reportFault(what + ": it takes no \"" + refused.front() + "\"");
        return nullptr;
    }
    nav->pushViewController(next, true);
    return next;
}

void BaseViewController::applyThemeBand(UIView& band) {
    band.setBackgroundColor(ThemeManager::sharedInstance()->main_color());
}

void BaseViewController::popScreen() {
    if (auto nav = navigationController()) nav->popViewControllerAnimated(true);
}

void BaseViewController::addDoneToolbar(UITextField& field) {
    auto toolbar = UIToolbar::create(CGRectMake(0, 0, view()->frame().size.width, 50));
    auto done = UIBarButtonItem::create(NSLocalizedString("Done", ""), UIBarButtonItemStyleDone,
                                        shared_from_this(), "textFieldShouldReturn:");
    toolbar->setItems({UIBarButtonItem::flexibleSpace(), done});
    field.setInputAccessoryView(toolbar);
}

ThemedAlertViewPtr BaseViewController::AlertView() {
    auto alert = ThemedAlertView::create();
    UIColorPtr main = ThemeManager::sharedInstance()->main_color();
    UIColorPtr white = UIColor::whiteColor();
    alert->setAutoHideSeconds(0);
    alert->setCornerRadius(10);
    alert->setDismissOnOutsideTouch(false);
    alert->setOverrideForcedDismissal(true);
    alert->setHideDoneButton(true);
    alert->setBounceAnimation(false);
    alert->setLightTheme(true);
    alert->setDetachButtons(false);
    alert->alertBackgroundColor = main;
    alert->firstButtonBackgroundColor = main;
    alert->secondButtonBackgroundColor = main;
    alert->doneButtonHighlightedBackgroundColor = main;
    alert->titleColor = white;
    alert->subtitleColor = white;
    alert->firstButtonTitleColor = white;
    alert->secondButtonTitleColor = white;
    alert->doneButtonTitleColor = white;
    if (NSLocale::preferredLanguage() == "en") {
        alert->titleFont = namedOrSystemFont("SF-Pro-Display-Medium", 20);
        alert->subtitleFont = namedOrSystemFont("SF-Pro-Display-Light", 18);
        UIFontPtr buttons = namedOrSystemFont("SF-Pro-Display-Regular", 16);
        alert->firstButtonTitleFont = buttons;
        alert->secondButtonTitleFont = buttons;
        alert->doneButtonTitleFont = buttons;
    }
    return alert;
}

void BaseViewController::CustomizeLayer(const CALayerPtr& layer) {
    if (!layer) return;
    layer->borderWidth = 1.5;
    layer->borderColor = ThemeManager::sharedInstance()->border_color();
    layer->cornerRadius = 5.0;
}

}  // namespace fv
