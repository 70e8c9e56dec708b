#include "cards/WalletCellBase.h"

namespace fv {

FV_REGISTER_CLASS(WalletCellBase);

WalletCellBase::WalletCellBase() = default;

WalletCellBase::~WalletCellBase() = default;

void WalletCellBase::awakeFromNib() {
    UICollectionViewCell::awakeFromNib();
    auto& flag = *Img_Flag->layer();
    flag.masksToBounds = false;
    flag.shadowOffset = CGSizeMake(0, 0);
    flag.shadowRadius = 1.0;
    flag.shadowOpacity = 0.5;
}

void WalletCellBase::AddShadow() {
    auto& cellLayer = *layer();
    cellLayer.masksToBounds = false;
    cellLayer.shadowOffset = CGSizeMake(1, 1);
    cellLayer.shadowRadius = 1.0;
    cellLayer.shadowOpacity = 0.5;
}

}  // namespace fv
