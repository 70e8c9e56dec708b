#include "onboarding/wizard/VerificationPhoneEmailViewModel.h"

#include "core/ApiDataModel.h"
#include "onboarding/wizard/NewCardProfile.h"
#include "onboarding/wizard/PhoneNumberText.h"

namespace fv {

FV_REGISTER_CLASS(VerificationPhoneEmailViewModel);

void VerificationPhoneEmailViewModel::setEmailToRequestModel(const std::string& email) {
    if (auto profile = newCardProfileData()) profile->email = email;
}

void VerificationPhoneEmailViewModel::setPhoneNumberToRequestModel(const std::string& phoneNumber) {
    auto profile = newCardProfileData();
    if (!profile) return;
    const std::string number = "+1" + decimalDigitsOf(phoneNumber);
    profile->mobile = number;
    profile->phone = number;
}

void VerificationPhoneEmailViewModel::initializeCreateCardRequestModel() {
    ApiDataModel::sharedInstance()->Initialize_GetNewCardRequestInstance();
}

}  // namespace fv
