#pragma once
// What the home screen of cards and the transaction history share: the table of the first card page's
// transactions under its day header, the amount coloured by debit or credit, and the transaction detail
// pop-up that slides up over a dimming view when a row is tapped and slides down when the dimming view
// (or a control wired to closeBtnTapped:) is tapped. A screen derives from this, loads the card pages
// while its view loads and calls setupDetailPopup once.
#include <memory>
#include <utility>

#include "cards/CardOverviewRecord.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UITableView.h"
#include "screenkit/BottomDetailPopupBase.h"

namespace fv {

class TransactionListBase : public BottomDetailPopupBase,
                            public UITableViewDataSource,
                            public UITableViewDelegate {
    FV_CLASS(TransactionListBase, BottomDetailPopupBase)
    using BottomDetailPopupBase::BottomDetailPopupBase;
    ~TransactionListBase() override;

    // The pop-up's bottom constraint while it is hidden below the screen's edge, and while shown.
    static constexpr CGFloat kPopupHiddenConstant = -230;
    static constexpr CGFloat kPopupShownConstant = 0;
    static constexpr double kPopupSlideDuration = 0.25;
    static constexpr double kDimmingDuration = 0.15;
    static constexpr CGFloat kDimmingAlpha = 0.7;
    static constexpr BottomDetailPopup kDetailPopup{kPopupHiddenConstant, kPopupShownConstant,
                                                    kPopupSlideDuration, kDimmingDuration, kDimmingAlpha};
    static constexpr CGFloat kHeaderHeight = 30;
    static constexpr CGFloat kRowHeight = 70;
    // The colour of a credit's amount; a debit's is the system red.
    static constexpr const char* kCreditColor = "42dc6a";

    // ---- table ----
    // The transactions of the card page whose index is the section; none without that page.
    long tableViewNumberOfRowsInSection(UITableView& tableView, long section) override;
    std::optional<CGFloat> tableViewHeightForHeaderInSection(UITableView& tableView, long section) override;
    std::optional<CGFloat> tableViewHeightForRowAtIndexPath(UITableView& tableView,
                                                            const NSIndexPath& indexPath) override;
    // The content view of a day header showing the page's "Date"; the header's interface file is
    // registered on the first miss.
    UIViewPtr tableViewViewForHeaderInSection(UITableView& tableView, long section) override;
    // A transaction row; keys the record lacks leave what a reused row showed.
    UITableViewCellPtr tableViewCellForRowAtIndexPath(UITableView& tableView,
                                                      const NSIndexPath& indexPath) override;
    // Deselects the row, fills the pop-up from its record and opens it.
    void tableViewDidSelectRowAtIndexPath(UITableView& tableView, const NSIndexPath& indexPath) override;

    // The card pages as read while the view loaded.
    const CardOverviewRecord& myCardTransactions() const { return myCardTransactions_; }

    FV_OUTLET(UITableView, tbl);
    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(UILabel, lbl_headerTitle);
    FV_OUTLET(UILabel, lbl_titleOne);
    FV_OUTLET(UILabel, lbl_TotalAmount);
    FV_OUTLET(UILabel, lbl_bottomView_description);
    FV_OUTLET(UILabel, lbl_bottomView_categoryName);
    FV_OUTLET(UIImageView, img_bottomView_categoryIcon);

  protected:
    // The pop-up at rest with this list's geometry, its colours, and the dimming view's tap that
    // closes it.
    void setupDetailPopup() { BottomDetailPopupBase::setupDetailPopup(kDetailPopup); }
    // Reads "sample.plist" of the framework bundle into myCardTransactions.
    void loadCardPages();
    void setMyCardTransactions(CardOverviewRecord pages) { myCardTransactions_ = std::move(pages); }
    // What a screen adds to the day header's date label.
    virtual void styleDayHeader(UILabel& date) { (void)date; }

  private:
    // Fills the pop-up from the record of the row and opens it.
    void fillPopup(long section, long row);

    CardOverviewRecord myCardTransactions_;
};

// The tint of a template image: `view`'s image is made a template so that `color` shows.
void tintImageView(UIImageView& view, const UIColorPtr& color);

}  // namespace fv
