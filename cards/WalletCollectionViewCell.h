#pragma once
// The wallet strip's cell for a card with several wallets: one of the strip's side-by-side tiles.
#include <memory>

#include "cards/WalletCellBase.h"

namespace fv {

class WalletCollectionViewCell : public WalletCellBase {
    FV_CLASS(WalletCollectionViewCell, WalletCellBase)
    static constexpr const char* kReuseIdentifier = "wallet_cell";
    static constexpr const char* kNibName = "WalletCollectionViewCell";

    WalletCollectionViewCell();
    ~WalletCollectionViewCell() override;
};

using WalletCollectionViewCellPtr = std::shared_ptr<WalletCollectionViewCell>;

}  // namespace fv
