#include "transfers/FundTransferHistoryViewController.h"

#include "controls/SectionTableViewCell.h"
#include "core/FrameworkResources.h"
#include "core/ThemeManager.h"
#include "platform/foundation/Text.h"
#include "platform/ui/UITapGestureRecognizer.h"
#include "screenkit/DequeueCell.h"
#include "transfers/TransferHistoryTableViewCell.h"

namespace fv {

FV_REGISTER_CLASS(FundTransferHistoryViewController);

namespace {

std::optional<std::string> textOf(const Value& value) {
    return value.asString();
}

}  // namespace

void FundTransferHistoryViewController::registerMembers(ClassBuilder<FundTransferHistoryViewController>& b) {
    using Self = FundTransferHistoryViewController;
    b.action("typesSegmentChanged:", &Self::typesSegmentChanged);
    b.action("closeBtnTapped:", &Self::closeBtnTapped);
    b.action("sideMenuTapped:", &Self::sideMenuTapped);
    b.action("loadMoreRows", &Self::loadMoreRows);
}

FundTransferHistoryViewController::~FundTransferHistoryViewController() = default;

void FundTransferHistoryViewController::viewDidLoad() {
    BaseViewController::viewDidLoad();
    setDefaultSelection();
}

void FundTransferHistoryViewController::viewWillAppear(bool animated) {
    BaseViewController::viewWillAppear(animated);
    applyLightStatusBar();
}

void FundTransferHistoryViewController::viewDidLayoutSubviews() {
    BaseViewController::viewDidLayoutSubviews();
    if (pullToBottomRefreshManager) pullToBottomRefreshManager->relocatePullToRefreshView();
}

void FundTransferHistoryViewController::setDefaultSelection() {
    auto theme = ThemeManager::sharedInstance();
    typesSegmentCtrl->setTintColor(theme->main_color());
    typesSegmentCtrl->setSelectedSegmentIndex(0);

    view_DetailViewBottomConstraint->setConstant(kDetailClosed);
    view_darkView->setHidden(true);
    view_darkView->setAlpha(0);
    auto layer = view_transactionDetail->layer();
    layer->masksToBounds = false;
    layer->shadowColor = UIColor::blackColor();
    layer->shadowOffset = CGSizeMake(0, 0);
    layer->shadowRadius = 3;
    layer->shadowOpacity = 1;
    lbl_bottomView_Title->setTextColor(theme->main_color());
    // The tint only shows on a template image, as the tip is meant to be drawn.
    if (auto tip = img_icon_triangleTip->image();
        tip && tip->renderingMode() != UIImageRenderingMode::AlwaysTemplate)
        img_icon_triangleTip->setImage(tip->imageWithRenderingMode(UIImageRenderingMode::AlwaysTemplate));
    img_icon_triangleTip->setTintColor(theme->main_font_color());
    auto tap = std::make_shared<UITapGestureRecognizer>();
    tap->setNumberOfTapsRequired(1);
    tap->addTarget(shared_from_this(), "closeBtnTapped:");
    view_darkView->addGestureRecognizer(tap);

    lbl_headerTitle->setTextColor(UIColor::whiteColor());
    applyThemeBand(*view_navbar);

    auto self = sharedAs<FundTransferHistoryViewController>();
    pullToRefreshManager = PullToRefreshManager::create(kPullViewHeight, tbl.get(), self);
    pullToBottomRefreshManager = BottomPullToRefreshManager::create(kPullViewHeight, tbl.get(), self);
    pullToBottomRefreshManager->relocatePullToRefreshView();
    pullToBottomRefreshManager->tableViewScrolled();
    pullToBottomRefreshManager->tableViewReloadFinished();

    history_.loadTransferHistory();
    tbl->setTableFooterView(UIView::create());
    tbl->reloadData();
}

// ---- filter ----

void FundTransferHistoryViewController::typesSegmentChanged(UISegmentedControl* sender) {
    if (!sender) return;
    if (history_.typesSegmentChanged(sender->selectedSegmentIndex())) tbl->reloadData();
}

void FundTransferHistoryViewController::filterTransactionByTypeWithType(const std::string& type) {
    history_.filterTransactionByTypeWithType(type);
    tbl->reloadData();
}

// ---- table ----

long FundTransferHistoryViewController::numberOfSectionsInTableView(UITableView&) {
    return history_.numberOfSections();
}

long FundTransferHistoryViewController::tableViewNumberOfRowsInSection(UITableView&, long section) {
    return history_.numberOfRowsInSection(section);
}

std::optional<CGFloat> FundTransferHistoryViewController::tableViewHeightForHeaderInSection(UITableView&,
                                                                                            long) {
    return kHeaderHeight;
}

UIViewPtr FundTransferHistoryViewController::tableViewViewForHeaderInSection(UITableView& tableView,
                                                                             long section) {
    auto cell = dequeueCellRegisteringNib<SectionTableViewCell>(
        tableView, SectionTableViewCell::kReuseIdentifier, SectionTableViewCell::kNibName);
    if (!cell) return nullptr;
    cell->Lbl_Date->setText(textOf(history_.dayForSection(section)["Date"]));
    return cell->contentView();
}

std::optional<CGFloat> FundTransferHistoryViewController::tableViewHeightForRowAtIndexPath(
    UITableView&, const NSIndexPath&) {
    return TransferHistoryTableViewCell::kRowHeight;
}

UITableViewCellPtr FundTransferHistoryViewController::tableViewCellForRowAtIndexPath(
    UITableView& tableView, const NSIndexPath& indexPath) {
    auto cell = dequeueCellRegisteringNib<TransferHistoryTableViewCell>(
        tableView, TransferHistoryTableViewCell::kReuseIdentifier, TransferHistoryTableViewCell::kNibName);
    if (!cell) return UITableViewCell::create();
    cell->setSelectionStyle(UITableViewCellSelectionStyleNone);
    cell->setBackgroundColor(UIColor::clearColor());
    cell->showRecord(history_.recordAtIndexPath(indexPath.section, indexPath.row));
    return cell;
}

void FundTransferHistoryViewController::tableViewDidSelectRowAtIndexPath(UITableView& tableView,
                                                                         const NSIndexPath& indexPath) {
    tableView.deselectRowAtIndexPath(indexPath, true);
    const Value& day = history_.dayForSection(indexPath.section);
    const Value& record = history_.recordAtIndexPath(indexPath.section, indexPath.row);
    lbl_bottomView_date->setText(textOf(day["Date"]));
    lbl_bottomView_time->setText(textOf(record["time"]));
    const auto type = textOf(record["type"]);
    lbl_bottomView_type->setText(type ? std::optional(text::uppercase(*type)) : std::nullopt);
    lbl_bottomView_amount->setText(textOf(record["amount"]));
    lbl_bottomView_status->setText(textOf(record["status"]));
    lbl_bottomView_from->setText(textOf(record["from"]));
    lbl_bottomView_to->setText(textOf(record["beneficiary_details"]));
    lbl_bottomView_referenceID->setText(textOf(record["transferReference"]));
    OpenBottomPopup();
}

// ---- pop-up ----

void FundTransferHistoryViewController::OpenBottomPopup() {
    kDetailPopup.open(view(), *view_DetailViewBottomConstraint, view_darkView.get());
}

void FundTransferHistoryViewController::closeBtnTapped(NSObject*) {
    kDetailPopup.close(view(), *view_DetailViewBottomConstraint, view_darkView.get());
}

void FundTransferHistoryViewController::sideMenuTapped(NSObject*) {
    view()->endEditing(true);
}

// ---- pull-to-refresh ----

void FundTransferHistoryViewController::scrollViewDidScroll(UIScrollView&) {
    if (!pullToRefreshManager || !pullToBottomRefreshManager) return;
    pullToBottomRefreshManager->relocatePullToRefreshView();
    pullToBottomRefreshManager->tableViewScrolled();
    pullToRefreshManager->tableViewScrolled();
}

void FundTransferHistoryViewController::scrollViewDidEndDragging(UIScrollView&, bool) {
    if (!pullToRefreshManager || !pullToBottomRefreshManager) return;
    pullToBottomRefreshManager->relocatePullToRefreshView();
    pullToBottomRefreshManager->tableViewReleased();
    pullToRefreshManager->tableViewReleased();
    pullToBottomRefreshManager->relocatePullToRefreshView();
}

void FundTransferHistoryViewController::pullToRefreshTriggered(PullToRefreshManager&) {
    performSelector("loadMoreRows", nullptr, 0.0);
}

void FundTransferHistoryViewController::bottomPullToRefreshTriggered(BottomPullToRefreshManager&) {
    performSelector("loadMoreRows", nullptr, 0.0);
}

void FundTransferHistoryViewController::loadMoreRows() {
    pullToBottomRefreshManager->relocatePullToRefreshView();
    pullToBottomRefreshManager->tableViewReloadFinished();
    pullToRefreshManager->tableViewReloadFinishedAnimated(true);
    pullToBottomRefreshManager->relocatePullToRefreshView();
}

}  // namespace fv
