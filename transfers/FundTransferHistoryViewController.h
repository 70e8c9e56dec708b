#pragma once
// The transfer history: a header, a three-segment type filter (all, card to card, card to bank) and a
// table with one section per day and one row per transfer. A row tap slides a detail pop-up up over
// a dimmed screen; the dim area or the pop-up's close control slides it away. Pulling the table at
// its top or bottom shows the loading state for one run-loop turn and changes nothing. The data and
// the filter are transfers/TransferHistoryData.
#include <memory>

#include "platform/foundation/Bundle.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UISegmentedControl.h"
#include "platform/ui/UITableView.h"
#include "screenkit/BottomDetailPopupBase.h"
#include "screenkit/TwoEndedRefresh.h"
#include "transfers/TransferHistoryData.h"

namespace fv {

class FundTransferHistoryViewController : public BottomDetailPopupBase,
                                          public UITableViewDataSource,
                                          public UITableViewDelegate {
    FV_CLASS(FundTransferHistoryViewController, BottomDetailPopupBase)
    static void registerMembers(ClassBuilder<FundTransferHistoryViewController>& b);
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using BottomDetailPopupBase::BottomDetailPopupBase;
    ~FundTransferHistoryViewController() override;

    static constexpr CGFloat kHeaderHeight = 30;
    static constexpr CGFloat kPullViewHeight = 60;
    // The pop-up's bottom constraint: out of sight below the screen, and in place.
    static constexpr CGFloat kDetailClosed = -270;
    static constexpr CGFloat kDetailOpen = 0;
    static constexpr CGFloat kDimAlpha = 0.7;
    static constexpr BottomDetailPopup kDetailPopup{kDetailClosed, kDetailOpen, 0.25, 0.15, kDimAlpha};

    void viewDidLoad() override;
    void viewDidLayoutSubviews() override;
    // Once: filter, pop-up, header and pull controls, then the history loaded and shown.
    void setDefaultSelection();

    // ---- filter (TransferHistoryData) ----
    void typesSegmentChanged(UISegmentedControl* sender);
    void filterTransactionByTypeWithType(const std::string& type);
    const Value& transferHistotyTransactions() const { return history_.transferHistotyTransactions(); }
    const Value& filteredTransferHistotyTransactions() const {
        return history_.filteredTransferHistotyTransactions();
    }
    // The lists and the filter behind the table, for a host or test that gives other days.
    TransferHistoryData& history() { return history_; }

    // ---- table ----
    long numberOfSectionsInTableView(UITableView& tableView) override;
    long tableViewNumberOfRowsInSection(UITableView& tableView, long section) override;
    std::optional<CGFloat> tableViewHeightForHeaderInSection(UITableView& tableView, long section) override;
    // The day's caption on a SectionTableViewCell's content view; a section past the shown days (the
    // one section of an empty history) gets the header without a caption.
    UIViewPtr tableViewViewForHeaderInSection(UITableView& tableView, long section) override;
    std::optional<CGFloat> tableViewHeightForRowAtIndexPath(UITableView& tableView,
                                                            const NSIndexPath& indexPath) override;
    UITableViewCellPtr tableViewCellForRowAtIndexPath(UITableView& tableView,
                                                      const NSIndexPath& indexPath) override;
    // Fills the pop-up from the tapped record of the shown list and opens it.
    void tableViewDidSelectRowAtIndexPath(UITableView& tableView, const NSIndexPath& indexPath) override;

    // Only dismisses any keyboard.
    void sideMenuTapped(NSObject* sender);

    // ---- pull-to-refresh ----
    // Tells both controls the (empty) reload has finished.
    void loadMoreRows();
    void scrollViewDidScroll(UIScrollView& scrollView) override;
    void scrollViewDidEndDragging(UIScrollView& scrollView, bool decelerate) override;
    // None before the view has loaded.
    PullToRefreshManagerPtr pullToRefreshManager() const { return refresh_ ? refresh_->top() : nullptr; }
    BottomPullToRefreshManagerPtr pullToBottomRefreshManager() const {
        return refresh_ ? refresh_->bottom() : nullptr;
    }

    FV_OUTLET(UILabel, lbl_headerTitle);
    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(UITableView, tbl);
    FV_OUTLET(UILabel, lbl_bottomView_status);
    FV_OUTLET(UILabel, lbl_bottomView_from);
    FV_OUTLET(UILabel, lbl_bottomView_to);
    FV_OUTLET(UILabel, lbl_bottomView_referenceID);
    FV_OUTLET(UISegmentedControl, typesSegmentCtrl);

  private:
    TransferHistoryData history_;
    TwoEndedRefreshPtr refresh_;
};

}  // namespace fv
