#pragma once
// The screen that owns a list with a bottom pull-to-refresh control. It is the table's scroll
// delegate and forwards scrollViewDidScroll to `tableViewScrolled` and scrollViewDidEndDragging to
// `tableViewReleased`, relocating the footer whenever the content height may have changed; after each
// trigger it loads, reloads and answers `tableViewReloadFinished`.

namespace fv {

class BottomPullToRefreshManager;

class BottomPullToRefreshManagerClient {
  public:
    virtual ~BottomPullToRefreshManagerClient() = default;
    // The user pulled the list up past its end by more than the footer's height and let go.
    virtual void bottomPullToRefreshTriggered(BottomPullToRefreshManager& manager) = 0;
};

}  // namespace fv
