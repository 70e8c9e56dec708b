#include "core/models/kycData.h"

namespace fv {

const MappedModel::Schema& kycData::schema() const {
    static const Schema table{"kycData",
                              {
                                  text(&kycData::ssn, "ssn", "ssn", Secret),
                              }};
    return table;
}

}  // namespace fv
