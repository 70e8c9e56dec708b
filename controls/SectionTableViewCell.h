#pragma once
// The day header of the transaction lists. Lists dequeue it by kReuseIdentifier, register the
// interface file kNibName only when that gives nothing, set Lbl_Date and show the cell's contentView
// as the section header.
#include <memory>

#include "platform/ui/UILabel.h"
#include "platform/ui/UITableViewCell.h"

namespace fv {

class SectionTableViewCell : public UITableViewCell {
    FV_CLASS(SectionTableViewCell, UITableViewCell)
    static constexpr const char* kReuseIdentifier = "section_cell";
    static constexpr const char* kNibName = "SectionTableViewCell";

    using UITableViewCell::UITableViewCell;

    FV_OUTLET(UILabel, Lbl_Date);
};

using SectionTableViewCellPtr = std::shared_ptr<SectionTableViewCell>;

}  // namespace fv
