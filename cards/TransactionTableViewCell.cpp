#include "cards/TransactionTableViewCell.h"

namespace fv {

FV_REGISTER_CLASS(TransactionTableViewCell);

TransactionTableViewCell::TransactionTableViewCell() = default;

TransactionTableViewCell::TransactionTableViewCell(UITableViewCellStyle style,
                                                   const std::string& reuseIdentifier)
    : UITableViewCell(style, reuseIdentifier) {}

TransactionTableViewCell::~TransactionTableViewCell() = default;

}  // namespace fv
