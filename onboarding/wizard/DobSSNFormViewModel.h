#pragma once
// Writes the applicant's date of birth and social security number into the new-card request.
#include <string>

#include "screenkit/ViewModel.h"

namespace fv {

class DobSSNFormViewModel : public ViewModel {
    FV_CLASS(DobSSNFormViewModel, ViewModel)

    void setDOBToRequestModel(const std::string& dateOfBirth);
    void setSSNToRequestModel(const std::string& ssn);
};

}  // namespace fv
