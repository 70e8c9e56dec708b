#pragma once
// The transaction history: the first card page's transactions under its day, the demonstration
// balance, the detail pop-up of a tapped row, and pull-to-refresh at the top and the bottom that only
// plays the controls' loading state (the demonstration data do not change). Opened from the home
// screen of cards (cameFromView kCameFromHome, core/ScreenNames.h) its top-left control is a back
// arrow that pops it; as the root of its own stack it shows the side-menu icon and only ends editing.
#include <memory>
#include <string>

#include "cards/TransactionListBase.h"
#include "cards/TransactionsViewModel.h"
#include "screenkit/TwoEndedRefresh.h"

namespace fv {

class TransactionsViewController : public TransactionListBase, public TransactionsViewModelDelegate {
    FV_CLASS(TransactionsViewController, TransactionListBase)
    static void registerMembers(ClassBuilder<TransactionsViewController>& b);
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using TransactionListBase::TransactionListBase;
    ~TransactionsViewController() override;

    static constexpr CGFloat kRefreshViewHeight = 60;
    static constexpr CGFloat kBackIconWidth = 8;
    static constexpr CGFloat kSideMenuIconWidth = 20;

    void viewDidLoad() override;
    void viewDidLayoutSubviews() override;
    // Makes the view model once.
    void initialzieViewModel();
    void setDefaultSelection();

    // Pops when opened from the home screen; otherwise only ends editing.
    void backPressed(NSObject* sender);

    // Tells both controls the (empty) reload has finished.
    void loadMoreRows();
    void scrollViewDidScroll(UIScrollView& scrollView) override;
    void scrollViewDidEndDragging(UIScrollView& scrollView, bool decelerate) override;

    const std::string& cameFromView() const { return cameFromView_; }
    void setCameFromView(const std::string& origin) { cameFromView_ = origin; }
    const std::shared_ptr<TransactionsViewModel>& viewModel() const { return viewModel_; }
    // None before the view has loaded.
    PullToRefreshManagerPtr pullToRefreshManager() const { return refresh_ ? refresh_->top() : nullptr; }
    BottomPullToRefreshManagerPtr pullToBottomRefreshManager() const {
        return refresh_ ? refresh_->bottom() : nullptr;
    }

    FV_OUTLET(NSLayoutConstraint, constraint_img_back_sidemenu_width);
    FV_OUTLET(UIView, view_TopInfo);
    FV_OUTLET(UIImageView, img_backBtn);

  private:
    std::shared_ptr<TransactionsViewModel> viewModel_;
    TwoEndedRefreshPtr refresh_;
    std::string cameFromView_;
};

}  // namespace fv
