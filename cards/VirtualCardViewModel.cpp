#include "cards/VirtualCardViewModel.h"

#include "core/ApiDataModel.h"

namespace fv {

FV_REGISTER_CLASS(VirtualCardViewModel);

std::optional<std::string> VirtualCardViewModel::getCardNumber(long index) const {
    const auto response = ApiDataModel::sharedInstance()->getNewCardResponse();
    if (!response || !response->createCardHolderResponse || index < 0) return std::nullopt;
    const auto& cards = response->createCardHolderResponse->cardsDataList;
    if (static_cast<std::size_t>(index) >= cards.size() || !cards[static_cast<std::size_t>(index)])
        return std::nullopt;
    return cards[static_cast<std::size_t>(index)]->cardNo;
}

}  // namespace fv
