#include "screenkit/TwoEndedRefresh.h"

#include "platform/foundation/RunLoop.h"

namespace fv {

TwoEndedRefreshPtr TwoEndedRefresh::attach(CGFloat height, const UITableViewPtr& table, FirstSettle settle) {
    auto refresh = std::make_shared<TwoEndedRefresh>();
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
    finishOnNextTurn();
}

void TwoEndedRefresh::bottomPullToRefreshTriggered(BottomPullToRefreshManager&) {
    finishOnNextTurn();
}

// The loading state shows for one turn of the run loop, as a reload that fetched nothing.
void TwoEndedRefresh::finishOnNextTurn() {
    RunLoop::main().postAfter(0, [self = shared_from_this()] { self->reloadFinished(); });
}

}  // namespace fv
