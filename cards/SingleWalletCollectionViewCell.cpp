#include "cards/SingleWalletCollectionViewCell.h"

namespace fv {

FV_REGISTER_CLASS(SingleWalletCollectionViewCell);

SingleWalletCollectionViewCell::SingleWalletCollectionViewCell() = default;

SingleWalletCollectionViewCell::~SingleWalletCollectionViewCell() = default;

}  // namespace fv
