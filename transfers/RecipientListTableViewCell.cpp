#include "transfers/RecipientListTableViewCell.h"

namespace fv {

FV_REGISTER_CLASS(RecipientListTableViewCell);

RecipientListTableViewCell::RecipientListTableViewCell() = default;

RecipientListTableViewCell::RecipientListTableViewCell(UITableViewCellStyle style,
                                                       const std::string& reuseIdentifier)
    : SwipeTableViewCell(style, reuseIdentifier) {}

RecipientListTableViewCell::~RecipientListTableViewCell() = default;

}  // namespace fv
