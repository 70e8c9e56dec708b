#include "onboarding/wizard/AccountCreationViewModel.h"

#include "onboarding/wizard/NewCardProfile.h"

namespace fv {

FV_REGISTER_CLASS(AccountCreationViewModel);

void AccountCreationViewModel::setEmailToRequestModel(const std::string& email) {
    if (auto profile = newCardProfileData()) profile->email = email;
}

void AccountCreationViewModel::setPasswordToRequestModel(const std::string&) {}

}  // namespace fv
