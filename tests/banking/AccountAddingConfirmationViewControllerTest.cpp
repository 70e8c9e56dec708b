// GCC 12 at -O2 and above takes the Values and Replies copied out of this file's brace-initialised
// tables for maybe uninitialised, inside std::variant and std::string (false positives in inlined
// libstdc++ code).
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ < 13
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "banking/AccountAddedSuccessfullyViewController.h"
#include "banking/AccountAddingConfirmationViewController.h"
#include "banking/UnVerifiedAccountAddedViewController.h"
#include "core/ScreenRegistry.h"
#include "core/ServiceAddresses.h"
#include "core/ThemeManager.h"
#include "platform/foundation/JSON.h"
#include "platform/foundation/Log.h"
#include "platform/testing/LoopbackServer.h"
#include "platform/testing/TestHost.h"
#include "screenkit/BannerMessages.h"
#include "screenkit/ProgressHUD.h"

namespace fv {
namespace {

using Confirmation = AccountAddingConfirmationViewController;
using Outcome = BankLinkViewController::Outcome;

constexpr const char* kPublicToken = "public-sandbox-5f0c9e2a";
constexpr const char* kAccessToken = "access-sandbox-81d4b7c3";

const Value kEntered(Value::Dictionary{{"LEGAL_NAME", "Jordan A. Reyes"},
                                       {"BANK_NAME", "Harbor Point Bank"},
                                       {"ACCOUNT_NUMBER", "1111222233330000"},
                                       {"ACCOUNT_TYPE", "Checking"},
                                       {"ACCOUNT_ROUTING_NUMBER", "011401533"},
                                       {"NICK_NAME", "Main"}});

std::string exchangeReply(const Value& token = Value(kAccessToken)) {
    return *JSON::serialize(Value(Value::Dictionary{{"access_token", token}, {"item_id", "item-1"}}));
}

// The vendor's auth reply with one ACH number and its account.
std::string authReply(const std::string& account = "1111222233330000",
                      const std::string& routing = "011401533", const std::string& subtype = "checking") {
    Value ach(Value::Dictionary{{"account_id", "acc-1"}, {"account", account}, {"routing", routing}});
    Value acc(Value::Dictionary{{"account_id", "ACC-1-x"}, {"subtype", subtype}, {"mask", "0000"}});
    return *JSON::serialize(
        Value(Value::Dictionary{{"numbers", Value(Value::Dictionary{{"ach", Value(Value::Array{ach})}})},
                                {"accounts", Value(Value::Array{acc})}}));
}

// An auth reply from the JSON texts of its two arrays.
std::string authReplyOf(const std::string& ach, const std::string& accounts) {
    return R"({"numbers":{"ach":)" + ach + R"(},"accounts":)" + accounts + "}";
}

const std::string kAgreeingAch =
    R"({"account_id":"acc-1","account":"1111222233330000","routing":"011401533"})";
const std::string kItsAccount = R"({"account_id":"ACC-1-x","subtype":"checking"})";

struct Reply {
    int status = 200;
    std::string body;
};

class VendorTest : public TestHostFixture {
  protected:
    void SetUp() override {
        host.navigationController()->setNavigationBarHidden(true);
        vendor.server.Post("/item/public_token/exchange",
                           [this](const auto& req, auto& res) { answer(req, res, exchange); });
        vendor.server.Post("/auth/get", [this](const auto& req, auto& res) { answer(req, res, auth); });
        vendor.start();
        ASSERT_TRUE(ServiceAddresses::setBaseURL(OutsideService::BankLink, vendor.origin()));
    }
    void TearDown() override {
        host.advance(BannerMessages::kDuration + 1);
        TestHostFixture::TearDown();
    }

    void answer(const httplib::Request& req, httplib::Response& res, const Reply& reply) {
        vendor.record(req);
        if (held) vendor.hold();
        std::lock_guard lock(mutex);
        res.status = reply.status;
        res.set_content(reply.body, "application/json");
    }

    std::shared_ptr<Confirmation> open(const std::optional<std::string>& type,
                                       const std::optional<Value>& details = kEntered) {
        auto screen = std::dynamic_pointer_cast<Confirmation>(
            ScreenRegistry::screenNamed(screen::AccountAddingConfirmationViewController));
        if (!screen) return nullptr;
        screen->setVerificationType(type);
        screen->setUserEnteredDetailDict(details);
        host.show(screen);
        return screen;
    }

