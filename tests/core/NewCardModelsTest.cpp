#include <gtest/gtest.h>

#include "core/ApiDataModel.h"
#include "platform/foundation/JSON.h"
#include "platform/foundation/Log.h"

namespace fv {
namespace {

Value json(const std::string& text) {
    auto v = JSON::parse(text);
    EXPECT_TRUE(v.has_value()) << text;
    return v.value_or(Value());
}

TEST(GetNewCardRequest, ToDictionaryCarriesEveryKeyWithItsDefault) {
    GetNewCardRequestModel request;
    request.initWithPredefinedData();
    // Exact equality: a missing, extra or misspelt key fails.
    EXPECT_EQ(request.toDictionary(), json(R"({"create_cardholder": {
        "transaction": {"acquirer_id": "acq-ws-1", "acquirer_ref_no": "3456999", "card_acceptor_id": "",
            "card_acceptor_name_location": "", "description": "", "device_id": "", "device_type": "",
            "local_date_time": "", "mcc": ""},
        "cardholder_data": {"activate_card": "", "card_bin": "221133", "dda_account_no": "",
            "dda_routing_no": "", "initial_load_amount": "", "program_id": "SF_Prg1",
            "profile_data": {"date_of_birth": "", "email": "", "first_name": "", "middle_name": "",
                "last_name": "", "gender": "M", "mobile": "", "phone": "",
                "kyc_data": {"ssn": ""},
                "addresses": {"address": {"address1": "", "address2": "", "address_type": "S", "city": "",
                    "country": "", "postal_code": "", "state": ""}}}}}})"));
}

TEST(GetNewCardRequest, SharedInstanceStartsEmptyAndEachInitializeGivesAFreshTree) {
    auto api = ApiDataModel::sharedInstance();
    EXPECT_EQ(api, ApiDataModel::sharedInstance());
    api->Initialize_GetNewCardRequestInstance();
    auto first = api->getNewCardRequest();
    ASSERT_TRUE(first);
    first->createCardHolder->cardHolder->profileData->firstName = "Ada";
    api->Initialize_GetNewCardRequestInstance();
    auto second = api->getNewCardRequest();
    ASSERT_NE(first, second);
    EXPECT_EQ(second->createCardHolder->cardHolder->profileData->firstName, "");
    EXPECT_EQ(second->createCardHolder->cardHolder->profileData->addresses->address->addressType, "S");
}

TEST(GetNewCardRequest, MergesBackByJSONKeyOrByPropertyName) {
    GetNewCardRequestModel original;
    original.initWithPredefinedData();
    original.createCardHolder->cardHolder->profileData->addresses->address->city = "Leeds";
    GetNewCardRequestModel copy;
    EXPECT_TRUE(copy.mergeFromDictionary(original.toDictionary()));
    EXPECT_EQ(copy.toDictionary(), original.toDictionary());

    Address byName;
    EXPECT_FALSE(byName.mergeFromDictionary(json(R"({"postal_code": "LS1"})"), false));
    EXPECT_TRUE(byName.postalCode.empty());
    byName.mergeFromDictionary(json(R"({"postalCode": "LS1"})"), false);
    EXPECT_EQ(byName.postalCode, "LS1");
}

TEST(GetNewCardRequest, DescriptionHidesPersonalData) {
    GetNewCardRequestModel request;
    request.initWithPredefinedData();
    auto& holder = *request.createCardHolder->cardHolder;
    holder.profileData->kycData->ssn = "078051120";
    holder.ddaAccountNo = "000123456789";
    holder.ddaRoutingNo = "021000021";
    holder.profileData->dateOfBirth = "1984-03-09";
    holder.profileData->email = "ada@example.org";
    holder.profileData->mobile = "+1 555 0100";
    holder.profileData->phone = "555-0199";
    const std::string text = request.description();
    for (const char* hidden :
         {"078051120", "123456789", "02100", "1984", "03-09", "ada@", "example.org", "555 0100", "0199"}) {
        EXPECT_EQ(text.find(hidden), std::string::npos) << hidden << " in " << text;
    }
    for (const char* shown :
         {"ssn: <hidden>", "ddaAccountNo: \"…6789\"", "ddaRoutingNo: \"…0021\"", "dateOfBirth: <hidden>",
          "email: <hidden>", "mobile: <hidden>", "phone: <hidden>"}) {
        EXPECT_NE(text.find(shown), std::string::npos) << shown << " not in " << text;
    }
}

const char* kCompleteReply = R"({"create_cardholder_response": {
    "responseInfo": {"responseCode": "0", "acquirerRefNo": "3456999", "responseDesc": "Approved",
        "transactionId": "T-1"},
    "cardsData": [{"accountBalances": [{"cardBalance": "10.00", "currencyCode": "USD", "heldAmount": "0",
            "ledgerBalance": "10.00", "walletId": "W1"}],
        "cardholderId": "CH-9", "cardLastFour": "1111", "cardNo": "4111111111111111", "cardRefNo": "R-1",
        "cardStatus": "ACTIVE", "createdOn": "2024-01-02"}],
    "cardholderInfo": {"batchNo": "B-7", "cardholderId": "CH-9", "createdOn": "2024-01-02"}}})";

