#include "core/models/UserProfileData.h"

namespace fv {

const MappedModel::Schema& UserProfileData::schema() const {
    static const Schema table{"UserProfileData",
                              {
                                  text(&UserProfileData::dateOfBirth, "dateOfBirth", "date_of_birth", Secret),
                                  text(&UserProfileData::email, "email", "email", Secret),
                                  text(&UserProfileData::firstName, "firstName", "first_name"),
                                  text(&UserProfileData::middleName, "middleName", "middle_name"),
                                  text(&UserProfileData::lastName, "lastName", "last_name"),
                                  text(&UserProfileData::gender, "gender", "gender"),
                                  text(&UserProfileData::mobile, "mobile", "mobile", Secret),
                                  text(&UserProfileData::phone, "phone", "phone", Secret),
                                  record(&UserProfileData::kycData, "kycData", "kyc_data"),
                                  record(&UserProfileData::addresses, "addresses", "addresses"),
                              }};
    return table;
}

}  // namespace fv