    void settle() { host.advance(UIViewControllerTransitionDuration + 0.1); }

    // Moves the virtual clock on while waiting in real time for the vendor's replies.
    bool until(const std::function<bool()>& done, double seconds = 10) {
        for (double waited = 0; waited < seconds; waited += 0.01) {
            host.advance(0.05);
            if (test::waitFor(done, 0.01)) return true;
        }
        return done();
    }

    // Continue with the link screen scripted to `outcome`, then until the flow has ended.
    void link(const std::shared_ptr<Confirmation>& screen, const Outcome& outcome) {
        BankLinkViewController::setScriptedOutcome(outcome);
        ASSERT_TRUE(host.tap(screen->btn_continue.get()));
        ASSERT_TRUE(until([&] { return !host.presentedViewController(); }));
        // The dismissal's completion puts the overlay up.
        settle();
        ASSERT_TRUE(until([&] { return !ProgressHUD::isVisible(); }));
        settle();
    }

    bool failedOn(const std::shared_ptr<Confirmation>& screen) {
        const std::vector<BannerInfo> expected{
            {"Verification Failed", std::string("Your entered bank account details are not correct"),
             BannerMessageTypeError}};
        EXPECT_EQ(BannerMessages::visibleBanners(), expected);
        EXPECT_FALSE(ProgressHUD::isVisible());
        EXPECT_EQ(host.topViewController(), screen);
        return BannerMessages::visibleBanners() == expected && host.topViewController() == screen;
    }

    test::LoopbackServer vendor;
    std::mutex mutex;
    Reply exchange{200, exchangeReply()}, auth{200, authReply()};
    // Replies wait for vendor.release().
    std::atomic<bool> held{false};
};

TEST_F(VendorTest, AMatchSendsTheTwoRequestsAndOpensTheAccountAddedScreen) {
    auto screen = open("BANK_LINK");
    ASSERT_TRUE(screen);
    LogCapture console;
    link(screen, Outcome::succeed(kPublicToken));
    EXPECT_TRUE(std::dynamic_pointer_cast<AccountAddedSuccessfullyViewController>(host.topViewController()));
    EXPECT_TRUE(BannerMessages::visibleBanners().empty());

    const auto requests = vendor.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].path, "/item/public_token/exchange");
    EXPECT_EQ(requests[1].path, "/auth/get");
    const auto defaults = BankLinkSettings::defaults();
    EXPECT_EQ(JSON::parse(requests[0].body), Value(Value::Dictionary{{"client_id", defaults.clientId},
                                                                     {"secret", defaults.secret},
                                                                     {"public_token", kPublicToken}}));
    EXPECT_EQ(JSON::parse(requests[1].body), Value(Value::Dictionary{{"client_id", defaults.clientId},
                                                                     {"secret", defaults.secret},
                                                                     {"access_token", kAccessToken}}));
    // Compact JSON, members in key order, nothing else.
    EXPECT_EQ(requests[0].body, "{\"client_id\":\"" + defaults.clientId + "\",\"public_token\":\"" +
                                    kPublicToken + "\",\"secret\":\"" + defaults.secret + "\"}");
    for (const auto& request : requests) {
        EXPECT_EQ(request.method, "POST");
        EXPECT_EQ(request.get_header_value("Content-Type"), "application/json");
    }

    // The flow is logged, its secrets are not.
    bool linked = false;
    for (const auto& line : console.lines()) {
        linked = linked || line.rfind("Successfully linked account!\npublicToken: ", 0) == 0;
        for (const std::string& secret :
             {std::string(kPublicToken), std::string(kAccessToken), defaults.secret, defaults.clientId,
              std::string("1111222233330000"), std::string("011401533")})
            EXPECT_EQ(line.find(secret), std::string::npos) << line;
    }
    EXPECT_TRUE(linked);
}

