#pragma once
// Pull-to-refresh at both ends of a list that has nothing new to fetch: the top and bottom managers
// made together and fed the table's scroll events in one order. When either end is let go past its
// control, the owning screen's action "loadMoreRows" is scheduled for the next run-loop turn; the
// screen answers it with reloadFinished, which closes both. The screen stays the table's scroll
// delegate and forwards its events; it owns this object, which the managers hold only weakly as their
// client. Main thread only.
#include <memory>

#include "controls/BottomPullToRefreshManager.h"
#include "controls/PullToRefreshManager.h"

namespace fv {

class TwoEndedRefresh : public PullToRefreshManagerClient,
                        public BottomPullToRefreshManagerClient,
                        public std::enable_shared_from_this<TwoEndedRefresh> {
  public:
    // How the bottom control first settles: straight away, or around a reload of the table.
    enum class FirstSettle { Directly, AroundTableReload };

    // Both controls `height` high on `table`, the bottom one placed below the content and idle.
    // `owner` (held weakly) answers "loadMoreRows".
    static std::shared_ptr<TwoEndedRefresh> attach(CGFloat height, const UITableViewPtr& table,
                                                   const NSObjectPtr& owner,
                                                   FirstSettle settle = FirstSettle::Directly);

    const PullToRefreshManagerPtr& top() const { return top_; }
    const BottomPullToRefreshManagerPtr& bottom() const { return bottom_; }

    // From viewDidLayoutSubviews: the content's height may have changed.
    void layout();
    // From scrollViewDidScroll.
    void scrolled();
    // From scrollViewDidEndDragging.
    void released();
    // Closes both controls: the bottom one at once, the top one animated.
    void reloadFinished();

    void pullToRefreshTriggered(PullToRefreshManager& manager) override;
    void bottomPullToRefreshTriggered(BottomPullToRefreshManager& manager) override;

  private:
    void loadOnNextTurn();

    std::weak_ptr<NSObject> owner_;
    PullToRefreshManagerPtr top_;
    BottomPullToRefreshManagerPtr bottom_;
};

using TwoEndedRefreshPtr = std::shared_ptr<TwoEndedRefresh>;

}  // namespace fv
