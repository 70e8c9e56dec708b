#pragma once
// The picker of the bank account a card-to-bank transfer pays into: the verified accounts of
// "bankAccounts.plist", searchable. A tap stores the account in DataModel.selectedBankAccount and pops
// back to the screen that pushed the picker.
#include <memory>

#include "banking/BankAccountListBase.h"
#include "platform/foundation/Bundle.h"
#include "platform/ui/UILabel.h"

namespace fv {

class BankAccountsListViewController : public BankAccountListBase {
    FV_CLASS(BankAccountsListViewController, BankAccountListBase)
    static void registerMembers(ClassBuilder<BankAccountsListViewController>& b);
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using BankAccountListBase::BankAccountListBase;
    ~BankAccountsListViewController() override;

    void viewDidLoad() override;
    void formatView();
    void backPressed(UIButton* sender);

    void tableViewDidSelectRowAtIndexPath(UITableView& tableView, const NSIndexPath& indexPath) override;

    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(UILabel, lbl_headerTitle);

  protected:
    BankAccountRowStyle rowStyle() override;

  private:
    void loadBankAccounts();
};

}  // namespace fv
