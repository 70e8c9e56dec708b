#pragma once
// The cardholder record the backend created.
#include <string>

#include "platform/kits/MappedModel.h"

namespace fv {

class CardHolderInfo : public MappedModel {
  public:
    std::string batchNo;
    std::string cardholderId;
    std::string createdOn;

  protected:
    const Schema& schema() const override;
};

}  // namespace fv
