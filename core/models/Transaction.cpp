#include "core/models/Transaction.h"

namespace fv {

const MappedModel::Schema& Transaction::schema() const {
    static const Schema table{"Transaction",
                              {
                                  text(&Transaction::acquirerId, "acquirerId", "acquirer_id"),
                                  text(&Transaction::acquirerRefNo, "acquirerRefNo", "acquirer_ref_no"),
                                  text(&Transaction::cardAcceptorId, "cardAcceptorId", "card_acceptor_id"),
                                  text(&Transaction::cardAcceptorNameLocation, "cardAcceptorNameLocation",
                                       "card_acceptor_name_location"),
                                  text(&Transaction::descriptionTxt, "descriptionTxt", "description"),
                                  text(&Transaction::deviceId, "deviceId", "device_id"),
                                  text(&Transaction::deviceType, "deviceType", "device_type"),
                                  text(&Transaction::localDateTime, "localDateTime", "local_date_time"),
                                  text(&Transaction::mcc, "mcc", "mcc"),
                              }};
    return table;
}

}  // namespace fv
