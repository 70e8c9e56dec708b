#include "controls/PullToRefreshManager.h"

#include <limits>

#include "platform/foundation/RunLoop.h"

namespace fv {

FV_REGISTER_CLASS(PullToRefreshManager);

PullToRefreshManager::PullToRefreshManager() = default;
PullToRefreshManager::~PullToRefreshManager() = default;

PullToRefreshManagerPtr PullToRefreshManager::create(
    CGFloat height, const UITableViewPtr& table, const std::shared_ptr<PullToRefreshManagerClient>& client) {
    auto manager = std::make_shared<PullToRefreshManager>();
    manager->client_ = client;
    manager->table_ = table;
    const CGFloat width = table ? table->frame().size.width : 0;
    manager->pullToRefreshView_ = PullToRefreshView::create(CGRectMake(0, -height, width, height));
    if (table) table->addSubview(manager->pullToRefreshView_);
    return manager;
}

void PullToRefreshManager::tableViewScrolled() {
    auto table = table_.lock();
    if (!table || pullToRefreshView_->isHidden() || pullToRefreshView_->isLoading()) return;
    const CGFloat y = table->contentOffset().y;
    const CGFloat h = pullToRefreshView_->fixedHeight();
    std::int32_t state = y >= 0    ? PullToRefreshViewStateIdle
                         : y >= -h ? PullToRefreshViewStatePulling
                                   : PullToRefreshViewStateRelease;
    pullToRefreshView_->changeStateOfControl(state, y);
}

void PullToRefreshManager::tableViewReleased() {
    auto table = table_.lock();
    if (!table || pullToRefreshView_->isHidden() || pullToRefreshView_->isLoading()) return;
    const CGFloat y = table->contentOffset().y;
    const CGFloat h = pullToRefreshView_->fixedHeight();
    if (!(y <= 0 && y < -h)) return;
    pullToRefreshView_->changeStateOfControl(PullToRefreshViewStateLoading, y);
    std::weak_ptr<UITableView> weakTable = table;
    UIView::animateWithDuration(kAnimationDuration, [weakTable, h] {
        if (auto t = weakTable.lock()) t->setContentInset(UIEdgeInsetsMake(h, 0, 0, 0));
    });
    if (auto client = client_.lock()) client->pullToRefreshTriggered(*this);
}

void PullToRefreshManager::tableViewReloadFinishedAnimated(bool animated) {
    auto table = table_.lock();
    if (!table) return;
    std::weak_ptr<UITableView> weakTable = table;
    auto view = pullToRefreshView_;
    UIView::animateWithDuration(
        animated ? kAnimationDuration : 0,
        [weakTable] {
            if (auto t = weakTable.lock()) t->setContentInset(UIEdgeInsetsMake(0, 0, 0, 0));
        },
        [view](bool) {
            view->setLastUpdateDate(Date{RunLoop::main().wallTime()});
            view->changeStateOfControl(PullToRefreshViewStateIdle, std::numeric_limits<CGFloat>::max());
        });
}

void PullToRefreshManager::setPullToRefreshViewVisible(bool visible) {
    pullToRefreshView_->setHidden(!visible);
}

}  // namespace fv