TEST(GetNewCardResponse, CompleteReplyFillsTheWholeTree) {
    GetNewCardResponseModel model;
    EXPECT_TRUE(model.mergeFromDictionary(json(kCompleteReply)));
    auto r = model.createCardHolderResponse;
    ASSERT_TRUE(r && r->responseInfo && r->cardHolderInfo);
    EXPECT_EQ(r->responseInfo->responseDesc, "Approved");
    ASSERT_EQ(r->cardsDataList.size(), 1u);
    ASSERT_TRUE(r->cardsDataList[0]);
    EXPECT_EQ(r->cardsDataList[0]->cardNo, "4111111111111111");
    ASSERT_EQ(r->cardsDataList[0]->accountBalances.size(), 1u);
    EXPECT_EQ(r->cardsDataList[0]->accountBalances[0]->walletId, "W1");
    EXPECT_EQ(r->cardHolderInfo->batchNo, "B-7");
}

TEST(GetNewCardResponse, OptionalPartsMayBeAbsent) {
    GetNewCardResponseModel model;
    EXPECT_TRUE(model.mergeFromDictionary(json(R"({"create_cardholder_response": {"responseInfo":
        {"responseCode": "17", "acquirerRefNo": "", "responseDesc": "Declined", "transactionId": "T-2"}}})")));
    ASSERT_TRUE(model.createCardHolderResponse);
    EXPECT_EQ(model.createCardHolderResponse->responseInfo->responseCode, "17");
    EXPECT_TRUE(model.createCardHolderResponse->cardsDataList.empty());
    EXPECT_FALSE(model.createCardHolderResponse->cardHolderInfo);
}

TEST(GetNewCardResponse, NumbersReadIntoTextsAsTheirDecimalText) {
    GetNewCardResponseModel model;
    EXPECT_TRUE(model.mergeFromDictionary(json(R"({"create_cardholder_response": {
        "responseInfo": {"responseCode": 0, "acquirerRefNo": 3456999, "responseDesc": "ok", "transactionId": -5},
        "cardsData": [{"accountBalances": [{"cardBalance": 12.5, "currencyCode": 840, "heldAmount": 0,
            "ledgerBalance": 12.5, "walletId": 1}], "cardholderId": 9, "cardLastFour": 1111,
            "cardNo": 4111111111111111, "cardRefNo": 1, "cardStatus": 1, "createdOn": 20240102}]}})")));
    auto r = model.createCardHolderResponse;
    ASSERT_TRUE(r);
    EXPECT_EQ(r->responseInfo->responseCode, "0");
    EXPECT_EQ(r->responseInfo->acquirerRefNo, "3456999");
    EXPECT_EQ(r->responseInfo->transactionId, "-5");
    EXPECT_EQ(r->cardsDataList[0]->cardNo, "4111111111111111");
    EXPECT_EQ(r->cardsDataList[0]->accountBalances[0]->cardBalance, "12.5");
}

