#include "transfers/FundTransferHistoryViewController.h"

#include "controls/SectionTableViewCell.h"
#include "core/FrameworkResources.h"
#include "core/ThemeManager.h"
#include "platform/foundation/Text.h"
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
    b.action("sideMenuTapped:", &Self::sideMenuTapped);
    b.action("loadMoreRows", &Self::loadMoreRows);
}

FundTransferHistoryViewController::~FundTransferHistoryViewController() = default;

void FundTransferHistoryViewController::viewDidLoad() {
    BottomDetailPopupBase::viewDidLoad();
    setDefaultSelection();
}

void FundTransferHistoryViewController::viewDidLayoutSubviews() {
    BottomDetailPopupBase::viewDidLayoutSubviews();
    if (refresh_) refresh_->layout();
}

void FundTransferHistoryViewController::setDefaultSelection() {
    auto theme = ThemeManager::sharedInstance();
    typesSegmentCtrl->setTintColor(theme->main_color());
    typesSegmentCtrl->setSelectedSegmentIndex(0);

    setupDetailPopup(kDetailPopup);

    lbl_headerTitle->setTextColor(UIColor::whiteColor());
    applyThemeBand(*view_navbar);

    refresh_ = TwoEndedRefresh::attach(kPullViewHeight, tbl.get(), shared_from_this());

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
    const auto type = textOf(record["type"]);
    showDetail({{&lbl_bottomView_date, textOf(day["Date"])},
                {&lbl_bottomView_time, textOf(record["time"])},
                {&lbl_bottomView_type, type ? std::optional(text::uppercase(*type)) : std::nullopt},
                {&lbl_bottomView_amount, textOf(record["amount"])},
                {&lbl_bottomView_status, textOf(record["status"])},
                {&lbl_bottomView_from, textOf(record["from"])},
                {&lbl_bottomView_to, textOf(record["beneficiary_details"])},
                {&lbl_bottomView_referenceID, textOf(record["transferReference"])}});
}

// ---- side menu ----

void FundTransferHistoryViewController::sideMenuTapped(NSObject*) {
    view()->endEditing(true);
}

// ---- pull-to-refresh ----

void FundTransferHistoryViewController::loadMoreRows() {
    if (refresh_) refresh_->reloadFinished();
}

void FundTransferHistoryViewController::scrollViewDidScroll(UIScrollView&) {
    if (refresh_) refresh_->scrolled();
}

void FundTransferHistoryViewController::scrollViewDidEndDragging(UIScrollView&, bool) {
    if (refresh_) refresh_->released();
}

}  // namespace fv