TEST_F(VendorTest, TheOverlayShowsVerifyingWhileTheVendorIsAsked) {
    held = true;
    auto screen = open("BANK_LINK");
    ASSERT_TRUE(screen);
    BankLinkViewController::setScriptedOutcome(Outcome::succeed(kPublicToken));
    ASSERT_TRUE(host.tap(screen->btn_continue.get()));
    ASSERT_TRUE(until([&] { return vendor.requests().size() == 1; }));
    EXPECT_TRUE(ProgressHUD::isVisible());
    EXPECT_EQ(ProgressHUD::status(), "Verifying");
    EXPECT_FALSE(host.presentedViewController()) << "the link screen is gone before the vendor is asked";
    vendor.release();
    ASSERT_TRUE(until([&] { return !ProgressHUD::isVisible(); }));
    settle();
    EXPECT_TRUE(std::dynamic_pointer_cast<AccountAddedSuccessfullyViewController>(host.topViewController()));
}

TEST_F(VendorTest, TheHostsCredentialsGoToTheLinkScreenAndBothRequests) {
    BankLinkSettings::set({"client-of-host", "secret-of-host", "key-of-host"});
    auto screen = open("BANK_LINK");
    ASSERT_TRUE(screen);
    ASSERT_TRUE(host.tap(screen->btn_continue.get()));
    settle();
    auto linkScreen = BankLinkViewController::visibleLinkScreen();
    ASSERT_TRUE(linkScreen);
    EXPECT_EQ(linkScreen->configuration(), BankLinkConfiguration("key-of-host", 0, 1, true, true, 1));
    EXPECT_EQ(linkScreen->modalPresentationStyle(), UIModalPresentationStyle{});
    ASSERT_TRUE(linkScreen->tapLink());
    ASSERT_TRUE(until([&] { return vendor.requests().size() == 2; }));
    for (const auto& request : vendor.requests()) {
        auto body = JSON::parse(request.body);
        ASSERT_TRUE(body);
        EXPECT_EQ((*body)["client_id"], Value("client-of-host"));
        EXPECT_EQ((*body)["secret"], Value("secret-of-host"));
    }
}

TEST_F(VendorTest, OnAPadTheLinkScreenIsAFormSheet) {
    host.useScreen(TestScreen::Pad);
    auto screen = open("BANK_LINK");
    ASSERT_TRUE(screen);
    ASSERT_TRUE(host.tap(screen->btn_continue.get()));
    settle();
    auto linkScreen = BankLinkViewController::visibleLinkScreen();
    ASSERT_TRUE(linkScreen);
    EXPECT_EQ(linkScreen->modalPresentationStyle(), UIModalPresentationFormSheet);
    EXPECT_EQ(linkScreen->configuration(),
              Confirmation::linkConfiguration(BankLinkSettings::defaults().publicKey));
}

TEST_F(VendorTest, AnExitDismissesTheLinkScreenAndLeavesTheScreenAsItWas) {
    auto screen = open("BANK_LINK");
    ASSERT_TRUE(screen);
    for (bool withError : {false, true}) {
        LogCapture console;
        link(screen, withError ? Outcome::exit(NSError{"BankLink", 7, "The institution is down", Value()})
                               : Outcome::exit());
        EXPECT_EQ(host.topViewController(), screen);
        EXPECT_TRUE(BannerMessages::visibleBanners().empty());
        EXPECT_FALSE(ProgressHUD::isVisible());
        ASSERT_EQ(console.lines().size(), 1u);
        EXPECT_EQ(
            console.lines()[0].rfind(withError ? "Failed to link account due to: The institution is down"
                                               : "Bank link exited with metadata: ",
                                     0),
            0u)
            << console.lines()[0];
    }
    EXPECT_TRUE(vendor.requests().empty());
}

TEST_F(VendorTest, AnyOtherTypeOpensTheUnverifiedScreenWithoutTheVendor) {
    for (const auto& type : {std::optional<std::string>("MICRO_PAYMENTS"), std::optional<std::string>(),
                             std::optional<std::string>("bank_link")}) {
        auto screen = open(type);
        ASSERT_TRUE(screen);
        ASSERT_TRUE(host.tap(screen->btn_continue.get()));
        settle();
        EXPECT_TRUE(
            std::dynamic_pointer_cast<UnVerifiedAccountAddedViewController>(host.topViewController()));
        EXPECT_FALSE(BankLinkViewController::visibleLinkScreen());
        host.navigationController()->popToRootViewControllerAnimated(false);
        host.advance(0.5);
    }
}

