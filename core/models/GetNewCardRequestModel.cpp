#include "core/models/GetNewCardRequestModel.h"

namespace fv {

const MappedModel::Schema& GetNewCardRequestModel::schema() const {
    static const Schema table{
        "GetNewCardRequestModel",
        {
            record(&GetNewCardRequestModel::createCardHolder, "createCardHolder", "create_cardholder"),
        }};
    return table;
}

void GetNewCardRequestModel::initWithPredefinedData() {
    auto transaction = std::make_shared<Transaction>();
    transaction->acquirerId = "acq-ws-1";
    transaction->acquirerRefNo = "3456999";

    auto address = std::make_shared<Address>();
    address->addressType = "S";
    auto addresses = std::make_shared<Addresses>();
    addresses->address = address;

    auto profile = std::make_shared<UserProfileData>();
    profile->gender = "M";
    profile->kycData = std::make_shared<kycData>();
    profile->addresses = addresses;

    auto holder = std::make_shared<CardHolder>();
    holder->cardBin = "221133";
    holder->program_id = "SF_Prg1";
    holder->profileData = profile;

    createCardHolder = std::make_shared<CreateCardHolder>();
    createCardHolder->transaction = transaction;
    createCardHolder->cardHolder = holder;
}

}  // namespace fv
