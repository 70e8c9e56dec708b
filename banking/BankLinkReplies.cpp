#include "banking/BankLinkReplies.h"

#include "platform/foundation/JSON.h"
#include "platform/foundation/Predicate.h"
#include "platform/foundation/Text.h"

namespace fv {

namespace {

std::optional<Value> parseObject(std::string_view body, std::string& problem) {
    if (body.size() > kBankLinkReplyMaximumSize) {
        problem = "the reply is too large";
        return std::nullopt;
    }
    auto parsed = JSON::parse(body);
    if (!parsed) {
        problem = "the reply is not JSON";
        return std::nullopt;
    }
    if (!parsed->isDictionary()) {
        problem = "the reply is not a JSON object";
        return std::nullopt;
    }
    return parsed;
}

// A member that must be a non-empty text.
std::optional<std::string> nonEmptyText(const Value& object, const char* key) {
    const Value& member = object[key];
    if (!member.isString() || member.stringValue().empty()) return std::nullopt;
    return member.stringValue();
}

std::string missing(const std::string& where, const char* key) {
    return where + " has no text \"" + key + "\"";
}

struct AchNumber {
    std::string accountId;  // empty: it names no account
    std::string account;
    std::string routing;
};

std::optional<AchNumber> readAch(const Value& entry, std::size_t index, std::string& problem) {
    const std::string where = "ach entry " + std::to_string(index);
    if (!entry.isDictionary()) {
        problem = where + " is not an object";
        return std::nullopt;
    }
    const Value& id = entry["account_id"];
    if (!id.isNull() && !id.isString()) {
        problem = where + " has an ill-typed \"account_id\"";
        return std::nullopt;
    }
    const auto account = nonEmptyText(entry, "account");
    const auto routing = nonEmptyText(entry, "routing");
    if (!account || !routing) {
        problem = missing(where, account ? "routing" : "account");
        return std::nullopt;
    }
    return AchNumber{id.stringValue(), *account, *routing};
}

// The first element of "accounts" whose text id contains `accountId`, as its index; none when no
// element qualifies.
std::optional<std::size_t> accountFor(const Value::Array& accounts, const std::string& accountId) {
    const auto contains = NSPredicate::containsCD("SELF", accountId);
    for (std::size_t i = 0; i < accounts.size(); ++i) {
        const Value& id = accounts[i]["account_id"];
        if (id.isString() && contains(id)) return i;
    }
    return std::nullopt;
}

}  // namespace

BankLinkRead<std::string> readAccessToken(std::string_view body) {
    BankLinkRead<std::string> read;
    auto reply = parseObject(body, read.problem);
    if (!reply) return read;
    if (auto token = nonEmptyText(*reply, "access_token"))
        read.value = std::move(token);
    else
        read.problem = missing("the reply", "access_token");
    return read;
}

BankLinkRead<BankLinkAuth> readAuthReply(std::string_view body) {
    BankLinkRead<BankLinkAuth> read;
    auto reply = parseObject(body, read.problem);
    if (!reply) return read;
    const Value& numbers = (*reply)["numbers"];
    const Value::Array* ach = numbers.isDictionary() ? numbers["ach"].asArray() : nullptr;
    const Value::Array* accounts = (*reply)["accounts"].asArray();
    if (!ach || ach->empty()) {
        read.problem = "the reply has no \"numbers\".\"ach\" entries";
        return read;
    }
    if (!accounts) {
        read.problem = "the reply has no \"accounts\" array";
        return read;
    }
    read.value = BankLinkAuth{numbers["ach"], (*reply)["accounts"]};
    return read;
}

std::optional<EnteredBankDetails> enteredBankDetails(const std::optional<Value>& dictionary) {
    if (!dictionary || !dictionary->isDictionary()) return std::nullopt;
    const Value& d = *dictionary;
    if (!d["ACCOUNT_NUMBER"].isString() || !d["ACCOUNT_ROUTING_NUMBER"].isString() ||
        !d["ACCOUNT_TYPE"].isString())
        return std::nullopt;
    return EnteredBankDetails{d["ACCOUNT_NUMBER"].stringValue(), d["ACCOUNT_ROUTING_NUMBER"].stringValue(),
                              d["ACCOUNT_TYPE"].stringValue()};
}

BankLinkMatch bankLinkDetailsMatch(const BankLinkAuth& auth, const EnteredBankDetails& entered) {
    BankLinkMatch match;
    const Value::Array* numbers = auth.ach.asArray();
    const Value::Array* accounts = auth.accounts.asArray();
    if (!numbers || !accounts) return match;
    const std::string enteredType = text::lowercase(entered.accountType);
    for (std::size_t i = 0; i < numbers->size(); ++i) {
        const auto number = readAch((*numbers)[i], i, match.problem);
        if (!number) return match;
        if (number->account != entered.accountNumber || number->routing != entered.routingNumber) continue;
        // An empty id would be found in every account; it names none.
        if (number->accountId.empty()) continue;
        const auto found = accountFor(*accounts, number->accountId);
        if (!found) continue;
        const Value& subtype = (*accounts)[*found]["subtype"];
        if (!subtype.isString()) {
            match.problem = "account " + std::to_string(*found) + " has no text \"subtype\"";
            return match;
        }
        if (text::lowercase(subtype.stringValue()) == enteredType) {
            match.verified = true;
            return match;
        }
    }
    return match;
}

std::string describeKeys(const std::optional<Value>& value) {
    if (!value) return "none";
    const Value::Dictionary* members = value->asDictionary();
    if (!members) return "not a dictionary";
    std::string text = std::to_string(members->size()) + " keys";
    const char* separator = ": ";
    for (const auto& [key, member] : *members) {
        (void)member;
        text += separator + key;
        separator = ", ";
    }
    return text;
}

}  // namespace fv
