#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "banking/BankLinkReplies.h"

namespace fv {
namespace {

const EnteredBankDetails kEntered{"1111222233330000", "011401533", "Checking"};

BankLinkAuth auth(std::vector<BankLinkAchNumber> ach, std::vector<BankLinkAccount> accounts) {
    return {std::move(ach), std::move(accounts)};
}

struct MatchCase {
    const char* name;
    BankLinkAuth auth;
    EnteredBankDetails entered;
    bool verified;
};

class BankLinkMatchTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(BankLinkMatchTest, FollowsTheFirstAgreeingNumber) {
    EXPECT_EQ(bankLinkDetailsMatch(GetParam().auth, GetParam().entered), GetParam().verified);
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

TEST(BankLinkRepliesTest, ReadsAnAuthReplyAndNamesNoValueInItsProblems) {
    auto read = readAuthReply(
        R"({"numbers":{"ach":[{"account_id":"a1","account":"1111222233330000","routing":"011401533"},)"
        R"({"account":"5","routing":"6"}]},"accounts":[{"account_id":"a1","subtype":"checking"}]})");
    ASSERT_TRUE(read.value);
    ASSERT_EQ(read.value->ach.size(), 2u);
    EXPECT_EQ(read.value->ach[1].accountId, "");
    EXPECT_EQ(read.value->accounts[0].subtype, "checking");

    auto bad = readAuthReply(
        R"({"numbers":{"ach":[{"account_id":"a1","account":"1111222233330000"}]},"accounts":[]})");
    EXPECT_FALSE(bad.value);
    EXPECT_EQ(bad.problem.find("1111222233330000"), std::string::npos);
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
