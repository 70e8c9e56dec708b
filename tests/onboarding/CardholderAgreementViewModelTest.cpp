#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/ApiDataModel.h"
#include "core/ServiceAddresses.h"
#include "core/ServiceConstants.h"
#include "core/ServiceManager.h"
#include "examples/host/DemoBackend.h"
#include "onboarding/application/CardholderAgreementViewModel.h"
#include "platform/foundation/JSON.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/testing/LoopbackServer.h"
#include "platform/testing/TestHost.h"
#include "tests/support/ValueLeaves.h"

namespace fv {
namespace {

using Calls = std::vector<std::string>;

// Stands in for the agreement screen: records what it hears, in order.
class RecordingScreen : public NSObject, public CardholderAgreementViewModelDelegate {
  public:
    void successfullyCreateCardHolder() override { calls.push_back("successfullyCreateCardHolder"); }
    void errorInCreateCardHolder() override { calls.push_back("errorInCreateCardHolder"); }
    void failedService() override { calls.push_back("failedService"); }
    void showHUD() override { calls.push_back("showHUD"); }
    void dismissHUD() override { calls.push_back("dismissHUD"); }
    Calls calls;
};

const Calls kCreated = {"showHUD", "dismissHUD", "successfullyCreateCardHolder"};
const Calls kError = {"showHUD", "dismissHUD", "errorInCreateCardHolder"};
const Calls kFailed = {"showHUD", "dismissHUD", "failedService"};

// The applicant the wizard's screens would have written into the request.
void fillApplicant() {
    auto api = ApiDataModel::sharedInstance();
    api->Initialize_GetNewCardRequestInstance();
    auto holder = api->getNewCardRequest()->createCardHolder->cardHolder;
    auto& profile = *holder->profileData;
    profile.firstName = "Maren";
    profile.lastName = "Olsby";
    profile.email = "maren.olsby@example.org";
    profile.mobile = "+15550142";
    profile.phone = "+15550142";
    profile.dateOfBirth = "1988-04-09";
    profile.kycData->ssn = "078051120";
    profile.addresses->address->address1 = "12 Quarry Lane";
    profile.addresses->address->address2 = "Springfield, IL";
}

class CardholderAgreementViewModelTest : public TestHostFixture {
  protected:
    void SetUp() override {
        ApiDataModel::sharedInstance()->resetForTesting();
        ASSERT_TRUE(backend.setCardLastFour("4821"));
        ASSERT_TRUE(backend.start());
        screen = std::make_shared<RecordingScreen>();
        model = CardholderAgreementViewModel::create();
        model->setDelegate(screen);
    }
    void TearDown() override {
        backend.stop();
        ApiDataModel::sharedInstance()->resetForTesting();
        TestHostFixture::TearDown();
    }

    // Continue pressed once; waits until the outcome (or the overlay alone) has been handled.
    void apply() {
        const std::size_t before = screen->calls.size();
        model->applyForCard();
        ASSERT_EQ(screen->calls.size(), before + 1) << "only showHUD inside the call";
        EXPECT_TRUE(test::waitFor([&] { return screen->calls.size() >= before + 3; }, 10.0));
        host.runUntilIdle();
    }

