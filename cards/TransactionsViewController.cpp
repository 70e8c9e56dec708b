#include "cards/TransactionsViewController.h"

#include "controls/AttributedAmountString.h"
#include "core/FrameworkResources.h"
#include "core/ScreenNames.h"
#include "core/ThemeManager.h"

namespace fv {

FV_REGISTER_CLASS(TransactionsViewController);

namespace {

// The balance the history shows; no record holds it.
constexpr const char* kTotalAmount = "$ 9500.75";

}  // namespace

void TransactionsViewController::registerMembers(ClassBuilder<TransactionsViewController>& b) {
    using Self = TransactionsViewController;
    b.property("cameFromView", &Self::cameFromView, &Self::setCameFromView);
    b.action("backPressed:", &Self::backPressed);
    b.action("loadMoreRows", &Self::loadMoreRows);
}

TransactionsViewController::~TransactionsViewController() = default;

void TransactionsViewController::viewDidLoad() {
    TransactionListBase::viewDidLoad();
    initialzieViewModel();
    setDefaultSelection();
}

void TransactionsViewController::viewDidLayoutSubviews() {
    TransactionListBase::viewDidLayoutSubviews();
    if (refresh_) refresh_->layout();
}

void TransactionsViewController::initialzieViewModel() {
    if (viewModel_) return;
    viewModel_ = std::make_shared<TransactionsViewModel>();
    viewModel_->setDelegate(shared_from_this());
    viewModel_->setRootView(view());
}

void TransactionsViewController::setDefaultSelection() {
    setupDetailPopup();
    const auto theme = ThemeManager::sharedInstance();
    view_navbar->setBackgroundColor(theme->header_color());
    lbl_headerTitle->setTextColor(theme->header_text_color());
    lbl_titleOne->setTextColor(UIColor::whiteColor());
    lbl_TotalAmount->setTextColor(UIColor::whiteColor());
    view_TopInfo->setBackgroundColor(theme->main_color());

    auto table = tbl.get();
    refresh_ = TwoEndedRefresh::attach(kRefreshViewHeight, table, shared_from_this(),
                                       TwoEndedRefresh::FirstSettle::AroundTableReload);

    loadCardPages();
    // No separators below the last row.
    table->setTableFooterView(UIView::create(CGRectZero));
    table->reloadData();

    const bool fromHome = cameFromView_ == kCameFromHome;
    img_backBtn->setImage(UIImage::imageNamed(fromHome ? "icon_back" : "side_menu_white", frameworkBundle()));
    constraint_img_back_sidemenu_width->setConstant(fromHome ? kBackIconWidth : kSideMenuIconWidth);
    lbl_TotalAmount->setAttributedText(attributedAmountString(kTotalAmount));
}

void TransactionsViewController::backPressed(NSObject*) {
    if (cameFromView_ == kCameFromHome) {
        popScreen();
        return;
    }
    if (auto root = viewIfLoaded()) root->endEditing(true);
}

// ---- refresh ----

void TransactionsViewController::loadMoreRows() {
    if (refresh_) refresh_->reloadFinished();
}

void TransactionsViewController::scrollViewDidScroll(UIScrollView&) {
    if (refresh_) refresh_->scrolled();
}

void TransactionsViewController::scrollViewDidEndDragging(UIScrollView&, bool) {
    if (refresh_) refresh_->released();
}

}  // namespace fv
