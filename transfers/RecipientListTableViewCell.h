#pragma once
// The row of the recipient list: the recipient's name, with edit and delete behind it on a swipe.
#include <memory>
#include <string>

#include "controls/SwipeTableViewCell.h"
#include "platform/ui/UILabel.h"

namespace fv {

class RecipientListTableViewCell : public SwipeTableViewCell {
    FV_CLASS(RecipientListTableViewCell, SwipeTableViewCell)
    static constexpr const char* kReuseIdentifier = "recipient_list_cell";
    static constexpr const char* kNibName = "RecipientListTableViewCell";

    // initWithCoder:
    RecipientListTableViewCell();
    // initWithStyle:reuseIdentifier:
    RecipientListTableViewCell(UITableViewCellStyle style, const std::string& reuseIdentifier);
    ~RecipientListTableViewCell() override;

    FV_OUTLET(UILabel, lbl_recipientName);
};

}  // namespace fv
