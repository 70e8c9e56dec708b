#include "core/models/CardHolderInfo.h"

namespace fv {

const MappedModel::Schema& CardHolderInfo::schema() const {
    static const Schema table{"CardHolderInfo",
                              {
                                  text(&CardHolderInfo::batchNo, "batchNo", "batchNo"),
                                  text(&CardHolderInfo::cardholderId, "cardholderId", "cardholderId"),
                                  text(&CardHolderInfo::createdOn, "createdOn", "createdOn"),
                              }};
    return table;
}

}  // namespace fv
