#pragma once
// Root of the new-card application that the wizard fills step by step.
#include <memory>

#include "core/models/CreateCardHolder.h"
#include "platform/kits/MappedModel.h"

namespace fv {

class GetNewCardRequestModel : public MappedModel {
  public:
    std::shared_ptr<CreateCardHolder> createCardHolder;

    // Builds the whole tree below this record with its defaults; every other text empty.
    void initWithPredefinedData();

  protected:
    const Schema& schema() const override;
};

}  // namespace fv
