#include "core/models/CardsData.h"

namespace fv {

const MappedModel::Schema& CardsData::schema() const {
    static const Schema table{"CardsData",
                              {
                                  records(&CardsData::accountBalances, "accountBalances", "accountBalances"),
                                  text(&CardsData::cardholderId, "cardholderId", "cardholderId"),
                                  text(&CardsData::cardLastFour, "cardLastFour", "cardLastFour"),
                                  text(&CardsData::cardNo, "cardNo", "cardNo", Optional | ShowLastFour),
                                  text(&CardsData::cardRefNo, "cardRefNo", "cardRefNo"),
                                  text(&CardsData::cardStatus, "cardStatus", "cardStatus"),
                                  text(&CardsData::createdOn, "createdOn", "createdOn"),
                              }};
    return table;
}

}  // namespace fv
