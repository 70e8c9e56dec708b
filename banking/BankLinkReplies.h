#pragma once
// Reading the bank-link vendor's two REST replies, and matching the entered bank details against the
// account and routing numbers the vendor reports. The replies come from the network: anything that is
// not the expected shape is a problem, described without any token or number it may hold.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/Value.h"

namespace fv {

// Replies larger than this are refused before parsing; the vendor's are a few kilobytes.
inline constexpr std::size_t kBankLinkReplyMaximumSize = 1024 * 1024;

template <typename T>
struct BankLinkRead {
    std::optional<T> value;
    // Why there is no value: which member is missing or ill-typed, never its content.
    std::string problem;
};

// The "access_token" of a token-exchange reply: a non-empty text inside a JSON object.
BankLinkRead<std::string> readAccessToken(std::string_view body);

struct BankLinkAchNumber {
    std::string accountId;  // may be empty: it then names no account
    std::string account;
    std::string routing;
};

struct BankLinkAccount {
    std::string accountId;
    std::string subtype;
};

struct BankLinkAuth {
    std::vector<BankLinkAchNumber> ach;
    std::vector<BankLinkAccount> accounts;
};

// An auth reply: an object with "numbers"."ach" (a non-empty array of objects with non-empty text
// "account" and "routing", and a text "account_id" or none) and "accounts" (an array of objects with
// text "account_id" and "subtype").
BankLinkRead<BankLinkAuth> readAuthReply(std::string_view body);

// The entered details the match needs, from a dictionary of the add-account form.
struct EnteredBankDetails {
    std::string accountNumber;
    std::string routingNumber;
    std::string accountType;
};
// None unless "ACCOUNT_NUMBER", "ACCOUNT_ROUTING_NUMBER" and "ACCOUNT_TYPE" are all texts.
std::optional<EnteredBankDetails> enteredBankDetails(const std::optional<Value>& dictionary);

// Whether the first ACH number, in order, whose account and routing numbers equal the entered ones
// exactly and whose account's subtype equals the entered type ignoring case verifies the account. An
// ACH number's account is the first of "accounts" whose id contains the number's id, ignoring case
// and accents; an empty id names none.
bool bankLinkDetailsMatch(const BankLinkAuth& auth, const EnteredBankDetails& entered);

// "<n> keys: a, b" for the log: the names of a dictionary's members, never their values.
std::string describeKeys(const std::optional<Value>& value);

}  // namespace fv
