#pragma once
// A row of the transfer history: type, from, to, the amount in red for money leaving the card (green
// otherwise) and the status as an image.
#include <memory>
#include <string>

#include "platform/foundation/Value.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UITableViewCell.h"

namespace fv {

class TransferHistoryTableViewCell : public UITableViewCell {
    FV_CLASS(TransferHistoryTableViewCell, UITableViewCell)
    static constexpr const char* kReuseIdentifier = "transfer_history_cell";
    static constexpr const char* kNibName = "TransferHistoryTableViewCell";
    static constexpr CGFloat kRowHeight = 90;

    // initWithCoder:
    TransferHistoryTableViewCell();
    // initWithStyle:reuseIdentifier:
    TransferHistoryTableViewCell(UITableViewCellStyle style, const std::string& reuseIdentifier);
    ~TransferHistoryTableViewCell() override;

    // Fills the row from a history record. A value that is not text shows as no text; a status other
    // than "Successful", "Scheduled" or "Failed" shows no image, so a reused row keeps none of its
    // previous record.
    void showRecord(const Value& record);

    FV_OUTLET(UILabel, lbl_type);
    FV_OUTLET(UILabel, lbl_from);
    FV_OUTLET(UILabel, lbl_to);
    FV_OUTLET(UILabel, lbl_amount);
    FV_OUTLET(UIImageView, img_status);
};

}  // namespace fv
