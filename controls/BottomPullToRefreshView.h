#pragma once
// The footer below a list's last row that the bottom pull-to-refresh control shows: an arrow that
// turns with the pull, a spinner while loading and an instruction. It keeps its top edge and grows
// downwards over the gap the user pulls open. Main thread only.
#include <cstdint>
#include <memory>

#include "controls/PullToRefreshViewBase.h"

namespace fv {

class BottomPullToRefreshView;
using BottomPullToRefreshViewPtr = std::shared_ptr<BottomPullToRefreshView>;

enum BottomPullToRefreshViewState : std::int32_t {
    BottomPullToRefreshViewStateIdle = PullToRefreshViewBase::kIdle,
    BottomPullToRefreshViewStatePulling = PullToRefreshViewBase::kPulling,
    BottomPullToRefreshViewStateRelease = PullToRefreshViewBase::kRelease,
    BottomPullToRefreshViewStateLoading = PullToRefreshViewBase::kLoading,
};

class BottomPullToRefreshView : public PullToRefreshViewBase {
    FV_CLASS(BottomPullToRefreshView, PullToRefreshViewBase)
    static constexpr const char* kStringsTable = "BottomPullToRefresh";
    static constexpr const char* kArrowImageName = "BottomPullToRefreshArrow.png";
    static constexpr CGFloat kIconX = 30;

    // initWithFrame: builds the icon, spinner and label and enters the idle state.
    static BottomPullToRefreshViewPtr create(CGRect frame);
    BottomPullToRefreshView();
    ~BottomPullToRefreshView() override;

    const UILabelPtr& messageLabel() const { return messageLabel_; }

    // changeStateOfControl:offset: `offset` is the bottom offset, negative when pulled beyond the end.
    void changeStateOfControl(std::int32_t state, CGFloat offset);
    // Sizes the label to its text; the container ends where the label does.
    void layoutSubviews() override;

  private:
    void build(CGRect frame);

    UILabelPtr messageLabel_;
};

}  // namespace fv
