#include "banking/BankAccountsListViewController.h"

#include "core/DataModel.h"
#include "core/ThemeManager.h"
#include "platform/foundation/Predicate.h"
#include "platform/ui/UINavigationController.h"

namespace fv {

FV_REGISTER_CLASS(BankAccountsListViewController);

void BankAccountsListViewController::registerMembers(ClassBuilder<BankAccountsListViewController>& b) {
    b.action("backPressed:", &BankAccountsListViewController::backPressed);
}

BankAccountsListViewController::~BankAccountsListViewController() = default;

void BankAccountsListViewController::viewDidLoad() {
    BankAccountListBase::viewDidLoad();
    formatView();
    loadBankAccounts();
    tbl_bankAccs->reloadData();
}

void BankAccountsListViewController::loadBankAccounts() {
    // Without its list the picker stays empty; the back button still leads out.
    bankAccounts = filter(readBankAccounts(), NSPredicate::equals("SELF.status", "Verified"));
    filteredBankAccounts = bankAccounts;
}

void BankAccountsListViewController::formatView() {
    tbl_bankAccs->setTableFooterView(UIView::create());
    lbl_headerTitle->setTextColor(UIColor::whiteColor());
    applyThemeBand(*view_navbar);
    formatSearchBar();
}

void BankAccountsListViewController::backPressed(UIButton*) {
    popScreen();
}

void BankAccountsListViewController::tableViewDidSelectRowAtIndexPath(UITableView& tableView,
                                                                      const NSIndexPath& indexPath) {
    tableView.deselectRowAtIndexPath(indexPath, true);
    if (indexPath.row < 0 || indexPath.row >= static_cast<long>(filteredBankAccounts.size())) return;
    BankAccountModelPtr account = filteredBankAccounts[indexPath.row];
    if (!account) return;
    const std::string& status = account->status();
    if (status == "Verified") {
        DataModel::sharedInstance()->setSelectedBankAccount(account);
        popScreen();
    } else if (status == "In-Process") {
        CreateNotification(NSLocalizedString("Verification in in progress", ""),
                           NSLocalizedString("This account verification is in progress.", ""),
                           BannerMessageTypeWarning);
    } else if (status == "Un-Verified") {
        CreateNotification(NSLocalizedString("Un-Verified Account", ""),
                           NSLocalizedString("This account verification is not yet completed.", ""),
                           BannerMessageTypeWarning);
    }
}

BankAccountRowStyle BankAccountsListViewController::rowStyle() {
    return {"In-Process", "Lato-Light", "", {}};
}

}  // namespace fv
