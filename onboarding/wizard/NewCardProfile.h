#pragma once
// The applicant's records in the one new-card request of ApiDataModel, reached hop by hop at the
// moment of the call, for the wizard's view models to write into. Each answers none, with one log
// line, when the request or a record on the way is missing, so a write finds nothing rather than
// crashing.
#include <memory>

#include "core/models/Address.h"
#include "core/models/UserProfileData.h"
#include "core/models/kycData.h"

namespace fv {

std::shared_ptr<UserProfileData> newCardProfileData();
std::shared_ptr<Address> newCardAddress();
std::shared_ptr<kycData> newCardKycData();

}  // namespace fv