TEST_F(VendorTest, ThemesTheHeaderAndBackPops) {
    auto screen = open("BANK_LINK");
    ASSERT_TRUE(screen);
    EXPECT_TRUE(colorsEqual(screen->view_navbar.get()->backgroundColor(),
                            ThemeManager::sharedInstance()->main_color()));
    EXPECT_TRUE(host.snapshot("account_adding_confirmation"));
    ASSERT_TRUE(host.tap(CGPoint{26, 42}));
    settle();
    EXPECT_EQ(host.topViewController(), host.rootScreen());
}

// ---- every way the verification can fail ends on the screen with the banner, no overlay ----

struct FailureCase {
    const char* name;
    Reply exchange;
    Reply auth;
    size_t requestsReceived;
};

class VendorFailureTest : public VendorTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(VendorFailureTest, EndsWithTheBannerAndNoOverlay) {
    exchange = GetParam().exchange;
    auth = GetParam().auth;
    auto screen = open("BANK_LINK");
    ASSERT_TRUE(screen);
    link(screen, Outcome::succeed(kPublicToken));
    EXPECT_TRUE(failedOn(screen));
    EXPECT_EQ(vendor.requests().size(), GetParam().requestsReceived);
}

const Reply kOkExchange{200, exchangeReply()};
const Reply kOkAuth{200, authReply()};

