#pragma once
// The base of every screen: status bar, the shared progress overlay's look, banners, the themed alert
// and the common field frame. It takes the text-field, text-view, scroll-view and navigation-controller
// delegate roles, so a screen can be the delegate of its fields and lists. It has no viewWillAppear and
// no viewDidLayoutSubviews of its own.
#include <memory>
#include <optional>
#include <string>

#include "platform/kits/ThemedAlertView.h"
#include "platform/ui/CALayer.h"
#include "platform/ui/UINavigationController.h"
#include "platform/ui/UITextField.h"
#include "platform/ui/UITextView.h"
#include "platform/ui/UIViewController.h"

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

    // The platform's, then the status bar, the progress overlay's look and, on a navigation stack,
    // the interactive pop gesture off. Screens call it first from their own.
    void viewDidLoad() override;

    // Records the field as the current one and allows editing.
    bool textFieldShouldBeginEditing(UITextField* textField) override;
    // Ends editing on the screen's view and resigns the current field. Also the action
    // "textFieldShouldReturn:" of keyboard toolbars, whose Done item (not a field) is the sender.
    bool textFieldShouldReturn(UITextField* textField) override;
    std::shared_ptr<UITextField> currentTextField() const { return currentTextField_.lock(); }

    void ShowHUD(const std::string& status);
    void HideHUD();
    // A banner: 0 success, 1 error, 2 warning, 3 info, 4 custom.
    void CreateNotification(const std::string& title, const std::optional<std::string>& message, long type);
    // A new themed alert, not yet shown.
    ThemedAlertViewPtr AlertView();
    // The common field frame: border 1.5 in the theme's border colour, corner radius 5.
    void CustomizeLayer(const CALayerPtr& layer);

  private:
    std::weak_ptr<UITextField> currentTextField_;
};

}  // namespace fv
