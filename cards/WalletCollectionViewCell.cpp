#include "cards/WalletCollectionViewCell.h"

namespace fv {

FV_REGISTER_CLASS(WalletCollectionViewCell);

WalletCollectionViewCell::WalletCollectionViewCell() = default;

WalletCollectionViewCell::~WalletCollectionViewCell() = default;

}  // namespace fv
