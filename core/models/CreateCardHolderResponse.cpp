#include "core/models/CreateCardHolderResponse.h"

namespace fv {

const MappedModel::Schema& CreateCardHolderResponse::schema() const {
    static const Schema table{
        "CreateCardHolderResponse",
        {
            record(&CreateCardHolderResponse::responseInfo, "responseInfo", "responseInfo"),
            records(&CreateCardHolderResponse::cardsDataList, "cardsDataList", "cardsData", Optional),
            record(&CreateCardHolderResponse::cardHolderInfo, "cardHolderInfo", "cardholderInfo", Optional),
        }};
    return table;
}

}  // namespace fv
