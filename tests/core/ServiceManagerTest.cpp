#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <thread>

#include <gtest/gtest.h>

#include "core/ServiceConstants.h"
#include "core/ServiceManager.h"
#include "platform/foundation/JSON.h"
#include "platform/foundation/RunLoop.h"

namespace fv {
namespace {

const char* kNoJSON = "Service Gave Error So No JSON Received In Response";
const char* kFailed = "Service Failed";

// A loopback backend; each path answers in one way.
class Backend {
  public:
    Backend() {
        server_.Post("/ok", [this](const httplib::Request& req, httplib::Response& res) {
            record(req);
            res.set_content(R"({"reply": {"code": 0, "items": [1, "two"]}})",
                            "application/json; charset=utf-8");
        });
        server_.Post("/empty",
                     [](const auto&, httplib::Response& res) { res.set_content("", "application/json"); });
        server_.Post("/garbled", [](const auto&, httplib::Response& res) {
            res.set_content("{\"reply\": ", "text/json");
        });
        server_.Post("/fault", [](const auto&, httplib::Response& res) {
            res.status = 500;
            res.set_content(R"({"error": "down"})", "application/json");
        });
        server_.Post("/html", [](const auto&, httplib::Response& res) {
            res.set_content(R"({"reply": 1})", "text/html");
        });
        server_.Post("/slow", [](const auto&, httplib::Response& res) {
            std::this_thread::sleep_for(std::chrono::milliseconds(600));
            res.set_content("{}", "application/json");
        });
        // One request per connection, so that stopping the server does not wait on an idle keep-alive.
        server_.set_keep_alive_max_count(1);
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
    }
    ~Backend() {
        server_.stop();
        thread_.join();
    }
    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }
    httplib::Request last() {
        std::lock_guard lock(mutex_);
        return last_;
    }

  private:
    void record(const httplib::Request& req) {
        std::lock_guard lock(mutex_);
        last_ = req;
    }
    httplib::Server server_;
    int port_ = 0;
    std::thread thread_;
    std::mutex mutex_;
    httplib::Request last_;
};

// A loopback port that nothing listens on.
int closedPort() {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    ::bind(fd, reinterpret_cast<sockaddr*>(&addr), len);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    ::close(fd);
    return ntohs(addr.sin_port);
}

struct Outcome {
    int calls = 0;
    bool onMain = false;
    std::optional<std::string> result, message, response;
};

Outcome post(const std::string& url, const Value& body = Value::Dictionary{{"k", "v"}}) {
    auto outcome = std::make_shared<Outcome>();
    ServiceManager::sharedInstance().PostService(body, url,
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
    void SetUp() override { ServiceManager::sharedInstance().setTimeoutIntervalForTesting(0.3); }
    void TearDown() override { ServiceManager::sharedInstance().setTimeoutIntervalForTesting(30.0); }
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
                                       : "http://127.0.0.1:" + std::to_string(closedPort()) + "/x";
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
                    FailureCase{"MalformedAddress", "http://exa mple.test/x", &SERVICE_RESULT_FAILURE,
                                kFailed}),
    [](const auto& info) { return std::string(info.param.name); });

// The override is read once, when the shared client is made, so it is set before any test runs.
class RedirectedBackend : public testing::Environment {
  public:
    void SetUp() override {
        backend = std::make_unique<Backend>();
        ::setenv("FERNVAULT_SERVICE_URL", backend->url("/").c_str(), 1);
    }
    void TearDown() override { backend.reset(); }
    std::unique_ptr<Backend> backend;
};
RedirectedBackend* const redirected =
    static_cast<RedirectedBackend*>(testing::AddGlobalTestEnvironment(new RedirectedBackend));

TEST(ServiceManagerOverride, RequestsForTheBackendAddressGoToTheOverride) {
    Outcome o = post(SERVICE_URL + "/ok");
    EXPECT_EQ(o.result, SERVICE_RESULT_SUCCESS);
    EXPECT_EQ(redirected->backend->last().path, "/ok");
}

TEST(ServiceManagerDefaults, ThirtySecondTimeOutAndTheBackendAddress) {
    EXPECT_EQ(ServiceManager::sharedInstance().timeoutInterval(), 30.0);
    EXPECT_EQ(SERVICE_URL + SERVICE_ACTION_CREATE_CARD,
              "https://api.fernvault.example/RestfulWS/restful/services/create_cardholder");
}

}  // namespace
}  // namespace fv
