#pragma once
// What the two wallet cells share: the flag, currency and amount outlets and their shadows. The cells
// differ only in their interface files.
#include "platform/ui/UICollectionViewCell.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"

namespace fv {

class WalletCellBase : public UICollectionViewCell {
    FV_CLASS(WalletCellBase, UICollectionViewCell)
    WalletCellBase();
    ~WalletCellBase() override;

    // The flag gets a soft shadow centred under it.
    void awakeFromNib() override;
    // The cell's own shadow, one point right and down; calling it again changes nothing.
    void AddShadow();

    FV_OUTLET(UIImageView, Img_Flag);
    FV_OUTLET(UILabel, Lbl_Currency);
    FV_OUTLET(UILabel, Lbl_Amount);
};

}  // namespace fv
