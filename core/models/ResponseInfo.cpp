#include "core/models/ResponseInfo.h"

namespace fv {

const MappedModel::Schema& ResponseInfo::schema() const {
    static const Schema table{"ResponseInfo",
                              {
                                  text(&ResponseInfo::responseCode, "responseCode", "responseCode"),
                                  text(&ResponseInfo::acquirerRefNo, "acquirerRefNo", "acquirerRefNo"),
                                  text(&ResponseInfo::responseDesc, "responseDesc", "responseDesc"),
                                  text(&ResponseInfo::transactionId, "transactionId", "transactionId"),
                              }};
    return table;
}

}  // namespace fv
