#pragma once
// The outcome of the application and, when issued, the cards.
#include <memory>
#include <vector>

#include "core/models/CardHolderInfo.h"
#include "core/models/CardsData.h"
#include "core/models/ResponseInfo.h"
#include "platform/kits/MappedModel.h"

namespace fv {

class CreateCardHolderResponse : public MappedModel {
  public:
    std::shared_ptr<ResponseInfo> responseInfo;
    std::vector<std::shared_ptr<CardsData>> cardsDataList;
    std::shared_ptr<CardHolderInfo> cardHolderInfo;

  protected:
    const Schema& schema() const override;
};

}  // namespace fv
