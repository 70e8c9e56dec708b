#pragma once
// The footer below a list's last row that the bottom pull-to-refresh control shows: an arrow that
// turns with the pull, a spinner while loading and an instruction. It keeps its top edge and grows
// downwards over the gap the user pulls open. Main thread only.
#include <cstdint>
#include <memory>

#include "platform/ui/UIActivityIndicatorView.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIView.h"

namespace fv {

class BottomPullToRefreshView;
using BottomPullToRefreshViewPtr = std::shared_ptr<BottomPullToRefreshView>;

enum BottomPullToRefreshViewState : std::int32_t {
    BottomPullToRefreshViewStateIdle = 0,
    BottomPullToRefreshViewStatePulling = 1,
    BottomPullToRefreshViewStateRelease = 2,
    BottomPullToRefreshViewStateLoading = 3,
};

class BottomPullToRefreshView : public UIView {
    FV_CLASS(BottomPullToRefreshView, UIView)
    static constexpr const char* kStringsTable = "BottomPullToRefresh";
    static constexpr const char* kArrowImageName = "BottomPullToRefreshArrow.png";
    static constexpr CGFloat kIconX = 30;

    // initWithFrame: builds the icon, spinner and label and enters the idle state.
    static BottomPullToRefreshViewPtr create(CGRect frame);
    BottomPullToRefreshView();
    ~BottomPullToRefreshView() override;

    bool rotateIconWhileBecomingVisible() const { return rotateIconWhileBecomingVisible_; }
    void setRotateIconWhileBecomingVisible(bool on) { rotateIconWhileBecomingVisible_ = on; }
    std::int32_t state() const { return state_; }
    const UIViewPtr& containerView() const { return containerView_; }
    const UIImageViewPtr& iconImageView() const { return iconImageView_; }
    const UIActivityIndicatorViewPtr& loadingActivityIndicator() const { return loadingActivityIndicator_; }
    const UILabelPtr& messageLabel() const { return messageLabel_; }
    CGFloat fixedHeight() const { return fixedHeight_; }
    // While the spinner runs; the manager ignores scrolling and release then.
    bool isLoading() const { return loadingActivityIndicator_->isAnimating(); }

    // changeStateOfControl:offset: `offset` is the bottom offset, negative when pulled beyond the end.
    void changeStateOfControl(std::int32_t state, CGFloat offset);
    // Sizes the label to its text; the container ends where the label does.
    void layoutSubviews() override;

  private:
    void build(CGRect frame);

    bool rotateIconWhileBecomingVisible_ = true;
    std::int32_t state_ = BottomPullToRefreshViewStateIdle;
    UIViewPtr containerView_;
    UIImageViewPtr iconImageView_;
    UIActivityIndicatorViewPtr loadingActivityIndicator_;
    UILabelPtr messageLabel_;
    CGFloat fixedHeight_ = 0;
};

}  // namespace fv
