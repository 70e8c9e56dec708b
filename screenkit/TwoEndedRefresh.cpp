#include "screenkit/TwoEndedRefresh.h"

namespace fv {

TwoEndedRefreshPtr TwoEndedRefresh::attach(CGFloat height, const UITableViewPtr& table,
                                           const NSObjectPtr& owner, FirstSettle settle) {
    auto refresh = std::make_shared<TwoEndedRefresh>();
    refresh->owner_ = owner;
    refresh->top_ = PullToRefreshManager::create(height, table, refresh);
    refresh->bottom_ = BottomPullToRefreshManager::create(height, table, refresh);
    refresh->bottom_->relocatePullToRefreshView();
    refresh->bottom_->tableViewScrolled();
    if (settle == FirstSettle::AroundTableReload && table) table->reloadData();
    refresh->bottom_->tableViewReloadFinished();
    return refresh;
}

void TwoEndedRefresh::layout() {
    bottom_->relocatePullToRefreshView();
}

void TwoEndedRefresh::scrolled() {
    bottom_->relocatePullToRefreshView();
    bottom_->tableViewScrolled();
    top_->tableViewScrolled();
}

void TwoEndedRefresh::released() {
    bottom_->relocatePullToRefreshView();
    bottom_->tableViewReleased();
    top_->tableViewReleased();
    bottom_->relocatePullToRefreshView();
}

void TwoEndedRefresh::reloadFinished() {
    bottom_->relocatePullToRefreshView();
    bottom_->tableViewReloadFinished();
    top_->tableViewReloadFinishedAnimated(true);
    bottom_->relocatePullToRefreshView();
}

void TwoEndedRefresh::pullToRefreshTriggered(PullToRefreshManager&) {
    loadOnNextTurn();
}

void TwoEndedRefresh::bottomPullToRefreshTriggered(BottomPullToRefreshManager&) {
    loadOnNextTurn();
}

// Scheduled rather than called, so the manager finishes its release before the finish arrives.
void TwoEndedRefresh::loadOnNextTurn() {
    if (auto owner = owner_.lock()) owner->performSelector("loadMoreRows", nullptr, 0.0);
}

}  // namespace fv
