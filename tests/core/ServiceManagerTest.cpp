#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

#include "core/ServiceAddresses.h"
#include "core/ServiceConstants.h"
#include "core/ServiceManager.h"
#include "platform/foundation/JSON.h"
#include "platform/foundation/ResetHooks.h"
#include "platform/foundation/RunLoop.h"
#include "platform/testing/LoopbackServer.h"

namespace fv {
namespace {

const char* kNoJSON = "Service Gave Error So No JSON Received In Response";
const char* kFailed = "Service Failed";

// A loopback backend; each path answers in one way.
class Backend : public test::LoopbackServer {
  public:
    Backend() {
        server.Post("/ok", [this](const httplib::Request& req, httplib::Response& res) {
            record(req);
            res.set_content(R"({"reply": {"code": 0, "items": [1, "two"]}})",
                            "application/json; charset=utf-8");
        });
        server.Post("/empty",
                    [](const auto&, httplib::Response& res) { res.set_content("", "application/json"); });
        server.Post("/garbled", [](const auto&, httplib::Response& res) {
            res.set_content("{\"reply\": ", "text/json");
        });
        server.Post("/fault", [](const auto&, httplib::Response& res) {
            res.status = 500;
            res.set_content(R"({"error": "down"})", "application/json");
        });
        server.Post("/html", [](const auto&, httplib::Response& res) {
            res.set_content(R"({"reply": 1})", "text/html");
        });
        server.Post("/slow", [](const auto&, httplib::Response& res) {
            std::this_thread::sleep_for(std::chrono::milliseconds(600));
            res.set_content("{}", "application/json");
        });
        server.Post("/huge", [](const auto&, httplib::Response& res) {
            res.set_content("[\"" + std::string(5 * 1024 * 1024, 'x') + "\"]", "application/json");
        });
        // Just under the client's 4 MiB cap, mostly one member the new-card reply does not know.
        server.Post("/large", [](const auto&, httplib::Response& res) {
            res.set_content(
                R"({"responseCode": "0", "padding": ")" + std::string(4 * 1024 * 1024 - 64, 'p') + "\"}",
                "application/json");
        });
        server.Post("/moved", [this](const auto&, httplib::Response& res) {
            res.status = 307;
            res.set_header("Location", redirectTo);
        });
        start();
    }
    std::string redirectTo;  // set before a request to /moved
};

struct Outcome {
    int calls = 0;
    bool onMain = false;
    std::optional<std::string> result, message, response;
};

Outcome post(const std::string& url, const Value& body = Value::Dictionary{{"k", "v"}}) {
    auto outcome = std::make_shared<Outcome>();
    ServiceManager::sharedInstance()->PostService(body, url,
                                                  [outcome](const auto& r, const auto& m, const auto& p) {
                                                      ++outcome->calls;
                                                      outcome->onMain = RunLoop::main().isMainThread();
                                                      outcome->result = r;
                                                      outcome->message = m;
                                                      outcome->response = p;
                                                  });
    EXPECT_EQ(outcome->calls, 0) << "the completion must not run inside the call";
    EXPECT_TRUE(RunLoop::main().pumpUntil([&] { return outcome->calls > 0; }, 5.0));
    RunLoop::main().pumpUntil([] { return false; }, 0.1);  // a second completion would show up here
    return *outcome;
}

class ServiceManagerTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetHooks::runAll();
        ServiceManager::sharedInstance()->setTimeoutIntervalForTesting(0.3);
    }
    void TearDown() override { ResetHooks::runAll(); }
    Backend backend;
};

TEST_F(ServiceManagerTest, SuccessHandsOnTheReplyAsPrettyJSONAndSendsTheBodyAsJSON) {
    Outcome o =
        post(backend.url("/ok"), Value::Dictionary{{"create_cardholder", Value::Dictionary{{"a", ""}}}});
    EXPECT_EQ(o.calls, 1);
    EXPECT_TRUE(o.onMain);
    EXPECT_EQ(o.result, SERVICE_RESULT_SUCCESS);
    EXPECT_EQ(o.message, std::nullopt);
    ASSERT_TRUE(o.response);
    EXPECT_NE(o.response->find('\n'), std::string::npos) << "pretty-printed";
    EXPECT_EQ(JSON::parse(*o.response), JSON::parse(R"({"reply": {"code": 0, "items": [1, "two"]}})"));

    httplib::Request sent = backend.last();
    EXPECT_EQ(sent.method, "POST");
    EXPECT_EQ(sent.get_header_value("Content-Type"), "application/json");
    EXPECT_EQ(JSON::parse(sent.body), JSON::parse(R"({"create_cardholder": {"a": ""}})"));
}

TEST_F(ServiceManagerTest, AReplyForAReaderArrivesParsedAndTheMainQueueParsesNothing) {
    ServiceManager::sharedInstance()->setTimeoutIntervalForTesting(10);
    for (const char* path : {"/ok", "/large"}) {
        const auto parsedOnMain = JSON::bytesParsedOnThisThread();
        std::shared_ptr<const ServiceManager::Reply> reply;
        int calls = 0;
        ServiceManager::sharedInstance()->PostServiceForReply(
            Value::Dictionary{{"k", "v"}}, backend.url(path),
            [&](const auto& result, const auto&, const auto& r) {
                ++calls;
                EXPECT_EQ(result, SERVICE_RESULT_SUCCESS);
                reply = r;
            });
        EXPECT_TRUE(RunLoop::main().pumpUntil([&] { return calls > 0; }, 20.0)) << path;
        EXPECT_EQ(JSON::bytesParsedOnThisThread(), parsedOnMain) << path;
        ASSERT_TRUE(reply) << path;
        EXPECT_EQ(calls, 1);
        EXPECT_TRUE(reply->object.isDictionary()) << path;
        EXPECT_EQ(JSON::parse(reply->text), reply->object) << "the text is the same reply, pretty-printed";
    }
}

