#pragma once
// The base of every screen: the status bar's style on each appearance, the shared progress overlay's
// look, banners, the themed alert, the common field frame, opening the next screen by name, and what
// most screens repeat (the band in the theme colour, back meaning pop). It takes the text-field,
// text-view, scroll-view and navigation-controller delegate roles, so a screen can be the delegate of
// its fields and lists. See screenkit/README.md for the shape of a screen.
#include <memory>
#include <optional>
#include <string>

#include "core/ScreenNames.h"
#include "platform/kits/ThemedAlertView.h"
#include "platform/ui/CALayer.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UINavigationController.h"
#include "platform/ui/UITextField.h"
#include "platform/ui/UITextView.h"
#include "platform/ui/UIViewController.h"
#include "screenkit/BannerMessages.h"
#include "screenkit/ScreenSetup.h"

namespace fv {

class BaseViewController : public UIViewController,
                           public UINavigationControllerDelegate,
                           public UITextFieldDelegate,
                           public UITextViewDelegate {
    FV_CLASS(BaseViewController, UIViewController)
    static void registerMembers(ClassBuilder<BaseViewController>& b);
    BaseViewController() = default;
    // initWithNibName:bundle:, which every screen inherits.
    using UIViewController::UIViewController;
    ~BaseViewController() override;

    // The platform's, then the progress overlay's look and, on a navigation stack, the interactive pop
    // gesture off. Screens call it first from their own. It leaves the status bar alone: only an
    // appearance sets it.
    void viewDidLoad() override;
    // The platform's, then a status bar appearance update with this screen's style.
    void viewWillAppear(bool animated) override;

    // Records the field as the current one and allows editing.
    bool textFieldShouldBeginEditing(UITextField* textField) override;
    // Ends editing on the screen's view and resigns the current field. Also the action
    // "textFieldShouldReturn:" of keyboard toolbars, whose Done item (not a field) is the sender.
    bool textFieldShouldReturn(UITextField* textField) override;
    std::shared_ptr<UITextField> currentTextField() const { return currentTextField_.lock(); }

    void ShowHUD(const std::string& status);
    void HideHUD();
    void CreateNotification(const std::string& title, const std::optional<std::string>& message,
                            BannerMessageType type);
    // A new themed alert, not yet shown.
    ThemedAlertViewPtr AlertView();
    // The common field frame: border 1.5 in the theme's border colour, corner radius 5.
    void CustomizeLayer(const CALayerPtr& layer);

    // Opens the screen `name` on this screen's navigation stack, animated, once `setup` has handed it
    // what it needs. A fault, and nothing opened, when no class is registered under the name, it
    // fails to construct or it refuses a setting; nothing either when this screen is on no stack
    // (any more). Returns the opened screen.
    UIViewControllerPtr pushScreen(ScreenName name, const ScreenSetup& setup = {});

    // ---- status bar ----
    // The style each appearance gives the status bar: light, over the theme band, unless a screen
    // says otherwise before it appears; none leaves the bar as the screen finds it. The one way a
    // screen sets the bar.
    std::optional<UIStatusBarStyle> statusBarStyle() const { return statusBarStyle_; }
    void setStatusBarStyle(std::optional<UIStatusBarStyle> style) { statusBarStyle_ = style; }
    // This screen's style; with none, the style the bar has now, so that an appearance update
    // changes nothing.
    UIStatusBarStyle preferredStatusBarStyle() const override;

    // ---- what most screens repeat ----
    // Fills `band` (the coloured top of a screen) with the theme's main colour.
    void applyThemeBand(UIView& band);
    // Back: pops this screen, animated.
    void popScreen();
    // The form keyboard's toolbar on `field`: as wide as the screen's view and 50 high, a flexible
    // space, then the localized "Done" calling this screen's textFieldShouldReturn:.
    void addDoneToolbar(UITextField& field);

  private:
    std::weak_ptr<UITextField> currentTextField_;
    std::optional<UIStatusBarStyle> statusBarStyle_ = UIStatusBarStyleLightContent;
};

}  // namespace fv
