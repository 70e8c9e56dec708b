#include "transfers/TransferHistoryTableViewCell.h"

#include <array>
#include <utility>

#include "core/FrameworkResources.h"
#include "platform/graphics/UIColorHex.h"

namespace fv {

FV_REGISTER_CLASS(TransferHistoryTableViewCell);

namespace {

// Tried in order, by exact text.
constexpr std::array<std::pair<const char*, const char*>, 3> kStatusImages{{
    {"Successful", "verified.png"},
    {"Scheduled", "inprogress.png"},
    {"Failed", "unverified.png"},
}};

std::optional<std::string> textOf(const Value& value) {
    return value.asString();
}

}  // namespace

TransferHistoryTableViewCell::TransferHistoryTableViewCell() = default;

TransferHistoryTableViewCell::TransferHistoryTableViewCell(UITableViewCellStyle style,
                                                           const std::string& reuseIdentifier)
    : UITableViewCell(style, reuseIdentifier) {}

TransferHistoryTableViewCell::~TransferHistoryTableViewCell() = default;

void TransferHistoryTableViewCell::showRecord(const Value& record) {
    lbl_amount->setText(textOf(record["amount"]));
    lbl_type->setText(textOf(record["type"]));
    UIImagePtr statusImage;
    for (const auto& [status, image] : kStatusImages) {
        if (record["status"] == Value(status)) {
            statusImage = UIImage::imageNamed(image, frameworkBundle());
            break;
        }
    }
    img_status->setImage(statusImage);
    lbl_from->setText(textOf(record["from"]));
    lbl_to->setText(textOf(record["beneficiary_details"]));
    lbl_amount->setTextColor(record["trans_type"] == Value("debit") ? UIColor::redColor()
                                                                    : colorWithCSS("42dc6a"));
}

}  // namespace fv
