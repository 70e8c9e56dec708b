#pragma once
// The applicant's address; one record, not a list.
#include <memory>

#include "core/models/Address.h"
#include "platform/kits/MappedModel.h"

namespace fv {

class Addresses : public MappedModel {
  public:
    std::shared_ptr<Address> address;

  protected:
    const Schema& schema() const override;
};

}  // namespace fv
