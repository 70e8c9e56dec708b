#pragma once
// The row of both bank-account lists: the account's nickname, bank and account number, and its status
// as a badge with a label, or as a Verify button for an account awaiting micro-deposits.
#include <memory>
#include <string>

#include "controls/SwipeTableViewCell.h"
#include "core/BankAccountModel.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "screenkit/CustomButton.h"

namespace fv {

class BankAccountListTableViewCell;
using BankAccountListTableViewCellPtr = std::shared_ptr<BankAccountListTableViewCell>;

// What differs between the two lists when a row is filled.
struct BankAccountRowStyle {
    // The label of an account "In-Process" / "L".
    std::string inProcessLabel;
    // Face of the Verify button's 12-point title.
    std::string verifyFontName;
    // Sent to `verifyTarget` by a tap on the Verify button; empty: the button has no action.
    std::string verifySelector;
    NSObjectWeak verifyTarget;
};

class BankAccountListTableViewCell : public SwipeTableViewCell {
    FV_CLASS(BankAccountListTableViewCell, SwipeTableViewCell)
    static constexpr const char* kReuseIdentifier = "BankAccount_List_Cell";
    static constexpr const char* kNibName = "BankAccountListTableViewCell";
    static constexpr CGFloat kRowHeight = 75;

    // initWithCoder:
    BankAccountListTableViewCell();
    // initWithStyle:reuseIdentifier:
    BankAccountListTableViewCell(UITableViewCellStyle style, const std::string& reuseIdentifier);
    ~BankAccountListTableViewCell() override;

    // Shows `account` at `row`. Everything a previous account set is reset first, so a reused row
    // never keeps an old badge, text or Verify action.
    void showBankAccount(const BankAccountModel& account, long row, const BankAccountRowStyle& style);

    FV_OUTLET(UILabel, lbl_legalName);
    FV_OUTLET(UILabel, lbl_bankName);
    FV_OUTLET(UIImageView, Img_status);
    FV_OUTLET(UILabel, lbl_status);
    FV_OUTLET(CustomButton, btn_verify);
};

}  // namespace fv
