#pragma once
// A list screen's part in both pull-to-refresh controls, for the tests: a plain table of rows that is
// its own scroll delegate, forwards to the managers and records what it is told.
#include <functional>
#include <memory>

#include "controls/BottomPullToRefreshManager.h"
#include "controls/PullToRefreshManager.h"
#include "platform/ui/UITableView.h"
#include "platform/ui/UITableViewCell.h"

namespace fv::test {

class RefreshingList : public NSObject,
                       public UITableViewDataSource,
                       public UITableViewDelegate,
                       public PullToRefreshManagerClient,
                       public BottomPullToRefreshManagerClient {
  public:
    long rows = 20;
    PullToRefreshManagerPtr top;
    BottomPullToRefreshManagerPtr bottom;
    int topTriggers = 0;
    int bottomTriggers = 0;
    // The footer's state as the bottom trigger saw it.
    std::int32_t bottomStateSeen = -1;
    std::function<void()> onTopTrigger;
    std::function<void()> onBottomTrigger;

    long tableViewNumberOfRowsInSection(UITableView&, long) override { return rows; }
    UITableViewCellPtr tableViewCellForRowAtIndexPath(UITableView& table, const NSIndexPath& path) override {
        auto cell = table.dequeueReusableCellWithIdentifier("row");
        if (!cell) cell = UITableViewCell::create(UITableViewCellStyleDefault, "row");
        cell->textLabel()->setText("Row " + std::to_string(path.row + 1));
        return cell;
    }
    std::optional<CGFloat> tableViewHeightForRowAtIndexPath(UITableView&, const NSIndexPath&) override {
        return 44;
    }

    void scrollViewDidScroll(UIScrollView&) override {
        if (top) top->tableViewScrolled();
        if (bottom) {
            bottom->relocatePullToRefreshView();
            bottom->tableViewScrolled();
        }
    }
    void scrollViewDidEndDragging(UIScrollView&, bool) override {
        if (top) top->tableViewReleased();
        if (bottom) {
            bottom->relocatePullToRefreshView();
            bottom->tableViewReleased();
            bottom->relocatePullToRefreshView();
        }
    }
    void pullToRefreshTriggered(PullToRefreshManager&) override {
        ++topTriggers;
        if (onTopTrigger) onTopTrigger();
    }
    void bottomPullToRefreshTriggered(BottomPullToRefreshManager& manager) override {
        ++bottomTriggers;
        bottomStateSeen = manager.pullToRefreshView()->state();
        if (onBottomTrigger) onBottomTrigger();
    }
};

}  // namespace fv::test
