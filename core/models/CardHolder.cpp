#include "core/models/CardHolder.h"

namespace fv {

const MappedModel::Schema& CardHolder::schema() const {
    static const Schema table{
        "CardHolder",
        {
            text(&CardHolder::activateCard, "activateCard", "activate_card"),
            text(&CardHolder::cardBin, "cardBin", "card_bin"),
            text(&CardHolder::ddaAccountNo, "ddaAccountNo", "dda_account_no", ShowLastFour),
            text(&CardHolder::ddaRoutingNo, "ddaRoutingNo", "dda_routing_no", ShowLastFour),
            text(&CardHolder::initialLoadAmount, "initialLoadAmount", "initial_load_amount"),
            text(&CardHolder::program_id, "program_id", "program_id"),
            record(&CardHolder::profileData, "profileData", "profile_data"),
        }};
    return table;
}

}  // namespace fv
