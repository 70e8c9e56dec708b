#pragma once
// The home screen of cards: the demonstration cards in a snapping carousel with a page control, the
// available balance, and under it the selected card's wallets (a wallet page) or the recent
// transactions (the first card page's day, whichever card is selected) with a footer leading to the
// full history. Scrolling the table down collapses the card header; back at the top it expands again.
// A tap on the balance or the footer's button opens the history; a row opens the detail pop-up.
#include <memory>

#include "cards/MyCardsViewModel.h"
#include "cards/TransactionListBase.h"
#include "controls/PullToRefreshManager.h"
#include "platform/kits/BarPageControl.h"
#include "platform/ui/UICollectionView.h"
#include "platform/ui/UICollectionViewFlowLayout.h"
#include "platform/ui/UITapGestureRecognizer.h"
#include "screenkit/CustomButton.h"

namespace fv {

class MyCardsViewController : public TransactionListBase,
                              public MyCardsViewModelDelegate,
                              public UICollectionViewDataSource,
                              public UICollectionViewDelegateFlowLayout,
                              public PullToRefreshManagerClient {
    FV_CLASS(MyCardsViewController, TransactionListBase)
    static void registerMembers(ClassBuilder<MyCardsViewController>& b);
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using TransactionListBase::TransactionListBase;
    ~MyCardsViewController() override;

    static constexpr CGFloat kRefreshViewHeight = 60;
    static constexpr CGFloat kExpandedHeaderHeight = 250;
    // How far the table scrolls before the header collapses, and the footer's distance from the end.
    static constexpr CGFloat kCollapseOffset = 50;
    static constexpr CGFloat kFooterThreshold = 50;
    static constexpr double kHeaderAnimation = 0.5;
    static constexpr double kFooterFadeIn = 0.5;
    static constexpr double kFooterFadeOut = 0.2;
    // Each half of the cross-fade between the wallet strip and the table.
    static constexpr double kSwitchFade = 0.2;
    static constexpr CGFloat kWalletHeight = 100;
    static constexpr CGFloat kFooterHeight = 60;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidLayoutSubviews() override;
    // Makes the view model once.
    void initialzieViewModel();
    void setDefaultSelection();

    // The wallet strip or the table for card `page`: at once, or cross-faded after a snap.
    void detectInitialView(long page);
    void detectWalletOrTrasactionView(long page);
    // Registers the wallet cell for `count` wallets and reloads the strip.
    void reFormatCollectionViewForWallet(long count);

    // Open the transaction history.
    void tapGesture(UITapGestureRecognizer* sender);
    void showMoreTransactionTapped(NSObject* sender);
    // Only ends editing; there is no side menu.
    void sideMenuTapped(NSObject* sender);

    void pullToRefreshTriggered(PullToRefreshManager& manager) override;
    void loadMoreRows();

    // ---- the carousel and the wallet strip ----
    long numberOfSectionsInCollectionView(UICollectionView& collectionView) override;
    long collectionViewNumberOfItemsInSection(UICollectionView& collectionView, long section) override;
    UICollectionViewCellPtr collectionViewCellForItemAtIndexPath(UICollectionView& collectionView,
                                                                 const NSIndexPath& indexPath) override;
    std::optional<CGSize> collectionViewLayoutSizeForItemAtIndexPath(UICollectionView& collectionView,
                                                                     UICollectionViewLayout& layout,
                                                                     const NSIndexPath& indexPath) override;
    std::optional<UIEdgeInsets> collectionViewLayoutInsetForSectionAtIndex(UICollectionView& collectionView,
                                                                           UICollectionViewLayout& layout,
                                                                           long section) override;
    std::optional<CGFloat> collectionViewLayoutMinimumLineSpacingForSectionAtIndex(
        UICollectionView& collectionView, UICollectionViewLayout& layout, long section) override;
    void collectionViewDidSelectItemAtIndexPath(UICollectionView& collectionView,
                                                const NSIndexPath& indexPath) override;

    // ---- scrolling, for all three lists ----
    void scrollViewWillBeginDragging(UIScrollView& scrollView) override;
    void scrollViewDidScroll(UIScrollView& scrollView) override;
    void scrollViewDidEndDragging(UIScrollView& scrollView, bool decelerate) override;
    // Snaps the carousel to a card and shows that card's wallets or the table.
    void scrollViewWillEndDragging(UIScrollView& scrollView, CGPoint velocity,
                                   CGPoint* targetContentOffset) override;

    // ---- the table's one section and its footer ----
    long numberOfSectionsInTableView(UITableView& tableView) override;
    std::optional<CGFloat> tableViewHeightForFooterInSection(UITableView& tableView, long section) override;
    UIViewPtr tableViewViewForFooterInSection(UITableView& tableView, long section) override;

    long currentCardSelectedIndex() const { return currentCardSelectedIndex_; }
    long totalWalletCount() const { return totalWalletCount_; }
    const std::shared_ptr<MyCardsViewModel>& viewModel() const { return viewModel_; }
    const PullToRefreshManagerPtr& pullToRefreshManager() const { return pullToRefreshManager_; }

    FV_OUTLET(UIView, walletView);
    // The table's footer: a top-level view of the interface file, kept while the screen lives.
    UIViewPtr showMoreTransactionView;
    FV_OUTLET(UICollectionView, walletsCollVIew);
    FV_OUTLET(CustomButton, btn_seeAllTransactions);
    FV_OUTLET(UIView, topCardView);
    FV_OUTLET(NSLayoutConstraint, cardViewHeight);
    FV_OUTLET(UICollectionView, collectionView);
    FV_OUTLET(BarPageControl, outlet_PageControl);
    FV_OUTLET(UIView, view_availableAmount);
    FV_OUTLET(UILabel, lbl_header_wallets);

  protected:
    void styleDayHeader(UILabel& date) override;

  private:
    // Each stored property by its name, for hosts that set a screen up by key.
    static void registerStoredProperties(ClassBuilder<MyCardsViewController>& b);
    bool isCarousel(const UICollectionView& view) const;
    bool isTable(const UIScrollView& view) const;
    void collapseHeader();
    void expandHeader();
    void showOrHideFooter(CGFloat y);
    void openHistory();
    UICollectionViewCellPtr cardCell(UICollectionView& carousel, const NSIndexPath& indexPath);
    UICollectionViewCellPtr walletCell(UICollectionView& strip, const NSIndexPath& indexPath);

    // The table's offset when the user last began dragging it.
    CGPoint dragStartOffset_{0, 0};
    long currentCardSelectedIndex_ = 0;
    long totalWalletCount_ = 0;
    PullToRefreshManagerPtr pullToRefreshManager_;
    // The reference of the collapse test; it stays at the top.
    CGPoint lastContentOffset_{0, 0};
    std::shared_ptr<MyCardsViewModel> viewModel_;
};

}  // namespace fv