    DemoBackend backend;
    std::shared_ptr<RecordingScreen> screen;
    std::shared_ptr<CardholderAgreementViewModel> model;
};

struct OutcomeCase {
    const char* name;
    DemoBackend::Outcome outcome;
    Calls heard;
    // The response code ApiDataModel then holds; none when the reply is left as it was.
    std::optional<std::string> responseCode;
};

class AgreementOutcome : public CardholderAgreementViewModelTest,
                         public ::testing::WithParamInterface<OutcomeCase> {};

TEST_P(AgreementOutcome, ReachesTheDelegateAfterTheOverlayGoes) {
    const OutcomeCase& c = GetParam();
    fillApplicant();
    backend.setOutcome(c.outcome);
    backend.setTimeOutHold(5);
    ServiceManager::sharedInstance()->setTimeoutIntervalForTesting(0.5);
    apply();
    EXPECT_EQ(screen->calls, c.heard);
    ASSERT_EQ(backend.receivedBodies().size(), 1u);
    const auto reply = ApiDataModel::sharedInstance()->getNewCardResponse();
    if (!c.responseCode) {
        EXPECT_EQ(reply, nullptr);
        return;
    }
    ASSERT_TRUE(reply && reply->createCardHolderResponse && reply->createCardHolderResponse->responseInfo);
    EXPECT_EQ(reply->createCardHolderResponse->responseInfo->responseCode, *c.responseCode);
}

INSTANTIATE_TEST_SUITE_P(
    DemoBackend, AgreementOutcome,
    ::testing::Values(OutcomeCase{"Created", DemoBackend::Outcome::Created, kCreated, "0"},
                      OutcomeCase{"Declined", DemoBackend::Outcome::Declined, kError,
                                  DemoBackend::kDeclinedCode},
                      OutcomeCase{"ServerError", DemoBackend::Outcome::ServerError, kFailed, std::nullopt},
                      OutcomeCase{"TimeOut", DemoBackend::Outcome::TimeOut, kFailed, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CardholderAgreementViewModelTest, TheIssuedCardEndsInTheHostsDigitsAndPassesTheLuhnCheck) {
    fillApplicant();
    apply();
    ASSERT_EQ(screen->calls, kCreated);
    const auto& response = *ApiDataModel::sharedInstance()->getNewCardResponse()->createCardHolderResponse;
    ASSERT_EQ(response.cardsDataList.size(), 1u);
    ASSERT_NE(response.cardsDataList[0], nullptr);
    const std::string number = response.cardsDataList[0]->cardNo.value_or("");
    ASSERT_EQ(number.size(), 16u);
    EXPECT_EQ(number.substr(0, 6), "221133") << "the request's BIN";
    EXPECT_EQ(number.substr(12), "4821");
    EXPECT_EQ(response.cardsDataList[0]->cardLastFour, "4821");
    int sum = 0;
    for (std::size_t i = 0; i < number.size(); ++i) {
        int digit = number[number.size() - 1 - i] - '0';
        if (i % 2 == 1) digit = digit * 2 > 9 ? digit * 2 - 9 : digit * 2;
        sum += digit;
    }
    EXPECT_EQ(sum % 10, 0);
    EXPECT_NE(response.cardHolderInfo, nullptr);
    EXPECT_EQ(response.responseInfo->acquirerRefNo, "3456999") << "echoed from the request";
}

// Every leaf of the request, empty ones included, under its key; nothing else (31 leaves).
const char* kExpectedBody = R"({"create_cardholder": {
  "transaction": {"acquirer_id": "acq-ws-1", "acquirer_ref_no": "3456999", "card_acceptor_id": "",
    "card_acceptor_name_location": "", "description": "", "device_id": "", "device_type": "",
    "local_date_time": "", "mcc": ""},
  "cardholder_data": {"activate_card": "", "card_bin": "221133", "dda_account_no": "", "dda_routing_no": "",
    "initial_load_amount": "", "program_id": "SF_Prg1",
    "profile_data": {"date_of_birth": "1988-04-09", "email": "maren.olsby@example.org", "first_name": "Maren",
      "middle_name": "", "last_name": "Olsby", "gender": "M", "mobile": "+15550142", "phone": "+15550142",
      "kyc_data": {"ssn": "078051120"},
      "addresses": {"address": {"address1": "12 Quarry Lane", "address2": "Springfield, IL",
        "address_type": "S", "city": "", "country": "", "postal_code": "", "state": ""}}}}}})";

TEST_F(CardholderAgreementViewModelTest, PostsTheWholeRequestAsJSONAndTheSameBodyAgainAfterAFailure) {
    fillApplicant();
    backend.setOutcome(DemoBackend::Outcome::ServerError);
    apply();
    ASSERT_EQ(screen->calls, kFailed);
    backend.setOutcome(DemoBackend::Outcome::Created);
    apply();
    EXPECT_EQ(screen->calls.back(), "successfullyCreateCardHolder");

    const auto bodies = backend.receivedBodies();
    ASSERT_EQ(bodies.size(), 2u);
    EXPECT_EQ(bodies[0], bodies[1]);
    const auto received = JSON::parse(bodies[0]);
    ASSERT_TRUE(received.has_value()) << bodies[0];
    EXPECT_EQ(*received, *JSON::parse(kExpectedBody));
    EXPECT_EQ(test::leafCount(*received), 31u);
    EXPECT_EQ(bodies[0].find("password"), std::string::npos);
}

TEST_F(CardholderAgreementViewModelTest, LogsNothingOfTheApplicant) {
    fillApplicant();
    LogCapture console;
    apply();
    ASSERT_EQ(screen->calls, kCreated);
    const auto number = ApiDataModel::sharedInstance()
                            ->getNewCardResponse()
                            ->createCardHolderResponse->cardsDataList[0]
                            ->cardNo.value_or("");
    for (const std::string& secret :
         {std::string("078051120"), std::string("1988-04-09"), std::string("Maren"), std::string("Olsby"),
          std::string("maren.olsby"), std::string("5550142"), std::string("Quarry"), number,
          number.substr(0, 12)}) {
        EXPECT_FALSE(console.contains(secret)) << secret;
    }
}

TEST_F(CardholderAgreementViewModelTest, WithoutADelegateStillPostsAndKeepsTheReply) {
    fillApplicant();
    model->setDelegate(nullptr);
    model->applyForCard();
    EXPECT_TRUE(
        test::waitFor([] { return ApiDataModel::sharedInstance()->getNewCardResponse() != nullptr; }, 10.0));
    EXPECT_EQ(backend.receivedBodies().size(), 1u);
    EXPECT_TRUE(screen->calls.empty());
}

TEST_F(CardholderAgreementViewModelTest, AScreenGoneBeforeTheReplyHearsNothingButTheReplyIsKept) {
    fillApplicant();
    model->applyForCard();
    screen.reset();
    // The view model lives on in the post's completion, as when the screen let go of it.
    std::weak_ptr<CardholderAgreementViewModel> alive = model;
    model.reset();
    EXPECT_TRUE(
        test::waitFor([] { return ApiDataModel::sharedInstance()->getNewCardResponse() != nullptr; }, 10.0));
    EXPECT_TRUE(test::waitFor([&] { return alive.expired(); }, 10.0))
        << "released once the reply was handled";
}

TEST_F(CardholderAgreementViewModelTest, WithoutARequestPostsNothingAndTakesTheErrorRoad) {
    apply();
    EXPECT_EQ(screen->calls, kError);
    EXPECT_TRUE(backend.receivedBodies().empty());
    EXPECT_EQ(ApiDataModel::sharedInstance()->getNewCardResponse(), nullptr);
}

// ---- the reply, read with every step checked ----

struct ReplyCase {
    const char* name;
    std::optional<std::string> result;
    std::optional<std::string> response;
    Calls heard;
    bool replaced;
};

class AgreementReply : public CardholderAgreementViewModelTest,
                       public ::testing::WithParamInterface<ReplyCase> {};

std::string replyWithCode(const std::string& code) {
    return R"({"create_cardholder_response": {"responseInfo": {"responseCode": )" + code +
           R"(, "acquirerRefNo": "", "responseDesc": "", "transactionId": ""}}})";
}

TEST_P(AgreementReply, TellsTheDelegateWhatTheReplyMeans) {
    const ReplyCase& c = GetParam();
    ApiDataModel::sharedInstance()->Initialize_GetNewCardResponseInstance(replyWithCode("\"earlier\""));
    const auto earlier = ApiDataModel::sharedInstance()->getNewCardResponse();
    model->handleCreateCardholderResponse(c.result, c.response);
    Calls heard = {"dismissHUD"};
    heard.insert(heard.end(), c.heard.begin(), c.heard.end());
    EXPECT_EQ(screen->calls, heard);
    EXPECT_EQ(ApiDataModel::sharedInstance()->getNewCardResponse() != earlier, c.replaced);
}

const std::string kOk = SERVICE_RESULT_SUCCESS;
const Calls kYes = {"successfullyCreateCardHolder"};
const Calls kNo = {"errorInCreateCardHolder"};

INSTANTIATE_TEST_SUITE_P(
    Replies, AgreementReply,
    ::testing::Values(
        ReplyCase{"ZeroText", kOk, replyWithCode("\"0\""), kYes, true},
        ReplyCase{"DoubleZero", kOk, replyWithCode("\"00\""), kYes, true},
        ReplyCase{"PlusZero", kOk, replyWithCode("\"+0\""), kYes, true},
        ReplyCase{"MinusZero", kOk, replyWithCode("\"-0\""), kYes, true},
        ReplyCase{"ZeroNumber", kOk, replyWithCode("0"), kYes, true},
        ReplyCase{"OneNumber", kOk, replyWithCode("1"), kNo, true},
        ReplyCase{"One", kOk, replyWithCode("\"1\""), kNo, true},
        ReplyCase{"MinusOne", kOk, replyWithCode("\"-1\""), kNo, true},
        ReplyCase{"Empty", kOk, replyWithCode("\"\""), kNo, true},
        ReplyCase{"LeadingBlank", kOk, replyWithCode("\" 0\""), kNo, true},
        ReplyCase{"DecimalText", kOk, replyWithCode("\"0.0\""), kNo, true},
        ReplyCase{"Word", kOk, replyWithCode("\"OK\""), kNo, true},
        ReplyCase{"BeyondSixtyFourBits", kOk, replyWithCode("\"18446744073709551616\""), kNo, true},
        ReplyCase{"NoResponseCode", kOk,
                  R"({"create_cardholder_response": {"responseInfo": {"acquirerRefNo": "", "responseDesc": "",
                      "transactionId": ""}}})",
                  kNo, true},
        ReplyCase{"NoResponseInfo", kOk, R"({"create_cardholder_response": {}})", kNo, true},
        ReplyCase{"NoResponse", kOk, R"({"other": 1})", kNo, true},
        ReplyCase{"NotAnObject", kOk, R"([1, 2])", kNo, true},
        ReplyCase{"NotJSON", kOk, "{\"create_cardholder_response\": ", kNo, true},
        ReplyCase{"NoText", kOk, std::nullopt, kNo, true},
        ReplyCase{"Error", SERVICE_RESULT_ERROR, std::nullopt, kNo, false},
        ReplyCase{"Failure", SERVICE_RESULT_FAILURE, std::nullopt, {"failedService"}, false},
        ReplyCase{"OtherResult", "Pending", replyWithCode("\"0\""), {}, false},
        ReplyCase{"NoResult", std::nullopt, replyWithCode("\"0\""), {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct CodeCase {
    const char* text;
    std::optional<std::int64_t> number;
};

class ResponseCodeNumber : public ::testing::TestWithParam<CodeCase> {};

TEST_P(ResponseCodeNumber, ReadsASignedDecimalWithin64Bits) {
    EXPECT_EQ(CardholderAgreementViewModel::responseCodeNumber(GetParam().text), GetParam().number)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Codes, ResponseCodeNumber,
                         ::testing::Values(CodeCase{"0", 0}, CodeCase{"-0", 0}, CodeCase{"+17", 17},
                                           CodeCase{"9223372036854775807", INT64_MAX},
                                           CodeCase{"-9223372036854775808", INT64_MIN},
                                           CodeCase{"9223372036854775808", std::nullopt},
                                           CodeCase{"-9223372036854775809", std::nullopt},
                                           CodeCase{"+", std::nullopt}, CodeCase{"-", std::nullopt},
                                           CodeCase{"+-1", std::nullopt}, CodeCase{"0 ", std::nullopt},
                                           CodeCase{"1e3", std::nullopt}, CodeCase{"0x0", std::nullopt}));

}  // namespace
}  // namespace fv
