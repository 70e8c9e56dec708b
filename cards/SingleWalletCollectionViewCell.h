#pragma once
// The wallet strip's cell for a card with a single wallet: one tile across the strip.
#include <memory>

#include "cards/WalletCellBase.h"

namespace fv {

class SingleWalletCollectionViewCell : public WalletCellBase {
    FV_CLASS(SingleWalletCollectionViewCell, WalletCellBase)
    static constexpr const char* kReuseIdentifier = "single_wallet_cell";
    static constexpr const char* kNibName = "SingleWalletCollectionViewCell";

    SingleWalletCollectionViewCell();
    ~SingleWalletCollectionViewCell() override;
};

using SingleWalletCollectionViewCellPtr = std::shared_ptr<SingleWalletCollectionViewCell>;

}  // namespace fv
