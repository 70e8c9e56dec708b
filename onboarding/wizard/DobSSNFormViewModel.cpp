#include "onboarding/wizard/DobSSNFormViewModel.h"

#include "onboarding/wizard/NewCardProfile.h"

namespace fv {

FV_REGISTER_CLASS(DobSSNFormViewModel);

void DobSSNFormViewModel::setDOBToRequestModel(const std::string& dateOfBirth) {
    if (auto profile = newCardProfileData()) profile->dateOfBirth = dateOfBirth;
}

void DobSSNFormViewModel::setSSNToRequestModel(const std::string& ssn) {
    if (auto kyc = newCardKycData()) kyc->ssn = ssn;
}

}  // namespace fv
