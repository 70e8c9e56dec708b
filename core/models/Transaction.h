#pragma once
// Who sends the application and from where.
#include <string>

#include "platform/kits/MappedModel.h"

namespace fv {

class Transaction : public MappedModel {
  public:
    std::string acquirerId;
    std::string acquirerRefNo;
    std::string cardAcceptorId;
    std::string cardAcceptorNameLocation;
    std::string descriptionTxt;
    std::string deviceId;
    std::string deviceType;
    std::string localDateTime;
    std::string mcc;

  protected:
    const Schema& schema() const override;
};

}  // namespace fv
