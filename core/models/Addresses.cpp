#include "core/models/Addresses.h"

namespace fv {

const MappedModel::Schema& Addresses::schema() const {
    static const Schema table{"Addresses",
                              {
                                  record(&Addresses::address, "address", "address"),
                              }};
    return table;
}

}  // namespace fv
