#pragma once
// One row of the locations list: the place's name and address, a direction icon with its caption and
// the button that asks for directions to the place. The screen fills it.
#include <memory>
#include <string>

#include "platform/foundation/Value.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UITableView.h"
#include "platform/ui/UITableViewCell.h"

namespace fv {

class LocationTableViewCell;
using LocationTableViewCellPtr = std::shared_ptr<LocationTableViewCell>;

class LocationTableViewCell : public UITableViewCell {
    FV_CLASS(LocationTableViewCell, UITableViewCell)
    static constexpr const char* kReuseIdentifier = "location_cell";
    static constexpr const char* kNibName = "LocationTableViewCell";
    static constexpr CGFloat kRowHeight = 80;

    // initWithCoder:
    LocationTableViewCell();
    // initWithStyle:reuseIdentifier:
    LocationTableViewCell(UITableViewCellStyle style, const std::string& reuseIdentifier);
    ~LocationTableViewCell() override;

    // A row of `tableView` for "location_cell", registering the interface file on the first miss;
    // none when the file cannot be loaded.
    static LocationTableViewCellPtr dequeue(UITableView& tableView);

    // Shows `point` (a "locations.plist" point) at `row`: theme colours, name and address, and the
    // direction button sending `selector` to `target` with the row as its tag. The button keeps one
    // action however often the row is reused.
    void showLocation(const Value& point, long row, const NSObjectPtr& target, const std::string& selector);

    FV_OUTLET(UILabel, lbl_title);
    FV_OUTLET(UIView, view_separator);
    FV_OUTLET(UILabel, lbl_address);
    FV_OUTLET(UIImageView, img_directionIcon);
    FV_OUTLET(UILabel, lbl_miles);
    FV_OUTLET(UIButton, btn_directionToLocation);
};

}  // namespace fv
