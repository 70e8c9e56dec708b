#pragma once
// Identity-check data of the applicant.
#include <string>

#include "platform/kits/MappedModel.h"

namespace fv {

class kycData : public MappedModel {
  public:
    std::string ssn;

  protected:
    const Schema& schema() const override;
};

}  // namespace fv
