#pragma once
// The screen that owns a list with a top pull-to-refresh control. It is the table's scroll delegate
// and forwards scrollViewDidScroll to `tableViewScrolled` and scrollViewDidEndDragging to
// `tableViewReleased`; after each trigger it reloads and answers `tableViewReloadFinishedAnimated`.

namespace fv {

class PullToRefreshManager;

class PullToRefreshManagerClient {
  public:
    virtual ~PullToRefreshManagerClient() = default;
    // The user pulled the list down past the threshold and let go.
    virtual void pullToRefreshTriggered(PullToRefreshManager& manager) = 0;
};

}  // namespace fv
