#include "transfers/RecipientListViewController.h"

#include "controls/UIScrollViewKeyboardAvoiding.h"
#include "core/DataModel.h"
#include "core/FrameworkResources.h"
#include "core/ThemeManager.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Predicate.h"
#include "platform/graphics/UIColorHex.h"
#include "screenkit/DequeueCell.h"
#include "screenkit/ModalPopup.h"
#include "screenkit/UISearchBarTheme.h"
#include "transfers/RecipientListTableViewCell.h"

namespace fv {

FV_REGISTER_CLASS(RecipientListViewController);

void RecipientListViewController::registerMembers(ClassBuilder<RecipientListViewController>& b) {
    using Self = RecipientListViewController;
    b.action("savePressed:", &Self::savePressed);
    b.action("cancelPressed:", &Self::cancelPressed);
    b.action("backPressed:", &Self::backPressed);
    b.action("addNewPressed:", &Self::addNewPressed);
}

RecipientListViewController::~RecipientListViewController() = default;

void RecipientListViewController::viewDidLoad() {
    BaseViewController::viewDidLoad();
    formatView();
    loadRecipients();
    tbl_recipient->reloadData();
}

void RecipientListViewController::loadRecipients() {
    auto records = readFrameworkArray("recipients");
    if (!records) {
        // Without its list the picker stays empty; back and add-new still work.
        log("recipients.plist could not be read");
        records = Value(Value::Array{});
    }
    recipients = recipientModel->setupRecipient(*records);
    filteredRecipients = recipients;
}

void RecipientListViewController::formatView() {
    tbl_recipient->setTableFooterView(UIView::create());
    setKeyboardAvoidingEnabled(*popupScrollview, true);
    popup_tf_nickname->setDelegate(sharedAs<RecipientListViewController>());
    for (const auto* button : {&Btn_AddNew, &btn_Save, &btn_cancel})
        (*button)->setBackgroundColor(UIColor::clearColor());
    lbl_headerTitle->setTextColor(UIColor::whiteColor());
    applyThemeBand(*view_navbar);
    CustomizeLayer(view_FirstField->layer());
    applySearchBarTheme(*searchBar);
}

void RecipientListViewController::sizeEditPopup() {
    // Measured as it opens: while the view loads it still has the interface file's width, not the
    // phone's.
    const auto window = view()->window();
    const CGFloat width = (window ? window->bounds() : view()->bounds()).size.width;
    const CGSize size = CGSizeMake(width - kEditPopupMargin, kEditPopupHeight);
    view_editPopup->setFrame(CGRectMake(0, 0, size.width, size.height));
    // The pop-up's content scrolls only when the keyboard covers it, never sideways.
    popupScrollview->setContentSize(size);
    view_editPopup->layoutIfNeeded();
}

// ---- search ----

void RecipientListViewController::searchBarTextDidBeginEditing(UISearchBar*) {
    applySearchBarClearButtonTheme(*searchBar);
}

void RecipientListViewController::searchBarTextDidChange(UISearchBar*, const std::string& searchText) {
    applySearchBarClearButtonTheme(*searchBar);
    if (searchText.empty())
        filteredRecipients = recipients;
    else
        filteredRecipients = filter(recipients, NSPredicate::containsCD("SELF.Recipient", searchText));
    tbl_recipient->reloadData();
}

void RecipientListViewController::searchBarSearchButtonClicked(UISearchBar*) {
    view()->endEditing(true);
}

// ---- table ----

long RecipientListViewController::tableViewNumberOfRowsInSection(UITableView&, long) {
    return static_cast<long>(filteredRecipients.size());
}

std::optional<CGFloat> RecipientListViewController::tableViewHeightForRowAtIndexPath(UITableView&,
                                                                                     const NSIndexPath&) {
    return kRowHeight;
}

UITableViewCellPtr RecipientListViewController::tableViewCellForRowAtIndexPath(UITableView& tableView,
                                                                               const NSIndexPath& indexPath) {
    auto cell = dequeueCellRegisteringNib<RecipientListTableViewCell>(
        tableView, RecipientListTableViewCell::kReuseIdentifier, RecipientListTableViewCell::kNibName);
    if (!cell || indexPath.row < 0 || indexPath.row >= static_cast<long>(filteredRecipients.size()))
        return UITableViewCell::create();
    cell->setSelectionStyle(UITableViewCellSelectionStyleNone);
    cell->setBackgroundColor(UIColor::clearColor());
    cell->setDelegate(sharedAs<RecipientListViewController>());
    cell->setRightUtilityButtons(rightButtons(), kSwipeButtonWidth);
    const auto& recipient = filteredRecipients[indexPath.row];
    cell->lbl_recipientName->setText(recipient ? recipient->Recipient() : std::string());
    return cell;
}

void RecipientListViewController::tableViewDidSelectRowAtIndexPath(UITableView& tableView,
                                                                   const NSIndexPath& indexPath) {
    tableView.deselectRowAtIndexPath(indexPath, true);
    if (indexPath.row < 0 || indexPath.row >= static_cast<long>(filteredRecipients.size())) return;
    DataModel::sharedInstance()->setSelectedRecipient(filteredRecipients[indexPath.row]);
    popScreen();
}

// ---- swipe buttons ----

SwipeUtilityButtons RecipientListViewController::rightButtons() const {
    SwipeUtilityButtons buttons;
    swipe_addUtilityButtonWithColor(buttons, ThemeManager::sharedInstance()->main_color(),
                                    UIImage::imageNamed("icon_edit", frameworkBundle()));
    swipe_addUtilityButtonWithColor(buttons, colorWithCSS("E00001"),
                                    UIImage::imageNamed("icon_delete", frameworkBundle()));
    return buttons;
}

void RecipientListViewController::swipeableTableViewCellDidTriggerRightUtilityButtonWithIndex(
    SwipeTableViewCell& cell, std::int64_t index) {
    cell.hideUtilityButtonsAnimated(true);
    if (index != 0) return;
    // The pop-up is one shared presenter that keeps whatever options its last user set.
    auto popup = ModalPopup::sharedInstance();
    popup->setCloseButtonType(ModalPopupCloseButtonTypeNone);
    popup->setBackgroundDisplayStyle(ModalPopupBackgroundDisplayStyleGradient);
    popup->setModalBackgroundColor(UIColor::whiteColor());
    popup->setTapOutsideToDismiss(false);
    sizeEditPopup();
    popup->showWithContentView(view_editPopup.get());
}

bool RecipientListViewController::swipeableTableViewCellShouldHideUtilityButtonsOnSwipe(SwipeTableViewCell&) {
    return true;
}

void RecipientListViewController::savePressed(UIButton*) {
    ModalPopup::sharedInstance()->hide();
}

void RecipientListViewController::cancelPressed(UIButton*) {
    ModalPopup::sharedInstance()->hide();
}

void RecipientListViewController::backPressed(UIButton*) {
    popScreen();
}

void RecipientListViewController::addNewPressed(UIButton*) {
    pushScreen(screen::AddRecipientViewController);
}

}  // namespace fv
