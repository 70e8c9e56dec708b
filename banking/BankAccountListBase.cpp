#include "banking/BankAccountListBase.h"

#include "core/FrameworkResources.h"
#include "core/ThemeManager.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Predicate.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UINib.h"

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
    const char* identifier = BankAccountListTableViewCell::kReuseIdentifier;
    auto cell = std::dynamic_pointer_cast<BankAccountListTableViewCell>(
        tableView.dequeueReusableCellWithIdentifier(identifier));
    if (!cell) {
        if (auto nib = UINib::nibWithNibName(BankAccountListTableViewCell::kNibName, frameworkBundle())) {
            tableView.registerNib(nib, identifier);
            cell = std::dynamic_pointer_cast<BankAccountListTableViewCell>(
                tableView.dequeueReusableCellWithIdentifier(identifier));
        }
    }
    if (!cell || indexPath.row < 0 || indexPath.row >= static_cast<long>(filteredBankAccounts.size()) ||
        !filteredBankAccounts[indexPath.row])
        return UITableViewCell::create();

    cell->setSelectionStyle(UITableViewCellSelectionStyleNone);
    cell->setBackgroundColor(UIColor::clearColor());
    prepareRow(*cell);
    cell->showBankAccount(*filteredBankAccounts[indexPath.row], indexPath.row, rowStyle());
    return cell;
}

std::vector<BankAccountModelPtr> BankAccountListBase::readBankAccounts() {
    auto records = readFrameworkArray("bankAccounts");
    if (!records) {
        log("bankAccounts.plist could not be read");
        return {};
    }
    return bankAccountModel->setupBankAccount(*records);
}

// ---- search ----

void BankAccountListBase::formatSearchBar() {
    auto field = std::dynamic_pointer_cast<UITextField>(searchBar->objectForKey("searchField"));
    if (!field) return;
    field->setFont(namedOrSystemFont("SFProDisplay-Regular", 16));
    if (auto magnifier = std::dynamic_pointer_cast<UIImageView>(field->leftView())) {
        if (auto image = magnifier->image())
            magnifier->setImage(image->imageWithRenderingMode(UIImageRenderingMode::AlwaysTemplate));
        magnifier->setTintColor(ThemeManager::sharedInstance()->main_color());
    }
    styleClearButton();
}

void BankAccountListBase::styleClearButton() {
    auto field = std::dynamic_pointer_cast<UITextField>(searchBar->objectForKey("searchField"));
    auto clear = field ? std::dynamic_pointer_cast<UIButton>(field->objectForKey("clearButton")) : nullptr;
    if (!clear) return;
    auto image = clear->imageView()->image();
    clear->setImage(image ? image->imageWithRenderingMode(UIImageRenderingMode::AlwaysTemplate) : nullptr,
                    UIControlStateNormal);
    clear->setTintColor(ThemeManager::sharedInstance()->main_color());
}

void BankAccountListBase::searchBarTextDidBeginEditing(UISearchBar*) {
    styleClearButton();
}

void BankAccountListBase::searchBarTextDidChange(UISearchBar*, const std::string& searchText) {
    styleClearButton();
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
