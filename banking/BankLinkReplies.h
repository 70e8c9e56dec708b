#pragma once
// Reading the bank-link vendor's two REST replies, and matching the entered bank details against the
// account and routing numbers the vendor reports. The replies come from the network: anything that is
// not the expected shape is a problem, described without any token or number it may hold.
#include <optional>
#include <string>
#include <string_view>

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

// The two arrays of an auth reply, as sent: the match reads their elements only as far as it gets.
struct BankLinkAuth {
    Value ach = Value::Array{};
    Value accounts = Value::Array{};
};

// An auth reply: an object with "numbers"."ach", a non-empty array, and "accounts", an array. Their
// elements are not looked at here.
BankLinkRead<BankLinkAuth> readAuthReply(std::string_view body);

// The entered details the match needs, from a dictionary of the add-account form.
struct EnteredBankDetails {
    std::string accountNumber;
    std::string routingNumber;
    std::string accountType;
};
// None unless "ACCOUNT_NUMBER", "ACCOUNT_ROUTING_NUMBER" and "ACCOUNT_TYPE" are all texts.
std::optional<EnteredBankDetails> enteredBankDetails(const std::optional<Value>& dictionary);

struct BankLinkMatch {
    bool verified = false;
    // Set when an element the match had to read is malformed; the match then stops unverified.
    std::string problem;
};

// Walks "ach" in order up to the first number that verifies the account: its "account" and "routing"
// equal the entered ones exactly and its account's "subtype" equals the entered type ignoring case.
// A number's account is the first element of "accounts" whose text "account_id" contains the number's
// id, ignoring case and accents; an empty or missing id names none, and an element without a text id
// is no candidate. Later numbers and accounts are never read, so what is malformed there does not
// matter; a malformed number before it, or a found account without a text subtype, ends the match.
BankLinkMatch bankLinkDetailsMatch(const BankLinkAuth& auth, const EnteredBankDetails& entered);

// "<n> keys: a, b" for the log: the names of a dictionary's members, never their values.
std::string describeKeys(const std::optional<Value>& value);

}  // namespace fv
