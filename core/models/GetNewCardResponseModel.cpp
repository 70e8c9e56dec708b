#include "core/models/GetNewCardResponseModel.h"

namespace fv {

const MappedModel::Schema& GetNewCardResponseModel::schema() const {
    static const Schema table{"GetNewCardResponseModel",
                              {
                                  record(&GetNewCardResponseModel::createCardHolderResponse,
                                         "createCardHolderResponse", "create_cardholder_response"),
                              }};
    return table;
}

}  // namespace fv