TEST(GetNewCardResponse, RecordLackingARequiredFieldIsLeftNoneAndTheRestIsFilled) {
    GetNewCardResponseModel model;
    // cardholderInfo lacks batchNo; the second card lacks cardStatus; the first card's wallet is fine.
    EXPECT_TRUE(model.mergeFromDictionary(json(R"({"create_cardholder_response": {
        "responseInfo": {"responseCode": "0", "acquirerRefNo": "1", "responseDesc": "ok", "transactionId": "2"},
        "cardsData": [{"accountBalances": [], "cardholderId": "C", "cardLastFour": "1111", "cardRefNo": "R",
                "cardStatus": "ACTIVE", "createdOn": "D"},
            {"accountBalances": [], "cardholderId": "C", "cardLastFour": "2222", "cardRefNo": "R",
                "createdOn": "D"}],
        "cardholderInfo": {"cardholderId": "C", "createdOn": "D"}}})")));
    auto r = model.createCardHolderResponse;
    ASSERT_TRUE(r);
    EXPECT_EQ(r->responseInfo->responseDesc, "ok");
    EXPECT_FALSE(r->cardHolderInfo);
    ASSERT_EQ(r->cardsDataList.size(), 2u);  // positions kept: the failed card stays as none
    ASSERT_TRUE(r->cardsDataList[0]);
    EXPECT_FALSE(r->cardsDataList[0]->cardNo.has_value());
    EXPECT_FALSE(r->cardsDataList[1]);
}

TEST(GetNewCardResponse, MissingRequiredChildLeavesItsParentNone) {
    GetNewCardResponseModel model;
    EXPECT_FALSE(model.mergeFromDictionary(json(R"({"create_cardholder_response": {
        "responseInfo": {"responseCode": "0", "acquirerRefNo": "1", "responseDesc": ["not", "text"],
            "transactionId": "2"},
        "cardsData": []}})")));
    EXPECT_FALSE(model.createCardHolderResponse);
    EXPECT_FALSE(model.mergeFromDictionary(json("[1, 2]")));
}

TEST(GetNewCardResponse, DescriptionShowsAtMostTheLastFourDigits) {
    GetNewCardResponseModel model;
    model.mergeFromDictionary(json(kCompleteReply));
    model.createCardHolderResponse->cardsDataList[0]->cardNo = "4111-2222-3333-4444";
    const std::string text = model.description();
    EXPECT_NE(text.find("cardNo: \"…4444\""), std::string::npos) << text;
    for (const char* fragment : {"4111", "2222", "3333"}) {
        EXPECT_EQ(text.find(fragment), std::string::npos) << fragment << " in " << text;
    }
}

struct ReplyCase {
    const char* name;
    std::optional<std::string> text;
    bool filled;
};

class ResponseInstance : public testing::TestWithParam<ReplyCase> {};

TEST_P(ResponseInstance, AlwaysGivesANewModelAndLogsNoFullCardNumber) {
    auto api = ApiDataModel::sharedInstance();
    auto before = api->getNewCardResponse();
    LogCapture capture;
    api->Initialize_GetNewCardResponseInstance(GetParam().text);
    auto model = api->getNewCardResponse();
    ASSERT_TRUE(model);
    EXPECT_NE(model, before);
    EXPECT_EQ(bool(model->createCardHolderResponse), GetParam().filled);
    EXPECT_EQ(capture.lines().size(), 1u);
    EXPECT_FALSE(capture.contains("4111111111111111"));
}

INSTANTIATE_TEST_SUITE_P(Replies, ResponseInstance,
                         testing::Values(ReplyCase{"Complete", std::string(kCompleteReply), true},
                                         ReplyCase{"NoText", std::nullopt, false},
                                         ReplyCase{"Empty", std::string(), false},
                                         ReplyCase{"NotJSON", std::string("<html>4111111111111111"), false},
                                         ReplyCase{"NotAnObject", std::string("[4111111111111111]"), false}),
                         [](const auto& info) { return std::string(info.param.name); });

