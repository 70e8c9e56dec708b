#include "banking/MyBankAccountsViewController.h"

#include "controls/NSArraySwipeUtilityButtons.h"
#include "core/DataModel.h"
#include "core/ScreenNames.h"
#include "core/ThemeManager.h"
#include "platform/graphics/UIColorHex.h"

namespace fv {

FV_REGISTER_CLASS(MyBankAccountsViewController);

void MyBankAccountsViewController::registerMembers(ClassBuilder<MyBankAccountsViewController>& b) {
    using Self = MyBankAccountsViewController;
    b.action("backPressed:", &Self::backPressed);
    b.action("addNewBankAccountPressed:", &Self::addNewBankAccountPressed);
    b.action("VerifyAccountPressedWithSender:", &Self::VerifyAccountPressedWithSender);
}

MyBankAccountsViewController::~MyBankAccountsViewController() = default;

void MyBankAccountsViewController::viewDidLoad() {
    BankAccountListBase::viewDidLoad();
    formatView();
    loadBankAccounts();
    tbl_bankAccs->reloadData();
}

void MyBankAccountsViewController::loadBankAccounts() {
    // Without its list the screen stays empty; Add still works.
    bankAccounts = readBankAccounts();
    filteredBankAccounts = bankAccounts;
}

void MyBankAccountsViewController::formatView() {
    tbl_bankAccs->setTableFooterView(UIView::create());
    Btn_AddNewBankAccount->setBackgroundColor(UIColor::clearColor());
    lbl_headerTitle->setTextColor(UIColor::whiteColor());
    view_navbar->setBackgroundColor(ThemeManager::sharedInstance()->header_color());
    formatSearchBar();
}

void MyBankAccountsViewController::endEditing() {
    if (auto root = viewIfLoaded()) root->endEditing(true);
}

void MyBankAccountsViewController::backPressed(UIButton*) {
    endEditing();
}

void MyBankAccountsViewController::addNewBankAccountPressed(UIButton*) {
    endEditing();
    pushScreen(screen::AddBankAccountViewController);
}

void MyBankAccountsViewController::VerifyAccountPressedWithSender(UIButton*) {
    pushScreen(screen::MicroPaymentsVerificationViewController);
}

void MyBankAccountsViewController::tableViewDidSelectRowAtIndexPath(UITableView& tableView,
                                                                    const NSIndexPath& indexPath) {
    tableView.deselectRowAtIndexPath(indexPath, true);
    if (indexPath.row < 0 || indexPath.row >= static_cast<long>(filteredBankAccounts.size())) return;
    BankAccountModelPtr account = filteredBankAccounts[indexPath.row];
    if (!account) return;
    const std::string& status = account->status();
    if (status == "Verified") {
        DataModel::sharedInstance()->setSelectedBankAccount(account);
        pushScreen(screen::CardToBankTransferViewController,
                   ScreenSetup().value("cameFrom", Value(kCameFromMyBankAccounts)));
    } else if (status == "In-Process") {
        pushScreen(screen::MicroPaymentsVerificationViewController);
    } else if (status == "Un-Verified") {
        CreateNotification(NSLocalizedString("Un-Verified Account", ""),
                           NSLocalizedString("This account verification is not yet completed.", ""),
                           BannerMessageTypeWarning);
    }
}

SwipeUtilityButtons MyBankAccountsViewController::rightButtons() {
    SwipeUtilityButtons buttons;
    // The host draws these two icons; they come from its main bundle, not the framework's.
    const auto hostBundle = NSBundle::mainBundle();
    swipe_addUtilityButtonWithColor(buttons, ThemeManager::sharedInstance()->main_color(),
                                    UIImage::imageNamed("icon_edit", hostBundle));
    swipe_addUtilityButtonWithColor(buttons, colorWithCSS("E00001"),
                                    UIImage::imageNamed("icon_delete", hostBundle));
    return buttons;
}

void MyBankAccountsViewController::swipeableTableViewCellDidTriggerRightUtilityButtonWithIndex(
    SwipeTableViewCell& cell, std::int64_t) {
    cell.hideUtilityButtonsAnimated(true);
    endEditing();
}

bool MyBankAccountsViewController::swipeableTableViewCellShouldHideUtilityButtonsOnSwipe(
    SwipeTableViewCell&) {
    return true;
}

BankAccountRowStyle MyBankAccountsViewController::rowStyle() {
    return {"Logged", "SFProDisplay-Light", "VerifyAccountPressedWithSender:", weak_from_this()};
}

void MyBankAccountsViewController::prepareRow(BankAccountListTableViewCell& cell) {
    cell.setDelegate(std::dynamic_pointer_cast<SwipeTableViewCellDelegate>(shared_from_this()));
    cell.setRightUtilityButtons(rightButtons(), kSwipeButtonWidth);
}

}  // namespace fv
