#include "banking/BankAccountListScreen.h"

#include "core/ThemeManager.h"
#include "platform/foundation/Predicate.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UINib.h"

namespace fv {

FV_REGISTER_CLASS(BankAccountListScreen);

void BankAccountListScreen::registerMembers(ClassBuilder<BankAccountListScreen>& b) {
    b.outlet("searchBar", &BankAccountListScreen::searchBar);
    b.outlet("tbl_bankAccs", &BankAccountListScreen::tbl_bankAccs);
}

BankAccountListScreen::~BankAccountListScreen() = default;

// ---- table ----

long BankAccountListScreen::tableViewNumberOfRowsInSection(UITableView&, long) {
    return static_cast<long>(filteredBankAccounts.size());
}

std::optional<CGFloat> BankAccountListScreen::tableViewHeightForRowAtIndexPath(UITableView&,
                                                                               const NSIndexPath&) {
    return BankAccountListTableViewCell::kRowHeight;
}

UITableViewCellPtr BankAccountListScreen::tableViewCellForRowAtIndexPath(UITableView& tableView,
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


// ---- search ----

void BankAccountListScreen::formatSearchBar() {
    auto bar = searchBar.lock();
    if (!bar) return;
    auto field = std::dynamic_pointer_cast<UITextField>(bar->objectForKey("searchField"));
    if (!field) return;
    field->setFont(namedOrSystemFont("SFProDisplay-Regular", 16));
    if (auto magnifier = std::dynamic_pointer_cast<UIImageView>(field->leftView())) {
        if (auto image = magnifier->image())
            magnifier->setImage(image->imageWithRenderingMode(UIImageRenderingMode::AlwaysTemplate));
        magnifier->setTintColor(ThemeManager::sharedInstance()->main_color());
    }
    styleClearButton();
}

void BankAccountListScreen::styleClearButton() {
    auto bar = searchBar.lock();
    auto field = bar ? std::dynamic_pointer_cast<UITextField>(bar->objectForKey("searchField")) : nullptr;
    auto clear = field ? std::dynamic_pointer_cast<UIButton>(field->objectForKey("clearButton")) : nullptr;
    if (!clear) return;
    auto image = clear->imageView()->image();
    clear->setImage(image ? image->imageWithRenderingMode(UIImageRenderingMode::AlwaysTemplate) : nullptr,
                    UIControlStateNormal);
    clear->setTintColor(ThemeManager::sharedInstance()->main_color());
}

void BankAccountListScreen::searchBarTextDidBeginEditing(UISearchBar*) {
    styleClearButton();
}

void BankAccountListScreen::searchBarTextDidChange(UISearchBar*, const std::string& searchText) {
    styleClearButton();
    if (searchText.empty()) {
        filteredBankAccounts = bankAccounts;
    } else {
        filteredBankAccounts = filter(bankAccounts, NSPredicate::orPredicate({
                                                        NSPredicate::containsCD("SELF.bankName", searchText),
                                                        NSPredicate::containsCD("SELF.nickName", searchText),
                                                    }));
    }
    if (auto table = tbl_bankAccs.lock()) table->reloadData();
}

void BankAccountListScreen::searchBarSearchButtonClicked(UISearchBar*) {
    if (auto root = viewIfLoaded()) root->endEditing(true);
}

}  // namespace fv
