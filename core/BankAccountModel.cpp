#include "core/BankAccountModel.h"

namespace fv {

Value BankAccountModel::valueForKey(const std::string& key) const {
    if (key == "legalName") return legalName_;
    if (key == "bankName") return bankName_;
    if (key == "routingNumber") return routingNumber_;
    if (key == "accountNumber") return accountNumber_;
    if (key == "accountType") return accountType_;
    if (key == "nickName") return nickName_;
    if (key == "status") return status_;
    if (key == "accountStatus") return accountStatus_;
    return {};
}

std::vector<BankAccountModelPtr> BankAccountModel::setupBankAccount(const Value& records) const {
    std::vector<BankAccountModelPtr> accounts;
    const Value::Array* array = records.asArray();
    if (!array) return accounts;
    for (const Value& record : *array) {
        if (!record.isDictionary()) continue;
        auto account = std::make_shared<BankAccountModel>();
        account->legalName_ = record["LEGAL_NAME"].stringValue();
        account->bankName_ = record["BANK_NAME"].stringValue();
        account->routingNumber_ = record["ACCOUNT_ROUTING_NUMBER"].stringValue();
        account->accountNumber_ = record["ACCOUNT_NUMBER"].stringValue();
        account->accountType_ = record["ACCOUNT_TYPE"].stringValue();
        account->nickName_ = record["NICK_NAME"].stringValue();
        account->status_ = record["STATUS"].stringValue();
        account->accountStatus_ = record["ACCOUNT_STATUS"].stringValue();
        accounts.push_back(std::move(account));
    }
    return accounts;
}

}  // namespace fv
