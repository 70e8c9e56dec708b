#pragma once
// The card asked for and the applicant's profile.
#include <memory>
#include <string>

#include "core/models/UserProfileData.h"
#include "platform/kits/MappedModel.h"

namespace fv {

class CardHolder : public MappedModel {
  public:
    std::string activateCard;
    std::string cardBin;
    std::string ddaAccountNo;
    std::string ddaRoutingNo;
    std::string initialLoadAmount;
    std::string program_id;
    std::shared_ptr<UserProfileData> profileData;

  protected:
    const Schema& schema() const override;
};

}  // namespace fv
