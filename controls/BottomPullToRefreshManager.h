#pragma once
// Gives a table a pull-to-refresh control below its last row: maps how far the list is pulled beyond
// its end to the footer's state, holds the footer in view while the client loads and closes it when
// told. Table and client are held weakly; with either gone the calls do nothing. Main thread only.
#include <cstdint>
#include <memory>

#include "controls/BottomPullToRefreshManagerClient.h"
#include "controls/BottomPullToRefreshView.h"
#include "platform/foundation/NSObject.h"
#include "platform/ui/UITableView.h"

namespace fv {

class BottomPullToRefreshManager;
using BottomPullToRefreshManagerPtr = std::shared_ptr<BottomPullToRefreshManager>;

class BottomPullToRefreshManager : public NSObject {
    FV_CLASS(BottomPullToRefreshManager, NSObject)
    static constexpr double kAnimationDuration = 0.2;

    // initWithPullToRefreshViewHeight:tableView:withClient: the footer is made as wide as the table
    // but joins it only with `relocatePullToRefreshView`.
    static BottomPullToRefreshManagerPtr create(
        CGFloat height, const UITableViewPtr& table,
        const std::shared_ptr<BottomPullToRefreshManagerClient>& client);
    BottomPullToRefreshManager();
    ~BottomPullToRefreshManager() override;

    const BottomPullToRefreshViewPtr& pullToRefreshView() const { return pullToRefreshView_; }
    UITableViewPtr table() const { return table_.lock(); }
    void setTable(const UITableViewPtr& table) { table_ = table; }
    std::shared_ptr<BottomPullToRefreshManagerClient> client() const { return client_.lock(); }
    void setClient(const std::shared_ptr<BottomPullToRefreshManagerClient>& client) { client_ = client; }

    // The gap between the end of the content and the table's bottom edge: 0 at rest at the end,
    // negative by the distance pulled beyond it. 0 without a table.
    CGFloat tableScrollOffset() const;
    // Puts the footer right below the content, or below the table's height when the content is
    // shorter, and (re)adds it to the table in front.
    void relocatePullToRefreshView();
    void tableViewScrolled();
    // Triggers the client when the list is let go strictly beyond the footer's height.
    void tableViewReleased();
    // Zeroes the whole content inset at once, relocates the footer and goes idle.
    void tableViewReloadFinished();
    // A hidden control ignores scrolling and release.
    void setPullToRefreshViewVisible(bool visible);

  private:
    BottomPullToRefreshViewPtr pullToRefreshView_;
    std::weak_ptr<UITableView> table_;
    std::weak_ptr<BottomPullToRefreshManagerClient> client_;
    // Counts finished reloads, so a release can tell that its client already finished while being told.
    std::uint64_t finishedReloads_ = 0;
};

}  // namespace fv
