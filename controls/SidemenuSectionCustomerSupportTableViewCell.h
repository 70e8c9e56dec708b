#pragma once
// The customer-support section of a side menu: two telephone numbers, each with its call button,
// under an icon. The look is the interface file's; selection adds none of its own.
#include <memory>

#include "platform/ui/UIButton.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UITableViewCell.h"

namespace fv {

class SidemenuSectionCustomerSupportTableViewCell : public UITableViewCell {
    FV_CLASS(SidemenuSectionCustomerSupportTableViewCell, UITableViewCell)
    using UITableViewCell::UITableViewCell;

    FV_OUTLET(UILabel, lbl_customerNumber);
    FV_OUTLET(UILabel, lbl_domesticNumber);
    FV_OUTLET(UIButton, btn_customerNumber);
    FV_OUTLET(UIButton, btn_domesticNumber);
    FV_OUTLET(UIImageView, img_categoryImg);
};

using SidemenuSectionCustomerSupportTableViewCellPtr =
    std::shared_ptr<SidemenuSectionCustomerSupportTableViewCell>;

}  // namespace fv
