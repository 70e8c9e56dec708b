#pragma once
// What the top and bottom pull-to-refresh views share: a clear view holding a container with the
// arrow and, in its place, the spinner; the height the view has at rest; and how the arrow and the
// spinner show each state. Each view adds its labels, their texts and how its frame follows the pull.
// Main thread only.
#include <cstdint>

#include "platform/ui/UIActivityIndicatorView.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIView.h"

namespace fv {

class PullToRefreshViewBase : public UIView {
    FV_CLASS(PullToRefreshViewBase, UIView)
    // The states both views go through; each view names them in its own enumeration.
    static constexpr std::int32_t kIdle = 0;
    static constexpr std::int32_t kPulling = 1;
    static constexpr std::int32_t kRelease = 2;
    static constexpr std::int32_t kLoading = 3;

    PullToRefreshViewBase();
    ~PullToRefreshViewBase() override;

    bool rotateIconWhileBecomingVisible() const { return rotateIconWhileBecomingVisible_; }
    void setRotateIconWhileBecomingVisible(bool on) { rotateIconWhileBecomingVisible_ = on; }
    std::int32_t state() const { return state_; }
    const UIViewPtr& containerView() const { return containerView_; }
    const UIImageViewPtr& iconImageView() const { return iconImageView_; }
    const UIActivityIndicatorViewPtr& loadingActivityIndicator() const { return loadingActivityIndicator_; }
    CGFloat fixedHeight() const { return fixedHeight_; }
    // While the spinner runs; the manager ignores scrolling and release then.
    bool isLoading() const { return loadingActivityIndicator_->isAnimating(); }

  protected:
    struct Parts {
        // The container's edge that gives way as the view stretches.
        UIViewAutoresizing containerMargin;
        const char* iconImageName;
        CGFloat iconX;
        UIActivityIndicatorViewStyle spinnerStyle;
    };

    // The view at `frame`, its container, the arrow centred on the height and the spinner on it.
    void buildParts(CGRect frame, const Parts& parts);
    // Records `state` and turns, shows or hides the arrow and the spinner for it. While pulling the
    // arrow turns with the finger, measured against the height the view has now (it may still be
    // stretched); call it before the frame changes.
    void showIconState(std::int32_t state, CGFloat offset);
    // Makes `label` as wide as its text.
    static void fitWidthToText(UILabel& label);

  private:
    bool rotateIconWhileBecomingVisible_ = true;
    std::int32_t state_ = kIdle;
    UIViewPtr containerView_;
    UIImageViewPtr iconImageView_;
    UIActivityIndicatorViewPtr loadingActivityIndicator_;
    CGFloat fixedHeight_ = 0;
};

}  // namespace fv
