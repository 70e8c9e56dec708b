#pragma once
// The applicant as the wizard collects them; texts are stored as typed.
#include <memory>
#include <string>

#include "core/models/Addresses.h"
#include "core/models/kycData.h"
#include "platform/kits/MappedModel.h"

namespace fv {

class UserProfileData : public MappedModel {
  public:
    std::string dateOfBirth;
    std::string email;
    std::string firstName;
    std::string middleName;
    std::string lastName;
    std::string gender;
    std::string mobile;
    std::string phone;
    std::shared_ptr<fv::kycData> kycData;  // qualified: the member shares the class name
    std::shared_ptr<Addresses> addresses;

  protected:
    const Schema& schema() const override;
};

}  // namespace fv
