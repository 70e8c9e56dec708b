#pragma once
// A bank account of the user, as the bank-account lists show and filter it.
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/KeyValueCoding.h"
#include "platform/foundation/Value.h"

namespace fv {

class BankAccountModel;
using BankAccountModelPtr = std::shared_ptr<BankAccountModel>;

class BankAccountModel : public KeyValueCoding {
  public:
    // Every property is readable by its name: the lists filter on "SELF.bankName" and the like.
    Value valueForKey(const std::string& key) const override;

    const std::string& legalName() const { return legalName_; }
    void setLegalName(const std::string& v) { legalName_ = v; }
    const std::string& bankName() const { return bankName_; }
    void setBankName(const std::string& v) { bankName_ = v; }
    const std::string& routingNumber() const { return routingNumber_; }
    void setRoutingNumber(const std::string& v) { routingNumber_ = v; }
    const std::string& accountNumber() const { return accountNumber_; }
    void setAccountNumber(const std::string& v) { accountNumber_ = v; }
    const std::string& accountType() const { return accountType_; }
    void setAccountType(const std::string& v) { accountType_ = v; }
    const std::string& nickName() const { return nickName_; }
    void setNickName(const std::string& v) { nickName_ = v; }
    // "Verified", "In-Process" or "Un-Verified".
    const std::string& status() const { return status_; }
    void setStatus(const std::string& v) { status_ = v; }
    // "V", "L", "I" or "F".
    const std::string& accountStatus() const { return accountStatus_; }
    void setAccountStatus(const std::string& v) { accountStatus_ = v; }

    // One new model per dictionary of `records` (an array of "bankAccounts.plist" records), in order.
    // A missing key leaves its property empty; elements that are not dictionaries are skipped, and a
    // value that is not an array gives an empty result. The receiver is left unchanged.
    std::vector<BankAccountModelPtr> setupBankAccount(const Value& records) const;

  private:
    std::string legalName_, bankName_, routingNumber_, accountNumber_, accountType_, nickName_, status_,
        accountStatus_;
};

}  // namespace fv
