#pragma once
// A plain row of a side menu: its title over a separator line. The look is the interface file's;
// selection adds none of its own.
#include <memory>

#include "platform/ui/UILabel.h"
#include "platform/ui/UITableViewCell.h"

namespace fv {

class SidemenuRowTableViewCell : public UITableViewCell {
    FV_CLASS(SidemenuRowTableViewCell, UITableViewCell)
    using UITableViewCell::UITableViewCell;

    FV_OUTLET(UILabel, lbl);
    FV_OUTLET(UIView, view_separator);
};

using SidemenuRowTableViewCellPtr = std::shared_ptr<SidemenuRowTableViewCell>;

}  // namespace fv
