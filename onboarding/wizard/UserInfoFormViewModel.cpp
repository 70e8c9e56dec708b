#include "onboarding/wizard/UserInfoFormViewModel.h"

#include "onboarding/wizard/NewCardProfile.h"

namespace fv {

FV_REGISTER_CLASS(UserInfoFormViewModel);

void UserInfoFormViewModel::setFirstNameToRequestModel(const std::string& firstName) {
    if (auto profile = newCardProfileData()) profile->firstName = firstName;
}

void UserInfoFormViewModel::setLastNameToRequestModel(const std::string& lastName) {
    if (auto profile = newCardProfileData()) profile->lastName = lastName;
}

void UserInfoFormViewModel::setAddress1ToRequestModel(const std::string& address1) {
    if (auto address = newCardAddress()) address->address1 = address1;
}

void UserInfoFormViewModel::setAddress2ToRequestModel(const std::string& address2) {
    if (auto address = newCardAddress()) address->address2 = address2;
}

}  // namespace fv
