#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "banking/BankLinkReplies.h"

namespace fv {
namespace {

const EnteredBankDetails kEntered{"1111222233330000", "011401533", "Checking"};

struct AchRow {
    std::string accountId, account, routing;
};
struct AccountRow {
    std::string accountId, subtype;
};

BankLinkAuth auth(const std::vector<AchRow>& ach, const std::vector<AccountRow>& accounts) {
    BankLinkAuth out;
    Value::Array numbers, found;
    for (const auto& n : ach)
        numbers.push_back(Value(
            Value::Dictionary{{"account_id", n.accountId}, {"account", n.account}, {"routing", n.routing}}));
    for (const auto& a : accounts)
        found.push_back(Value(Value::Dictionary{{"account_id", a.accountId}, {"subtype", a.subtype}}));
    return {Value(std::move(numbers)), Value(std::move(found))};
}

struct MatchCase {
    const char* name;
    BankLinkAuth auth;
    EnteredBankDetails entered;
    bool verified;
};

class BankLinkMatchTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(BankLinkMatchTest, FollowsTheFirstAgreeingNumber) {
    const auto match = bankLinkDetailsMatch(GetParam().auth, GetParam().entered);
    EXPECT_EQ(match.verified, GetParam().verified);
    EXPECT_EQ(match.problem, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BankLinkMatchTest,
    ::testing::Values(
        MatchCase{"Agrees", auth({{"a1", "1111222233330000", "011401533"}}, {{"a1", "checking"}}), kEntered,
                  true},
        MatchCase{"RoutingDiffersThenAgrees",
                  auth({{"a1", "1111222233330000", "999999999"}, {"a2", "1111222233330000", "011401533"}},
                       {{"a1", "checking"}, {"a2", "checking"}}),
                  kEntered, true},
        MatchCase{"AccountNumberCaseDiffers",
                  auth({{"a1", "ab12", "011401533"}}, {{"a1", "checking"}}),
                  {"AB12", "011401533", "checking"},
                  false},
        MatchCase{"TypeCaseDiffers", auth({{"a1", "1111222233330000", "011401533"}}, {{"a1", "CHECKING"}}),
                  kEntered, true},
        MatchCase{"TrailingSpace",
                  auth({{"a1", "1111222233330000", "011401533"}}, {{"a1", "checking"}}),
                  {"1111222233330000 ", "011401533", "Checking"},
                  false},
        MatchCase{"IdFoundAsSubstringInAnyCase",
                  auth({{"a1", "1111222233330000", "011401533"}}, {{"xx-A1-yy", "checking"}}), kEntered,
                  true},
        MatchCase{
            "FirstCandidateSuppliesTheSubtype",
            auth({{"a1", "1111222233330000", "011401533"}}, {{"a1-s", "savings"}, {"a1-c", "checking"}}),
            kEntered, false},
        MatchCase{"EmptyIdNamesNoAccount",
                  auth({{"", "1111222233330000", "011401533"}}, {{"a1", "checking"}}), kEntered, false},
        MatchCase{"NoAccountForTheId", auth({{"a9", "1111222233330000", "011401533"}}, {{"a1", "checking"}}),
                  kEntered, false},
        MatchCase{"WrongType", auth({{"a1", "1111222233330000", "011401533"}}, {{"a1", "savings"}}), kEntered,
                  false},
        MatchCase{"AccentsIgnoredInTheId",
                  auth({{"caf\u00E9", "1111222233330000", "011401533"}}, {{"CAFE-1", "checking"}}), kEntered,
                  true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BankLinkRepliesTest, ReadsTheAccessTokenOnlyFromAnObjectWithAText) {
    EXPECT_EQ(readAccessToken(R"({"access_token":"access-1","item_id":"i"})").value, "access-1");
    for (const char* body :
         {"", "null", "[]", "{}", R"({"access_token":""})", R"({"access_token":7})", "{\"a\":"}) {
        auto read = readAccessToken(body);
        EXPECT_FALSE(read.value) << body;
        EXPECT_FALSE(read.problem.empty()) << body;
    }
    EXPECT_FALSE(readAccessToken(std::string(kBankLinkReplyMaximumSize + 1, ' ')).value);
}

// Only what the match reaches is read: what lies beyond the verifying number does not matter, and a
// malformed element it has to read ends it unverified, named without any number in it.
struct ReadCase {
    const char* name;
    const char* ach;
    const char* accounts;
    bool verified;
    const char* problem;
};

class BankLinkReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(BankLinkReadTest, ReadsOnlyAsFarAsTheMatchGoes) {
    const auto body = std::string(R"({"numbers":{"ach":)") + GetParam().ach + R"(},"accounts":)" +
                      GetParam().accounts + "}";
    const auto read = readAuthReply(body);
    ASSERT_TRUE(read.value) << read.problem;
    const auto match = bankLinkDetailsMatch(*read.value, kEntered);
    EXPECT_EQ(match.verified, GetParam().verified);
    EXPECT_EQ(match.problem, GetParam().problem);
    EXPECT_EQ(match.problem.find("1111222233330000"), std::string::npos);
}

#define GOOD_ACH R"({"account_id":"a1","account":"1111222233330000","routing":"011401533"})"
#define GOOD_ACCOUNT R"({"account_id":"a1","subtype":"checking"})"

INSTANTIATE_TEST_SUITE_P(
    Cases, BankLinkReadTest,
    ::testing::Values(
        ReadCase{"OtherAccountWithANullSubtype", "[" GOOD_ACH "]",
                 R"([{"account_id":"b2","subtype":null},)" GOOD_ACCOUNT "]", true, ""},
        ReadCase{"AccountsWithoutIdsOrNotObjects", "[" GOOD_ACH "]",
                 R"([{"subtype":"savings"},{"account_id":null},7,)" GOOD_ACCOUNT "]", true, ""},
        ReadCase{"LaterMalformedNumbers", "[" GOOD_ACH R"(,{"account":null},"x",{"account_id":5}])",
                 "[" GOOD_ACCOUNT "]", true, ""},
        ReadCase{"NumberWithoutAnIdThenTheMatch",
                 R"([{"account":"1111222233330000","routing":"011401533"},)" GOOD_ACH "]",
                 "[" GOOD_ACCOUNT "]", true, ""},
        ReadCase{"MalformedNumberBeforeTheMatch",
                 R"([{"account_id":"a0","account":"1111222233330000"},)" GOOD_ACH "]", "[" GOOD_ACCOUNT "]",
                 false, "ach entry 0 has no text \"routing\""},
        ReadCase{"NumberThatIsNotAnObject", R"([[],)" GOOD_ACH "]", "[" GOOD_ACCOUNT "]", false,
                 "ach entry 0 is not an object"},
        ReadCase{"IllTypedIdBeforeTheMatch", R"([{"account_id":5,"account":"1","routing":"2"},)" GOOD_ACH "]",
                 "[" GOOD_ACCOUNT "]", false, "ach entry 0 has an ill-typed \"account_id\""},
        ReadCase{"FoundAccountWithANullSubtype", "[" GOOD_ACH "]", R"([{"account_id":"a1","subtype":null}])",
                 false, "account 0 has no text \"subtype\""}),
    [](const auto& info) { return std::string(info.param.name); });

#undef GOOD_ACH
#undef GOOD_ACCOUNT

TEST(BankLinkRepliesTest, AnAuthReplyNeedsAchNumbersAndAnAccountsArray) {
    for (const char* body : {"", "[]", R"({"accounts":[]})", R"({"numbers":{"ach":[]},"accounts":[]})",
                             R"({"numbers":{"ach":[{}]}})", R"({"numbers":{"ach":{}},"accounts":[]})"}) {
        const auto read = readAuthReply(body);
        EXPECT_FALSE(read.value) << body;
        EXPECT_FALSE(read.problem.empty()) << body;
    }
    EXPECT_FALSE(readAuthReply(std::string(kBankLinkReplyMaximumSize + 1, ' ')).value);
}

TEST(BankLinkRepliesTest, EnteredDetailsNeedTheThreeTexts) {
    EXPECT_FALSE(enteredBankDetails(std::nullopt));
    EXPECT_FALSE(
        enteredBankDetails(Value(Value::Dictionary{{"ACCOUNT_NUMBER", "1"}, {"ACCOUNT_TYPE", "c"}})));
    auto entered = enteredBankDetails(Value(
        Value::Dictionary{{"ACCOUNT_NUMBER", "1"}, {"ACCOUNT_ROUTING_NUMBER", "2"}, {"ACCOUNT_TYPE", "c"}}));
    ASSERT_TRUE(entered);
    EXPECT_EQ(entered->routingNumber, "2");
}

TEST(BankLinkRepliesTest, DescribesOnlyKeyNames) {
    EXPECT_EQ(describeKeys(Value(Value::Dictionary{{"institution", "Harbor"}, {"link_session_id", "s"}})),
              "2 keys: institution, link_session_id");
    EXPECT_EQ(describeKeys(std::nullopt), "none");
}

}  // namespace
}  // namespace fv
