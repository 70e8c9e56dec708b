#include "core/models/CreateCardHolder.h"

namespace fv {

const MappedModel::Schema& CreateCardHolder::schema() const {
    static const Schema table{"CreateCardHolder",
                              {
                                  record(&CreateCardHolder::transaction, "transaction", "transaction"),
                                  record(&CreateCardHolder::cardHolder, "cardHolder", "cardholder_data"),
                              }};
    return table;
}

}  // namespace fv
