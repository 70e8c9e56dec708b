#include "core/models/Address.h"

namespace fv {

const MappedModel::Schema& Address::schema() const {
    static const Schema table{"Address",
                              {
                                  text(&Address::address1, "address1", "address1"),
                                  text(&Address::address2, "address2", "address2"),
                                  text(&Address::addressType, "addressType", "address_type"),
                                  text(&Address::city, "city", "city"),
                                  text(&Address::country, "country", "country"),
                                  text(&Address::postalCode, "postalCode", "postal_code"),
                                  text(&Address::state, "state", "state"),
                              }};
    return table;
}

}  // namespace fv