std::string authWith(const Value& reply) {
    return *JSON::serialize(reply);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, VendorFailureTest,
    ::testing::Values(
        FailureCase{"ExchangeServerError", {500, "{}"}, kOkAuth, 1},
        FailureCase{"ExchangeNotJSON", {200, "<html>"}, kOkAuth, 1},
        FailureCase{"ExchangeNotAnObject", {200, "[\"access_token\"]"}, kOkAuth, 1},
        FailureCase{"ExchangeNoToken", {200, "{\"item_id\":\"x\"}"}, kOkAuth, 1},
        FailureCase{"ExchangeEmptyToken", {200, exchangeReply(Value(""))}, kOkAuth, 1},
        FailureCase{"ExchangeNumericToken", {200, exchangeReply(Value(42))}, kOkAuth, 1},
        FailureCase{"AuthNotFound", kOkExchange, {404, "{}"}, 2},
        FailureCase{"AuthEmptyBody", kOkExchange, {200, ""}, 2},
        FailureCase{"AuthNoNumbers", kOkExchange, {200, "{\"accounts\":[]}"}, 2},
        FailureCase{"AuthEmptyAch",
                    kOkExchange,
                    {200, authWith(Value(Value::Dictionary{
                              {"numbers", Value(Value::Dictionary{{"ach", Value(Value::Array{})}})},
                              {"accounts", Value(Value::Array{})}}))},
                    2},
        FailureCase{
            "AuthAchWithoutRouting",
            kOkExchange,
            {200, authWith(Value(Value::Dictionary{
                      {"numbers", Value(Value::Dictionary{{"ach", Value(Value::Array{Value(Value::Dictionary{
                                                                      {"account_id", "a"},
                                                                      {"account", "1111222233330000"}})})}})},
                      {"accounts", Value(Value::Array{})}}))},
            2},
        FailureCase{
            "AuthNoAccounts",
            kOkExchange,
            {200, authWith(Value(Value::Dictionary{
                      {"numbers",
                       Value(Value::Dictionary{
                           {"ach", Value(Value::Array{Value(Value::Dictionary{
                                       {"account_id", "a"}, {"account", "1"}, {"routing", "2"}})})}})}}))},
            2},
        FailureCase{
            "AuthAccountWithoutSubtype",
            kOkExchange,
            {200,
             authWith(Value(Value::Dictionary{
                 {"numbers", Value(Value::Dictionary{
                                 {"ach", Value(Value::Array{Value(Value::Dictionary{
                                             {"account_id", "a"}, {"account", "1"}, {"routing", "2"}})})}})},
                 {"accounts", Value(Value::Array{Value(Value::Dictionary{{"account_id", "a"}})})}}))},
            2},
        FailureCase{
            "AuthMalformedAchBeforeTheAgreeingOne",
            kOkExchange,
            {200, authReplyOf(R"([{"account_id":"acc-0","routing":"011401533"},)" + kAgreeingAch + "]",
                              "[" + kItsAccount + "]")},
            2},
        FailureCase{
            "AuthAgreeingAccountWithANullSubtype",
            kOkExchange,
            {200, authReplyOf("[" + kAgreeingAch + "]", R"([{"account_id":"acc-1","subtype":null}])")},
            2},
        FailureCase{"WrongAccountNumber", kOkExchange, {200, authReply("1111222233339999")}, 2},
        FailureCase{
            "WrongType", kOkExchange, {200, authReply("1111222233330000", "011401533", "savings")}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

// What the vendor sends beyond the agreeing number and its account is never read.
class VendorExtrasTest : public VendorTest,
                         public ::testing::WithParamInterface<std::pair<const char*, Reply>> {};

TEST_P(VendorExtrasTest, DoNotKeepTheAgreeingNumberFromVerifying) {
    auth = GetParam().second;
    auto screen = open("BANK_LINK");
    ASSERT_TRUE(screen);
    link(screen, Outcome::succeed(kPublicToken));
    EXPECT_TRUE(std::dynamic_pointer_cast<AccountAddedSuccessfullyViewController>(host.topViewController()));
    EXPECT_TRUE(BannerMessages::visibleBanners().empty());
    EXPECT_FALSE(ProgressHUD::isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Extras, VendorExtrasTest,
    ::testing::Values(
        std::pair{"AnotherAccountWithANullSubtype",
                  Reply{200, authReplyOf("[" + kAgreeingAch + "]",
                                         R"([{"account_id":"sav-2","subtype":null},)" + kItsAccount + "]")}},
        std::pair{"AnAccountWithoutAnId",
                  Reply{200, authReplyOf("[" + kAgreeingAch + "]",
                                         R"([{"subtype":"savings","mask":"1111"},)" + kItsAccount + "]")}},
        std::pair{"LaterBadAchEntries",
                  Reply{200, authReplyOf("[" + kAgreeingAch + R"(,{"account_id":7},null,{"account":"1"}])",
                                         "[" + kItsAccount + "]")}}),
    [](const auto& info) { return std::string(info.param.first); });

TEST_F(VendorTest, AVendorOutOfReachEndsWithTheBanner) {
    ASSERT_TRUE(ServiceAddresses::setBaseURL(OutsideService::BankLink,
                                             "http://127.0.0.1:" + std::to_string(test::closedPort())));
    auto screen = open("BANK_LINK");
    ASSERT_TRUE(screen);
    link(screen, Outcome::succeed(kPublicToken));
    EXPECT_TRUE(failedOn(screen));
}

TEST_F(VendorTest, MissingEnteredDetailsEndWithTheBanner) {
    for (const auto& details :
         {std::optional<Value>(),
          std::optional<Value>(Value(
              Value::Dictionary{{"ACCOUNT_NUMBER", "1111222233330000"}, {"ACCOUNT_TYPE", "Checking"}}))}) {
        auto screen = open("BANK_LINK", details);
        ASSERT_TRUE(screen);
        link(screen, Outcome::succeed(kPublicToken));
        EXPECT_TRUE(failedOn(screen));
        host.advance(BannerMessages::kDuration + 1);
    }
}

TEST_F(VendorTest, ATokenThatCannotBeSentSendsNothing) {
    auto screen = open("BANK_LINK");
    ASSERT_TRUE(screen);
    link(screen, Outcome::succeed("public-\xff\xfe"));
    EXPECT_TRUE(failedOn(screen));
    EXPECT_TRUE(vendor.requests().empty());
}

TEST_F(VendorTest, ContinueAfterAFailureStartsAnewAndCanSucceed) {
    auth = {200, authReply("9999")};
    auto screen = open("BANK_LINK");
    ASSERT_TRUE(screen);
    link(screen, Outcome::succeed(kPublicToken));
    ASSERT_TRUE(failedOn(screen));
    host.advance(BannerMessages::kDuration + 1);
    {
        std::lock_guard lock(mutex);
        auth = kOkAuth;
    }
    link(screen, Outcome::succeed(kPublicToken));
    EXPECT_TRUE(std::dynamic_pointer_cast<AccountAddedSuccessfullyViewController>(host.topViewController()));
    EXPECT_EQ(vendor.requests().size(), 4u);
}

}  // namespace
}  // namespace fv
