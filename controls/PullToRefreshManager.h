#pragma once
// Gives a table a pull-to-refresh control above its first row: maps the table's offset to the
// header's state, holds the list open while the client reloads and closes it when told. Table and
// client are held weakly; with either gone the calls do nothing. Main thread only.
#include <memory>

#include "controls/PullToRefreshManagerClient.h"
#include "controls/PullToRefreshView.h"
#include "platform/foundation/NSObject.h"
#include "platform/ui/UITableView.h"

namespace fv {

class PullToRefreshManager;
using PullToRefreshManagerPtr = std::shared_ptr<PullToRefreshManager>;

class PullToRefreshManager : public NSObject {
    FV_CLASS(PullToRefreshManager, NSObject)
    static constexpr double kAnimationDuration = 0.2;

    // initWithPullToRefreshViewHeight:tableView:withClient: the header is made as wide as the table
    // and added to it just above the content.
    static PullToRefreshManagerPtr create(CGFloat height, const UITableViewPtr& table,
                                          const std::shared_ptr<PullToRefreshManagerClient>& client);
    PullToRefreshManager();
    ~PullToRefreshManager() override;

    const PullToRefreshViewPtr& pullToRefreshView() const { return pullToRefreshView_; }
    UITableViewPtr table() const { return table_.lock(); }
    void setTable(const UITableViewPtr& table) { table_ = table; }
    std::shared_ptr<PullToRefreshManagerClient> client() const { return client_.lock(); }
    void setClient(const std::shared_ptr<PullToRefreshManagerClient>& client) { client_ = client; }

    void tableViewScrolled();
    // Triggers the client when the list is let go strictly beyond the header's height.
    void tableViewReleased();
    // Closes the list (over 0.2 s when animated), then records the update time and goes idle. The
    // whole content inset is replaced by zero.
    void tableViewReloadFinishedAnimated(bool animated);
    // A hidden control ignores scrolling and release.
    void setPullToRefreshViewVisible(bool visible);

  private:
    PullToRefreshViewPtr pullToRefreshView_;
    std::weak_ptr<UITableView> table_;
    std::weak_ptr<PullToRefreshManagerClient> client_;
};

}  // namespace fv
