#pragma once
// A section row of a side menu: icon, title, a highlight bar, the expand arrow and a separator. The
// look is the interface file's; selection adds none of its own.
#include <memory>

#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UITableViewCell.h"

namespace fv {

class SidemenuSectionTableViewCell : public UITableViewCell {
    FV_CLASS(SidemenuSectionTableViewCell, UITableViewCell)
    using UITableViewCell::UITableViewCell;

    FV_OUTLET(UIImageView, arrow);
    FV_OUTLET(UILabel, lbl);
    FV_OUTLET(UIView, view_highlight);
    FV_OUTLET(UIImageView, img_categoryImg);
    FV_OUTLET(UIView, view_separator);
};

using SidemenuSectionTableViewCellPtr = std::shared_ptr<SidemenuSectionTableViewCell>;

}  // namespace fv
