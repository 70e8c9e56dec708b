#pragma once
// The shared modal pop-up presenter: shows a content view, keeping its size, inside a container 17
// points larger on every side, centred in a full-screen window of its own over a backdrop. It keeps
// the options last set on it, so a caller sets every option it needs before showing.
#include <functional>
#include <memory>

#include "platform/graphics/UIColor.h"
#include "platform/ui/UIView.h"
#include "platform/ui/UIWindow.h"

namespace fv {

enum ModalPopupCloseButtonType : int {
    ModalPopupCloseButtonTypeNone = 0,
    ModalPopupCloseButtonTypeLeft = 1,
    ModalPopupCloseButtonTypeRight = 2,
};

enum ModalPopupBackgroundDisplayStyle : int {
    ModalPopupBackgroundDisplayStyleGradient = 0,
    ModalPopupBackgroundDisplayStyleSolid = 1,
};

class ModalPopup {
  public:
    static constexpr CGFloat kContainerInset = 17;
    static constexpr double kAnimationDuration = 0.25;

    // Made on first use with the defaults: close button at the left, a tap outside dismisses, the
    // container black at 50 %, the gradient backdrop.
    static std::shared_ptr<ModalPopup> sharedInstance();

    void setCloseButtonType(int type);          // 0 none, 1 left, 2 right; other values are ignored
    void setBackgroundDisplayStyle(int style);  // 0 radial gradient, 1 solid; other values are ignored
    void setModalBackgroundColor(UIColorPtr color);
    void setTapOutsideToDismiss(bool dismiss);
    ModalPopupCloseButtonType closeButtonType() const { return closeButtonType_; }
    ModalPopupBackgroundDisplayStyle backgroundDisplayStyle() const { return backgroundDisplayStyle_; }
    UIColorPtr modalBackgroundColor() const { return modalBackgroundColor_; }
    bool tapOutsideToDismiss() const { return tapOutsideToDismiss_; }

    // Shows the view, animated. A pop-up already up is replaced at once.
    void showWithContentView(const UIViewPtr& contentView);
    // Hides the pop-up, animated, and removes its window; harmless when none is shown.
    void hide();
    // Animated: hides, then runs `completion` on the main run loop once the hide has finished.
    // Not animated: removes the pop-up at once and does not run `completion`.
    void hideAnimated(bool animated, std::function<void()> completion);

    // ---- for tests and snapshots ----
    bool isVisible() const;
    UIWindowPtr window() const { return window_.lock(); }
    // The backdrop (full-screen), the container around the content, and the close button, while up.
    UIViewPtr backdropView() const;
    UIViewPtr containerView() const;
    UIViewPtr closeButton() const;

    ModalPopup() = default;

  private:
    void backdropTapped();
    void removeNow();

    ModalPopupCloseButtonType closeButtonType_ = ModalPopupCloseButtonTypeLeft;
    ModalPopupBackgroundDisplayStyle backgroundDisplayStyle_ = ModalPopupBackgroundDisplayStyleGradient;
    UIColorPtr modalBackgroundColor_ = UIColor::colorWithWhite(0, 0.5);
    bool tapOutsideToDismiss_ = true;

    std::weak_ptr<UIWindow> window_;  // the application retains it while shown
    std::weak_ptr<UIView> backdrop_, container_, closeButton_, content_;
    bool hiding_ = false;
};

}  // namespace fv