struct FailureCase {
    const char* name;
    const char* path;  // a path of the backend; empty: a port nothing listens on; else a whole address
    const std::string* result;
    const char* message;
};

class ServiceManagerOutcome : public ServiceManagerTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(ServiceManagerOutcome, ReportsOnceOnTheMainQueueWithTheExactResultAndMessage) {
    const FailureCase& c = GetParam();
    std::string url = c.path[0] == '/' ? backend.url(c.path)
                      : *c.path        ? std::string(c.path)
                                       : "http://127.0.0.1:" + std::to_string(test::closedPort()) + "/x";
    Outcome o = post(url);
    EXPECT_EQ(o.calls, 1);
    EXPECT_TRUE(o.onMain);
    EXPECT_EQ(o.result, *c.result);
    EXPECT_EQ(o.message, c.message);
    EXPECT_EQ(o.response, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ServiceManagerOutcome,
    testing::Values(FailureCase{"EmptyJSONReply", "/empty", &SERVICE_RESULT_ERROR, kNoJSON},
                    FailureCase{"BodyNotJSON", "/garbled", &SERVICE_RESULT_FAILURE, kFailed},
                    FailureCase{"ServerError", "/fault", &SERVICE_RESULT_FAILURE, kFailed},
                    FailureCase{"WrongContentType", "/html", &SERVICE_RESULT_FAILURE, kFailed},
                    FailureCase{"ConnectionRefused", "", &SERVICE_RESULT_FAILURE, kFailed},
                    FailureCase{"TimedOut", "/slow", &SERVICE_RESULT_FAILURE, kFailed},
                    FailureCase{"ReplyOverTheCap", "/huge", &SERVICE_RESULT_FAILURE, kFailed},
                    FailureCase{"MalformedAddress", "http://exa mple.test/x", &SERVICE_RESULT_FAILURE,
                                kFailed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ServiceManagerTest, RequestsForTheBackendGoToTheBaseAddressSetInCode) {
    ASSERT_TRUE(ServiceAddresses::setBaseURL(OutsideService::Backend, backend.url("/")));
    Outcome o = post(SERVICE_URL + "/ok");
    EXPECT_EQ(o.result, SERVICE_RESULT_SUCCESS);
    EXPECT_EQ(backend.last().path, "/ok");
}

TEST_F(ServiceManagerTest, TheEnvironmentIsReadAtEachRequest) {
    ::setenv("FERNVAULT_SERVICE_URL", backend.url("").c_str(), 1);
    Outcome o = post(SERVICE_URL + "/ok");
    ::unsetenv("FERNVAULT_SERVICE_URL");
    EXPECT_EQ(o.result, SERVICE_RESULT_SUCCESS);
    EXPECT_EQ(backend.last().path, "/ok");
}

TEST_F(ServiceManagerTest, ARedirectToAnotherServerIsAFailureAndTheBodyStaysHere) {
    test::LoopbackServer elsewhere;
    elsewhere.server.Post(".*", [&](const httplib::Request& req, httplib::Response& res) {
        elsewhere.record(req);
        res.set_content("{}", "application/json");
    });
    elsewhere.start();
    backend.redirectTo = elsewhere.url("/steal");
    Outcome o = post(backend.url("/moved"), Value::Dictionary{{"ssn", "123456789"}});
    EXPECT_EQ(o.result, SERVICE_RESULT_FAILURE);
    EXPECT_EQ(o.message, kFailed);
    EXPECT_TRUE(elsewhere.requests().empty());
}

TEST_F(ServiceManagerTest, AnHTTPSBackendOnLoopbackIsReachedThroughTheAddedAuthorityOnly) {
    test::LoopbackServer secure(test::LoopbackServer::Scheme::HTTPS);
    secure.server.Post("/RestfulWS/create_cardholder",
                       [&](const httplib::Request& req, httplib::Response& res) {
                           secure.record(req);
                           res.set_content(R"({"responseCode":"00"})", "application/json");
                       });
    secure.start();
    ASSERT_TRUE(ServiceAddresses::setBaseURL(OutsideService::Backend, secure.url("/RestfulWS")));

    Outcome untrusted = post(SERVICE_URL + SERVICE_ACTION_CREATE_CARD);
    EXPECT_EQ(untrusted.result, SERVICE_RESULT_FAILURE);
    EXPECT_TRUE(secure.requests().empty());

    test::LoopbackServer::trustTestAuthority();
    ServiceManager::sharedInstance()->setTimeoutIntervalForTesting(5);
    Outcome trusted = post(SERVICE_URL + SERVICE_ACTION_CREATE_CARD);
    EXPECT_EQ(trusted.result, SERVICE_RESULT_SUCCESS);
    ASSERT_EQ(secure.requests().size(), 1u);
    EXPECT_EQ(JSON::parse(secure.requests()[0].body), JSON::parse(R"({"k":"v"})"));
}

// The same slow reply fails under a short time-out and arrives under the default one, so the
// time-out is the request's, not a number kept beside it.
TEST_F(ServiceManagerTest, TheTimeOutReachesTheRequest) {
    EXPECT_EQ(post(backend.url("/slow")).result, SERVICE_RESULT_FAILURE);
    ResetHooks::runAll();
    ASSERT_EQ(ServiceManager::sharedInstance()->timeoutInterval(), 30.0);
    EXPECT_EQ(post(backend.url("/slow")).result, SERVICE_RESULT_SUCCESS);
}

}  // namespace
}  // namespace fv
