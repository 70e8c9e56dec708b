#pragma once
// Alerts and action sheets: a title, a message and ordered actions, presented modally. Choosing an
// action dismisses the controller; the action's handler runs once the dismissal has finished.
// The view is a dimmed full-screen backdrop with a card: title, message, then one row per action
// (a sheet sits at the bottom on a phone; on a pad it sits beside its source view, or is centred when
// it has none).
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/UIViewController.h"

namespace fv {

class UIAlertAction;
class UIAlertController;
using UIAlertActionPtr = std::shared_ptr<UIAlertAction>;
using UIAlertControllerPtr = std::shared_ptr<UIAlertController>;

enum UIAlertActionStyle : int {
    UIAlertActionStyleDefault = 0,
    UIAlertActionStyleCancel = 1,
    UIAlertActionStyleDestructive = 2,
};

enum UIAlertControllerStyle : int {
    UIAlertControllerStyleActionSheet = 0,
    UIAlertControllerStyleAlert = 1,
};

class UIAlertAction : public NSObject {
    FV_CLASS(UIAlertAction, NSObject)
    using Handler = std::function<void(UIAlertAction&)>;
    // actionWithTitle:style:handler:
    static UIAlertActionPtr actionWithTitle(const std::string& title, UIAlertActionStyle style,
                                            Handler handler = nullptr);

    const std::string& title() const { return title_; }
    UIAlertActionStyle style() const { return style_; }
    bool enabled() const { return enabled_; }
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    const Handler& handler() const { return handler_; }

  private:
    std::string title_;
    UIAlertActionStyle style_ = UIAlertActionStyleDefault;
    Handler handler_;
    bool enabled_ = true;
};

// Where a sheet on a pad points from.
struct UIPopoverPresentation {
    std::weak_ptr<UIView> sourceView;
    std::optional<CGRect> sourceRect;  // in sourceView's coordinates; its bounds when not given
};

class UIAlertController : public UIViewController {
    FV_CLASS(UIAlertController, UIViewController)
    // alertControllerWithTitle:message:preferredStyle:
    static UIAlertControllerPtr alertControllerWithTitle(const std::optional<std::string>& title,
                                                         const std::optional<std::string>& message,
                                                         UIAlertControllerStyle style);
    UIAlertController() = default;

    std::optional<std::string> alertTitle() const { return title_; }
    std::optional<std::string> message() const { return message_; }
    void setMessage(const std::optional<std::string>& message) { message_ = message; }
    UIAlertControllerStyle preferredStyle() const { return style_; }

    // Actions keep the order they were added in.
    void addAction(const UIAlertActionPtr& action);
    const std::vector<UIAlertActionPtr>& actions() const { return actions_; }
    std::vector<std::string> actionTitles() const;

    UIPopoverPresentation& popoverPresentationController() { return popover_; }

    // What a tap on the action's row does: dismisses (animated), then runs the handler. Ignored for a
    // disabled action, an action of another controller, or while not presented.
    bool chooseAction(const UIAlertActionPtr& action);
    // The first enabled action with that title; false when there is none.
    bool chooseActionWithTitle(const std::string& title);

    // The card's frame in the window once the view is loaded; the action rows' frames in the card.
    CGRect cardFrame() const { return cardFrame_; }
    const std::vector<CGRect>& actionRowFrames() const { return rowFrames_; }

    void loadView() override;
    void viewWillAppear(bool animated) override;

  private:
    void layoutCard();

    std::optional<std::string> title_;
    std::optional<std::string> message_;
    UIAlertControllerStyle style_ = UIAlertControllerStyleAlert;
    std::vector<UIAlertActionPtr> actions_;
    UIPopoverPresentation popover_;
    UIViewPtr card_;
    CGRect cardFrame_ = CGRectZero;
    std::vector<CGRect> rowFrames_;
    bool choosing_ = false;
};

}  // namespace fv
