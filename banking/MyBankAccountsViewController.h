#pragma once
// The user's bank accounts: every account of "bankAccounts.plist" with its status, searchable. A tap
// routes by the account's status (a verified one opens the card-to-bank transfer with it chosen, one in
// process opens micro-deposit verification, an unverified one warns); Add opens the add-account form;
// a row's swipe buttons (edit, delete) only close again. The root of DataModel.myBankAccountsNavView.
#include <memory>

#include "banking/BankAccountListBase.h"
#include "platform/foundation/Bundle.h"
#include "platform/ui/UILabel.h"
#include "screenkit/CustomButton.h"

namespace fv {

class MyBankAccountsViewController : public BankAccountListBase, public SwipeTableViewCellDelegate {
    FV_CLASS(MyBankAccountsViewController, BankAccountListBase)
    static void registerMembers(ClassBuilder<MyBankAccountsViewController>& b);
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using BankAccountListBase::BankAccountListBase;
    ~MyBankAccountsViewController() override;

    void viewDidLoad() override;
    void formatView();

    // Only ends editing: the screen is the root of its stack.
    void backPressed(UIButton* sender);
    void addNewBankAccountPressed(UIButton* sender);
    // The row's Verify button; which row does not matter, nothing about the account is handed on.
    void VerifyAccountPressedWithSender(UIButton* sender);

    void tableViewDidSelectRowAtIndexPath(UITableView& tableView, const NSIndexPath& indexPath) override;

    // Edit (theme main colour) and delete (red), in that order.
    SwipeUtilityButtons rightButtons();
    void swipeableTableViewCellDidTriggerRightUtilityButtonWithIndex(SwipeTableViewCell& cell,
                                                                     std::int64_t index) override;
    bool swipeableTableViewCellShouldHideUtilityButtonsOnSwipe(SwipeTableViewCell& cell) override;

    static constexpr CGFloat kSwipeButtonWidth = 60;

    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(CustomButton, Btn_AddNewBankAccount);
    FV_OUTLET(UILabel, lbl_headerTitle);

  protected:
    BankAccountRowStyle rowStyle() override;
    void prepareRow(BankAccountListTableViewCell& cell) override;

  private:
    void loadBankAccounts();
    void endEditing();
};

}  // namespace fv
