#include "controls/BottomPullToRefreshManager.h"

#include <limits>

namespace fv {

FV_REGISTER_CLASS(BottomPullToRefreshManager);

BottomPullToRefreshManager::BottomPullToRefreshManager() = default;
BottomPullToRefreshManager::~BottomPullToRefreshManager() = default;

BottomPullToRefreshManagerPtr BottomPullToRefreshManager::create(
    CGFloat height, const UITableViewPtr& table,
    const std::shared_ptr<BottomPullToRefreshManagerClient>& client) {
    auto manager = std::make_shared<BottomPullToRefreshManager>();
    manager->client_ = client;
    manager->table_ = table;
    const CGFloat width = table ? table->frame().size.width : 0;
    manager->pullToRefreshView_ = BottomPullToRefreshView::create(CGRectMake(0, 0, width, height));
    return manager;
}

CGFloat BottomPullToRefreshManager::tableScrollOffset() const {
    auto table = table_.lock();
    if (!table) return 0;
    const CGFloat s = table->contentSize().height;
    const CGFloat f = table->frame().size.height;
    const CGFloat y = table->contentOffset().y;
    return s < f ? -y : s - y - f;
}

void BottomPullToRefreshManager::relocatePullToRefreshView() {
    auto table = table_.lock();
    if (!table) return;
    const CGFloat s = table->contentSize().height;
    const CGFloat f = table->frame().size.height;
    CGRect frame = pullToRefreshView_->frame();
    frame.origin.y = s >= f ? s : f;
    pullToRefreshView_->setFrame(frame);
    table->addSubview(pullToRefreshView_);
}

void BottomPullToRefreshManager::tableViewScrolled() {
    if (table_.expired() || pullToRefreshView_->isHidden() || pullToRefreshView_->isLoading()) return;
    const CGFloat d = tableScrollOffset();
    const CGFloat h = pullToRefreshView_->fixedHeight();
    std::int32_t state = d >= 0    ? BottomPullToRefreshViewStateIdle
                         : d >= -h ? BottomPullToRefreshViewStatePulling
                                   : BottomPullToRefreshViewStateRelease;
    pullToRefreshView_->changeStateOfControl(state, d);
}

void BottomPullToRefreshManager::tableViewReleased() {
    if (table_.expired() || pullToRefreshView_->isHidden() || pullToRefreshView_->isLoading()) return;
    const CGFloat d = tableScrollOffset();
    const CGFloat h = pullToRefreshView_->fixedHeight();
    if (!(d <= 0 && d < -h)) return;

    const auto finishedBefore = finishedReloads_;
    // The client may let go of this manager while it is told; the rest of the release still reads it.
    const auto keepAlive = weak_from_this().lock();
    if (auto client = client_.lock()) client->bottomPullToRefreshTriggered(*this);
    // A client that finished while being told has nothing left to load: entering loading now would
    // leave the list held open with a spinner that nothing stops.
    if (finishedReloads_ != finishedBefore || table_.expired()) return;

    pullToRefreshView_->changeStateOfControl(BottomPullToRefreshViewStateLoading, d);
    std::weak_ptr<UITableView> weakTable = table_;
    UIView::animateWithDuration(kAnimationDuration, [weakTable, h] {
        auto table = weakTable.lock();
        if (!table) return;
        const CGFloat s = table->contentSize().height;
        const CGFloat f = table->frame().size.height;
        table->setContentInset(s >= f ? UIEdgeInsetsMake(0, 0, h, 0) : UIEdgeInsetsMake(-h, 0, 0, 0));
    });
}

void BottomPullToRefreshManager::tableViewReloadFinished() {
    auto table = table_.lock();
    if (!table) return;
    ++finishedReloads_;
    table->setContentInset(UIEdgeInsetsMake(0, 0, 0, 0));
    relocatePullToRefreshView();
    pullToRefreshView_->changeStateOfControl(BottomPullToRefreshViewStateIdle,
                                             std::numeric_limits<CGFloat>::max());
}

void BottomPullToRefreshManager::setPullToRefreshViewVisible(bool visible) {
    pullToRefreshView_->setHidden(!visible);
}

}  // namespace fv
