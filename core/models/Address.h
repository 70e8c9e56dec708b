#pragma once
// A postal address of the applicant.
#include <string>

#include "platform/kits/MappedModel.h"

namespace fv {

class Address : public MappedModel {
  public:
    std::string address1;
    std::string address2;
    std::string addressType;
    std::string city;
    std::string country;
    std::string postalCode;
    std::string state;

  protected:
    const Schema& schema() const override;
};

}  // namespace fv
