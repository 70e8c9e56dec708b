#pragma once
// The header above a list's first row that the top pull-to-refresh control shows: an arrow that turns
// with the pull, a spinner while loading, the time of the last update and an instruction. It sits at
// rest just above the content and stretches over the gap the user pulls open. Main thread only.
#include <cstdint>
#include <memory>

#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/Value.h"
#include "platform/ui/UIActivityIndicatorView.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIView.h"

namespace fv {

class PullToRefreshView;
using PullToRefreshViewPtr = std::shared_ptr<PullToRefreshView>;

enum PullToRefreshViewState : std::int32_t {
    PullToRefreshViewStateIdle = 0,
    PullToRefreshViewStatePulling = 1,
    PullToRefreshViewStateRelease = 2,
    PullToRefreshViewStateLoading = 3,
};

class PullToRefreshView : public UIView {
    FV_CLASS(PullToRefreshView, UIView)
    static constexpr const char* kStringsTable = "PullToRefresh";
    static constexpr const char* kIconImageName = "PullToRefreshIcon.png";

    // initWithFrame: builds the icon, spinner and labels and enters the idle state.
    static PullToRefreshViewPtr create(CGRect frame);
    PullToRefreshView();
    ~PullToRefreshView() override;

    bool rotateIconWhileBecomingVisible() const { return rotateIconWhileBecomingVisible_; }
    void setRotateIconWhileBecomingVisible(bool on) { rotateIconWhileBecomingVisible_ = on; }
    std::int32_t state() const { return state_; }
    const UIViewPtr& containerView() const { return containerView_; }
    Date lastUpdateDate() const { return lastUpdateDate_; }
    void setLastUpdateDate(Date date) { lastUpdateDate_ = date; }
    const UIImageViewPtr& iconImageView() const { return iconImageView_; }
    CGFloat fixedHeight() const { return fixedHeight_; }
    const UIActivityIndicatorViewPtr& loadingActivityIndicator() const { return loadingActivityIndicator_; }
    const UILabelPtr& topLabel() const { return topLabel_; }
    const UILabelPtr& bottomLabel() const { return bottomLabel_; }
    // None until the first idle state needs it.
    const std::unique_ptr<NSDateFormatter>& dateFormatter() const { return dateFormatter_; }
    // While the spinner runs; the manager ignores scrolling and release then.
    bool isLoading() const { return loadingActivityIndicator_->isAnimating(); }

    // changeStateOfControl:withOffset: `offset` is the table's vertical content offset.
    void changeStateOfControl(std::int32_t state, CGFloat offset);
    // Sizes the labels to their texts and keeps the group of icon and labels centred.
    void layoutSubviews() override;

  private:
    void build(CGRect frame);
    void showLastUpdateDate();

    bool rotateIconWhileBecomingVisible_ = true;
    std::int32_t state_ = PullToRefreshViewStateIdle;
    UIViewPtr containerView_;
    Date lastUpdateDate_;
    UIImageViewPtr iconImageView_;
    CGFloat fixedHeight_ = 0;
    UIActivityIndicatorViewPtr loadingActivityIndicator_;
    UILabelPtr topLabel_;
    UILabelPtr bottomLabel_;
    std::unique_ptr<NSDateFormatter> dateFormatter_;
};

}  // namespace fv
