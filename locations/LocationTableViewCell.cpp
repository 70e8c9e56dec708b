#include "locations/LocationTableViewCell.h"

#include "controls/UIImageViewTint.h"
#include "core/FrameworkResources.h"
#include "core/ThemeManager.h"
#include "platform/ui/UINib.h"
#include "platform/ui/UITableView.h"

namespace fv {

FV_REGISTER_CLASS(LocationTableViewCell);

LocationTableViewCell::LocationTableViewCell() = default;

LocationTableViewCell::LocationTableViewCell(UITableViewCellStyle style, const std::string& reuseIdentifier)
    : UITableViewCell(style, reuseIdentifier) {}

LocationTableViewCell::~LocationTableViewCell() = default;

LocationTableViewCellPtr LocationTableViewCell::dequeue(UITableView& tableView) {
    auto cell = std::dynamic_pointer_cast<LocationTableViewCell>(
        tableView.dequeueReusableCellWithIdentifier(kReuseIdentifier));
    if (cell) return cell;
    auto nib = UINib::nibWithNibName(kNibName, frameworkBundle());
    if (!nib) return nullptr;
    tableView.registerNib(nib, kReuseIdentifier);
    return std::dynamic_pointer_cast<LocationTableViewCell>(
        tableView.dequeueReusableCellWithIdentifier(kReuseIdentifier));
}

void LocationTableViewCell::showLocation(const Value& point, long row, const NSObjectPtr& target,
                                         const std::string& selector) {
    setBackgroundColor(UIColor::clearColor());
    setSelectionStyle(UITableViewCellSelectionStyleNone);
    auto theme = ThemeManager::sharedInstance();
    view_separator->setBackgroundColor(theme->border_color());
    lbl_title->setTextColor(theme->main_font_color());
    lbl_address->setTextColor(theme->light_font_color());
    lbl_miles->setTextColor(theme->light_font_color());
    tintAsTemplate(*img_directionIcon, theme->main_color());

    auto button = btn_directionToLocation.get();
    button->addTarget(target, selector, UIControlEventTouchUpInside);
    button->setTag(row);

    lbl_title->setText(point["Name"].description());
    lbl_address->setText(point["Address"].description());
}

}  // namespace fv
