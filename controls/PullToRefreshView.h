#pragma once
// The header above a list's first row that the top pull-to-refresh control shows: an arrow that turns
// with the pull, a spinner while loading, the time of the last update and an instruction. It sits at
// rest just above the content and stretches over the gap the user pulls open. Main thread only.
#include <cstdint>
#include <memory>

#include "controls/PullToRefreshViewBase.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/Value.h"

namespace fv {

class PullToRefreshView;
using PullToRefreshViewPtr = std::shared_ptr<PullToRefreshView>;

enum PullToRefreshViewState : std::int32_t {
    PullToRefreshViewStateIdle = PullToRefreshViewBase::kIdle,
    PullToRefreshViewStatePulling = PullToRefreshViewBase::kPulling,
    PullToRefreshViewStateRelease = PullToRefreshViewBase::kRelease,
    PullToRefreshViewStateLoading = PullToRefreshViewBase::kLoading,
};

class PullToRefreshView : public PullToRefreshViewBase {
    FV_CLASS(PullToRefreshView, PullToRefreshViewBase)
    static constexpr const char* kStringsTable = "PullToRefresh";
    static constexpr const char* kIconImageName = "PullToRefreshIcon.png";

    // initWithFrame: builds the icon, spinner and labels and enters the idle state.
    static PullToRefreshViewPtr create(CGRect frame);
    PullToRefreshView();
    ~PullToRefreshView() override;

    Date lastUpdateDate() const { return lastUpdateDate_; }
    void setLastUpdateDate(Date date) { lastUpdateDate_ = date; }
    const UILabelPtr& topLabel() const { return topLabel_; }
    const UILabelPtr& bottomLabel() const { return bottomLabel_; }
    // None until the first idle state needs it.
    const std::unique_ptr<NSDateFormatter>& dateFormatter() const { return dateFormatter_; }

    // changeStateOfControl:withOffset: `offset` is the table's vertical content offset.
    void changeStateOfControl(std::int32_t state, CGFloat offset);
    // Sizes the labels to their texts and keeps the group of icon and labels centred.
    void layoutSubviews() override;

  private:
    void build(CGRect frame);
    void showLastUpdateDate();

    Date lastUpdateDate_;
    UILabelPtr topLabel_;
    UILabelPtr bottomLabel_;
    std::unique_ptr<NSDateFormatter> dateFormatter_;
};

}  // namespace fv
