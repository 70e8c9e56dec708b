#pragma once
// Writes the applicant's names and address lines into the new-card request, each as typed.
#include <string>

#include "screenkit/ViewModel.h"

namespace fv {

class UserInfoFormViewModel : public ViewModel {
    FV_CLASS(UserInfoFormViewModel, ViewModel)

    void setFirstNameToRequestModel(const std::string& firstName);
    void setLastNameToRequestModel(const std::string& lastName);
    void setAddress1ToRequestModel(const std::string& address1);
    void setAddress2ToRequestModel(const std::string& address2);
};

}  // namespace fv
