#include "banking/BankAccountListBase.h"

#include "core/FrameworkResources.h"
#include "platform/foundation/Predicate.h"
#include "screenkit/DequeueCell.h"
#include "screenkit/UISearchBarTheme.h"

namespace fv {

FV_REGISTER_CLASS(BankAccountListBase);

BankAccountListBase::~BankAccountListBase() = default;

// ---- table ----

long BankAccountListBase::tableViewNumberOfRowsInSection(UITableView&, long) {
    return static_cast<long>(filteredBankAccounts.size());
}

std::optional<CGFloat> BankAccountListBase::tableViewHeightForRowAtIndexPath(UITableView&,
                                                                             const NSIndexPath&) {
    return BankAccountListTableViewCell::kRowHeight;
}

UITableViewCellPtr BankAccountListBase::tableViewCellForRowAtIndexPath(UITableView& tableView,
                                                                       const NSIndexPath& indexPath) {
    auto cell = dequeueCellRegisteringNib<BankAccountListTableViewCell>(
        tableView, BankAccountListTableViewCell::kReuseIdentifier, BankAccountListTableViewCell::kNibName);
    if (!cell || indexPath.row < 0 || indexPath.row >= static_cast<long>(filteredBankAccounts.size()) ||
        !filteredBankAccounts[indexPath.row])
        return UITableViewCell::create();

    cell->setSelectionStyle(UITableViewCellSelectionStyleNone);
    cell->setBackgroundColor(UIColor::clearColor());
    prepareRow(*cell);
    cell->showBankAccount(*filteredBankAccounts[indexPath.row], indexPath.row, rowStyle());
    return cell;
}

// ---- search ----

void BankAccountListBase::formatSearchBar() {
    applySearchBarTheme(*searchBar);
}

void BankAccountListBase::searchBarTextDidBeginEditing(UISearchBar*) {
    applySearchBarClearButtonTheme(*searchBar);
}

void BankAccountListBase::searchBarTextDidChange(UISearchBar*, const std::string& searchText) {
    applySearchBarClearButtonTheme(*searchBar);
    if (searchText.empty()) {
        filteredBankAccounts = bankAccounts;
    } else {
        filteredBankAccounts = filter(bankAccounts, NSPredicate::orPredicate({
                                                        NSPredicate::containsCD("SELF.bankName", searchText),
                                                        NSPredicate::containsCD("SELF.nickName", searchText),
                                                    }));
    }
    tbl_bankAccs->reloadData();
}

void BankAccountListBase::searchBarSearchButtonClicked(UISearchBar*) {
    if (auto root = viewIfLoaded()) root->endEditing(true);
}

}  // namespace fv
