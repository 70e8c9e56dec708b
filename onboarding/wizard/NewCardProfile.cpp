#include "onboarding/wizard/NewCardProfile.h"

#include "core/ApiDataModel.h"
#include "platform/foundation/Log.h"

namespace fv {

namespace {

template <typename T>
std::shared_ptr<T> present(std::shared_ptr<T> record, const char* what) {
    if (!record) log(std::string("New-card request: no ") + what + " to write into");
    return record;
}

}  // namespace

std::shared_ptr<UserProfileData> newCardProfileData() {
    auto request = present(ApiDataModel::sharedInstance()->getNewCardRequest(), "request");
    if (!request) return nullptr;
    auto create = present(request->createCardHolder, "create_cardholder");
    if (!create) return nullptr;
    auto holder = present(create->cardHolder, "cardholder_data");
    if (!holder) return nullptr;
    return present(holder->profileData, "profile_data");
}

std::shared_ptr<Address> newCardAddress() {
    auto profile = newCardProfileData();
    if (!profile) return nullptr;
    auto addresses = present(profile->addresses, "addresses");
    if (!addresses) return nullptr;
    return present(addresses->address, "address");
}

std::shared_ptr<kycData> newCardKycData() {
    auto profile = newCardProfileData();
    if (!profile) return nullptr;
    return present(profile->kycData, "kyc_data");
}

}  // namespace fv
