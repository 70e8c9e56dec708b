#include "core/models/AccountBalances.h"

namespace fv {

const MappedModel::Schema& AccountBalances::schema() const {
    static const Schema table{"AccountBalances",
                              {
                                  text(&AccountBalances::cardBalance, "cardBalance", "cardBalance"),
                                  text(&AccountBalances::currencyCode, "currencyCode", "currencyCode"),
                                  text(&AccountBalances::heldAmount, "heldAmount", "heldAmount"),
                                  text(&AccountBalances::ledgerBalance, "ledgerBalance", "ledgerBalance"),
                                  text(&AccountBalances::walletId, "walletId", "walletId"),
                              }};
    return table;
}

}  // namespace fv
