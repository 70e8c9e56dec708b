#pragma once
// What the two bank-account lists share: the full and the shown list, the table of
// BankAccountListTableViewCell rows, and the search bar's look and filter by bank name or nickname.
// A list screen derives from this, loads `bankAccounts` when its view loads and says how its rows differ.
#include <memory>
#include <string>
#include <vector>

#include "banking/BankAccountListTableViewCell.h"
#include "core/BankAccountModel.h"
#include "platform/ui/UISearchBar.h"
#include "platform/ui/UITableView.h"
#include "screenkit/BaseViewController.h"

namespace fv {

class BankAccountListBase : public BaseViewController,
                            public UITableViewDataSource,
                            public UITableViewDelegate,
                            public UISearchBarDelegate {
    FV_CLASS(BankAccountListBase, BaseViewController)
    using BaseViewController::BaseViewController;
    ~BankAccountListBase() override;

    // ---- table ----
    long tableViewNumberOfRowsInSection(UITableView& tableView, long section) override;
    std::optional<CGFloat> tableViewHeightForRowAtIndexPath(UITableView& tableView,
                                                            const NSIndexPath& indexPath) override;
    // A BankAccountListTableViewCell filled from `filteredBankAccounts`; the row's interface file is
    // registered on the first miss. A plain empty cell when no such row can be made.
    UITableViewCellPtr tableViewCellForRowAtIndexPath(UITableView& tableView,
                                                      const NSIndexPath& indexPath) override;

    // ---- search ----
    void searchBarTextDidBeginEditing(UISearchBar* searchBar) override;
    // Narrows `bankAccounts` to the accounts whose bank name or nickname contains the text, ignoring
    // case and accents; empty text shows them all. The text is matched literally.
    void searchBarTextDidChange(UISearchBar* searchBar, const std::string& searchText) override;
    void searchBarSearchButtonClicked(UISearchBar* searchBar) override;

    // Every account the screen lists, and what the table shows of them.
    std::vector<BankAccountModelPtr> bankAccounts;
    std::vector<BankAccountModelPtr> filteredBankAccounts;
    BankAccountModelPtr bankAccountModel = std::make_shared<BankAccountModel>();

    FV_OUTLET(UISearchBar, searchBar);
    FV_OUTLET(UITableView, tbl_bankAccs);

  protected:
    // The search bar's look; screens call it from their formatView.
    void formatSearchBar();
    // How this screen's rows differ from the other list's.
    virtual BankAccountRowStyle rowStyle() = 0;
    // Anything a screen adds to a row before it is filled (swipe buttons, delegate).
    virtual void prepareRow(BankAccountListTableViewCell& cell) { (void)cell; }
};

}  // namespace fv
