#pragma once
// Root of the backend's reply to a new-card application.
#include <memory>

#include "core/models/CreateCardHolderResponse.h"
#include "platform/kits/MappedModel.h"

namespace fv {

class GetNewCardResponseModel : public MappedModel {
  public:
    std::shared_ptr<CreateCardHolderResponse> createCardHolderResponse;

  protected:
    const Schema& schema() const override;
};

}  // namespace fv
