#pragma once
// The backend's verdict; a `responseCode` of "0" means the card was issued.
#include <string>

#include "platform/kits/MappedModel.h"

namespace fv {

class ResponseInfo : public MappedModel {
  public:
    std::string responseCode;
    std::string acquirerRefNo;
    std::string responseDesc;
    std::string transactionId;

  protected:
    const Schema& schema() const override;
};

}  // namespace fv
