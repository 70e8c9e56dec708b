#include "banking/BankAccountsListViewController.h"

#include "core/DataModel.h"
#include "core/FrameworkResources.h"
#include "core/ThemeManager.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Predicate.h"
#include "platform/ui/UINavigationController.h"

namespace fv {

FV_REGISTER_CLASS(BankAccountsListViewController);

void BankAccountsListViewController::registerMembers(ClassBuilder<BankAccountsListViewController>& b) {
    b.outlet("view_navbar", &BankAccountsListViewController::view_navbar);
    b.outlet("lbl_headerTitle", &BankAccountsListViewController::lbl_headerTitle);
    b.action("backPressed:", &BankAccountsListViewController::backPressed);
}

BankAccountsListViewController::~BankAccountsListViewController() = default;

void BankAccountsListViewController::viewDidLoad() {
    BankAccountListScreen::viewDidLoad();
    formatView();
    loadBankAccounts();
    if (auto table = tbl_bankAccs.lock()) table->reloadData();
}

void BankAccountsListViewController::loadBankAccounts() {
    auto records = readFrameworkArray("bankAccounts");
    if (!records) {
        // Without its list the picker stays empty; the back button still leads out.
        log("bankAccounts.plist could not be read");
        records = Value(Value::Array{});
    }
    bankAccounts =
        filter(bankAccountModel->setupBankAccount(*records), NSPredicate::equals("SELF.status", "Verified"));
    filteredBankAccounts = bankAccounts;
}

void BankAccountsListViewController::formatView() {
    if (auto table = tbl_bankAccs.lock()) table->setTableFooterView(UIView::create());
    if (auto title = lbl_headerTitle.lock()) title->setTextColor(UIColor::whiteColor());
    if (auto navbar = view_navbar.lock())
        navbar->setBackgroundColor(ThemeManager::sharedInstance()->main_color());
    formatSearchBar();
}

void BankAccountsListViewController::viewWillAppear(bool animated) {
    BankAccountListScreen::viewWillAppear(animated);
    UIApplication::sharedApplication()->setStatusBarStyle(UIStatusBarStyleLightContent);
}

void BankAccountsListViewController::backPressed(UIButton*) {
    if (auto nav = navigationController()) nav->popViewControllerAnimated(true);
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
        if (auto nav = navigationController()) nav->popViewControllerAnimated(true);
    } else if (status == "In-Process") {
        CreateNotification(NSLocalizedString("Verification in in progress", ""),
                           NSLocalizedString("This account verification is in progress.", ""), 2);
    } else if (status == "Un-Verified") {
        CreateNotification(NSLocalizedString("Un-Verified Account", ""),
                           NSLocalizedString("This account verification is not yet completed.", ""), 2);
    }
}

BankAccountRowStyle BankAccountsListViewController::rowStyle() {
    return {"In-Process", "Lato-Light", "", {}};
}

}  // namespace fv