// The reply's free texts and balances stay out of the log; its code and shape are enough to debug.
TEST(GetNewCardResponse, ReplySummaryLogsCodesAndMembersNotValues) {
    LogCapture capture;
    ApiDataModel::sharedInstance()->Initialize_GetNewCardResponseInstance(R"({"create_cardholder_response": {
        "responseInfo": {"responseCode": "05", "acquirerRefNo": "77", "transactionId": "T9",
            "responseDesc": "Card 5500 0000 0000 0004 declined, balance 1,234.56"},
        "cardsData": [{"cardNo": 4111111111111111111, "cardLastFour": "1111", "cardholderId": "CH1",
            "cardRefNo": "R1", "cardStatus": "A", "createdOn": "today",
            "accountBalances": [{"cardBalance": "987.65", "currencyCode": "840", "heldAmount": "12.34",
                "ledgerBalance": "999.99", "walletId": "W1"}]}]}})");
    ASSERT_EQ(capture.lines().size(), 1u);
    const std::string line = capture.lines()[0];
    for (const char* fragment : {"responseCode \"05\"", "responseDesc", "cardsData[1]", "accountBalances[1]"})
        EXPECT_NE(line.find(fragment), std::string::npos) << fragment << " not in " << line;
    for (const char* fragment : {"5500", "declined", "1,234", "987.65", "999.99", "12.34", "4111", "CH1"})
        EXPECT_EQ(line.find(fragment), std::string::npos) << fragment << " in " << line;
}

struct CodeCase {
    std::string code;  // as it stands in the reply's JSON
    std::string logged;
};

class ReplySummaryCode : public testing::TestWithParam<CodeCase> {};

// Only a short code reaches the log: a backend that puts an account number or a sentence in the code
// must not get it logged, however it is spaced.
TEST_P(ReplySummaryCode, OnlyShortCodesAreLogged) {
    LogCapture capture;
    ApiDataModel::sharedInstance()->Initialize_GetNewCardResponseInstance(
        R"({"create_cardholder_response": {"responseInfo": {"responseCode": )" + GetParam().code +
        R"(, "acquirerRefNo": "", "responseDesc": "", "transactionId": ""}}})");
    ASSERT_EQ(capture.lines().size(), 1u);
    EXPECT_EQ(capture.lines()[0].rfind("New card response: responseCode " + GetParam().logged + ", ", 0), 0u)
        << capture.lines()[0];
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ReplySummaryCode,
    testing::Values(CodeCase{R"("0")", R"("0")"}, CodeCase{R"("05")", R"("05")"},
                    CodeCase{R"("E42ab")", R"("E42ab")"}, CodeCase{R"("12345678")", R"("12345678")"},
                    CodeCase{"17", R"("17")"}, CodeCase{R"("")", R"("")"},
                    CodeCase{R"("123456789")", "withheld (not a short code)"},
                    CodeCase{R"("021000021 4929")", "withheld (not a short code)"},
                    CodeCase{R"("4929 1834")", "withheld (not a short code)"},
                    CodeCase{R"("05\n")", "withheld (not a short code)"},
                    CodeCase{R"("Card 4929 1834 5520 7316 declined")", "withheld (not a short code)"}));

TEST(GetNewCardResponse, ReplySummaryStaysShortForAHostileReply) {
    std::string members;
    for (int i = 0; i < 1000; ++i)
        members += (i ? "," : "") + std::string("\"key") + std::to_string(i) + "\": 1";
    LogCapture capture;
    ApiDataModel::sharedInstance()->Initialize_GetNewCardResponseInstance(
        R"({"create_cardholder_response": {"responseInfo": {"responseCode": ")" + std::string(500, '7') +
        R"("}}, )" + members + "}");
    ASSERT_EQ(capture.lines().size(), 1u);
    EXPECT_LT(capture.lines()[0].size(), 1000u);
}

}  // namespace
}  // namespace fv
