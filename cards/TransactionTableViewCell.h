#pragma once
// A row of the transaction lists: category icon, title, amount, time and a separator line. The lists
// style and fill it (the amount's colour says debit or credit).
#include <memory>
#include <string>

#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UITableViewCell.h"

namespace fv {

class TransactionTableViewCell;
using TransactionTableViewCellPtr = std::shared_ptr<TransactionTableViewCell>;

class TransactionTableViewCell : public UITableViewCell {
    FV_CLASS(TransactionTableViewCell, UITableViewCell)
    static constexpr const char* kReuseIdentifier = "transaction_cell";
    static constexpr const char* kNibName = "TransactionTableViewCell";

    // initWithCoder:
    TransactionTableViewCell();
    // initWithStyle:reuseIdentifier:
    TransactionTableViewCell(UITableViewCellStyle style, const std::string& reuseIdentifier);
    ~TransactionTableViewCell() override;

    FV_OUTLET(UIImageView, Img_Category);
    FV_OUTLET(UILabel, Lbl_Transaction);
    FV_OUTLET(UILabel, Lbl_Amount);
    FV_OUTLET(UIView, view_separator);
    FV_OUTLET(UILabel, lbl_time);
};

}  // namespace fv
