#include <gtest/gtest.h>

#include "platform/foundation/JSON.h"
#include "platform/foundation/RunLoop.h"
#include "platform/net/HTTPSessionClient.h"
#include "platform/net/TrustedAuthorities.h"
#include "platform/testing/LoopbackServer.h"

namespace fv {
namespace {

using Scheme = test::LoopbackServer::Scheme;

struct Result {
    int successes = 0, failures = 0;
    Value object;
    NSError error;
};

Result post(const std::string& url, const Value& body) {
    auto result = std::make_shared<Result>();
    HTTPSessionClient client(url);
    client.setTimeoutInterval(5);
    client.POST(
        url, body,
        [result](const auto&, const Value& object) { ++result->successes, result->object = object; },
        [result](const auto&, const NSError& error) { ++result->failures, result->error = error; });
    test::waitFor([&] { return result->successes + result->failures > 0; }, 5.0);
    RunLoop::main().pumpUntil([] { return false; }, 0.05);
    return *result;
}

// Where a redirect points, relative to the server that sends it.
enum class Target { OtherHost, OtherPort, PlainHTTP };

struct RedirectCase {
    const char* name;
    int status;
    Target target;
    const char* expectedText;
};

// A server that answers with a redirect, and the server it points to, which records what reached it.
class RedirectTest : public ::testing::TestWithParam<RedirectCase> {
  protected:
    void SetUp() override {
        RunLoop::main();
        TrustedAuthorities::removeAddedAuthorities();
    }
    void TearDown() override { TrustedAuthorities::removeAddedAuthorities(); }
};

TEST_P(RedirectTest, ARedirectLeavingTheOriginFailsAndSendsNothingThere) {
    const RedirectCase& c = GetParam();
    test::LoopbackServer elsewhere;
    elsewhere.server.Post(".*", [&](const httplib::Request& req, httplib::Response& res) {
        elsewhere.record(req);
        res.set_content(R"({"taken":true})", "application/json");
    });
    elsewhere.server.Get(".*", [&](const httplib::Request& req, httplib::Response& res) {
        elsewhere.record(req);
        res.set_content(R"({"taken":true})", "application/json");
    });
    elsewhere.start();
    std::string location = c.target == Target::OtherHost
                               ? "http://localhost:" + std::to_string(elsewhere.port()) + "/collect"
                               : elsewhere.url("/collect");

    test::LoopbackServer backend(c.target == Target::PlainHTTP ? Scheme::HTTPS : Scheme::HTTP);
    backend.server.Post("/apply", [&](const httplib::Request& req, httplib::Response& res) {
        backend.record(req);
        res.status = c.status;
        res.set_header("Location", location);
        res.set_content(R"({"moved":true})", "application/json");
    });
    backend.start();
    test::LoopbackServer::trustTestAuthority();

    Result result = post(backend.url("/apply"), Value::Dictionary{{"ssn", "123-45-6789"}});
    EXPECT_EQ(result.successes, 0);
    ASSERT_EQ(result.failures, 1);
    EXPECT_EQ(result.error.code, NSURLErrorBadServerResponse);
    EXPECT_NE(result.error.localizedDescription.find(c.expectedText), std::string::npos)
        << result.error.localizedDescription;
    EXPECT_EQ(backend.requests().size(), 1u);
    EXPECT_TRUE(elsewhere.requests().empty()) << "the application reached another server";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RedirectTest,
    ::testing::Values(
        RedirectCase{"TemporaryWithBodyToAnotherPort", 307, Target::OtherPort, "another origin"},
        RedirectCase{"PermanentWithBodyToAnotherPort", 308, Target::OtherPort, "another origin"},
        RedirectCase{"FoundToAnotherHost", 302, Target::OtherHost, "another origin (http://localhost"},
        RedirectCase{"SeeOtherToAnotherHost", 303, Target::OtherHost, "another origin"},
        RedirectCase{"SecureToPlainHTTP", 307, Target::PlainHTTP, "plain HTTP"},
        RedirectCase{"SecureToPlainHTTPFound", 302, Target::PlainHTTP, "plain HTTP"}),
    [](const auto& info) { return std::string(info.param.name); });

class SameOriginRedirectTest : public ::testing::Test {
  protected:
    void SetUp() override { RunLoop::main(); }
    test::LoopbackServer server;
};

TEST_F(SameOriginRedirectTest, TemporaryRedirectRepeatsThePostWithItsBody) {
    server.server.Post("/old", [](const httplib::Request&, httplib::Response& res) {
        res.status = 307;
        res.set_header("Location", "/new");
    });
    server.server.Post("/new", [&](const httplib::Request& req, httplib::Response& res) {
        server.record(req);
        res.set_content(R"({"at":"new"})", "application/json");
    });
    server.start();
    Result result = post(server.url("/old"), Value::Dictionary{{"k", "v"}});
    ASSERT_EQ(result.successes, 1) << result.error.localizedDescription;
    EXPECT_EQ(result.object["at"].asString(), "new");
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(JSON::parse(server.requests()[0].body), JSON::parse(R"({"k":"v"})"));
}

TEST_F(SameOriginRedirectTest, FoundAfterAPostFetchesTheNewAddressWithoutTheBody) {
    server.server.Post("/old", [](const httplib::Request&, httplib::Response& res) {
        res.status = 302;
        res.set_header("Location", "/new");
    });
    server.server.Get("/new", [&](const httplib::Request& req, httplib::Response& res) {
        server.record(req);
        res.set_content(R"({"at":"new"})", "application/json");
    });
    server.start();
    Result result = post(server.url("/old"), Value::Dictionary{{"k", "v"}});
    ASSERT_EQ(result.successes, 1) << result.error.localizedDescription;
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0].method, "GET");
    EXPECT_TRUE(server.requests()[0].body.empty());
}

TEST_F(SameOriginRedirectTest, ALoopEndsWithTooManyRedirects) {
    server.server.Post("/loop", [&](const httplib::Request& req, httplib::Response& res) {
        server.record(req);
        res.status = 308;
        res.set_header("Location", "/loop");
    });
    server.start();
    Result result = post(server.url("/loop"), Value::Dictionary{{"k", "v"}});
    ASSERT_EQ(result.failures, 1);
    EXPECT_EQ(result.error.code, NSURLErrorHTTPTooManyRedirects);
    EXPECT_EQ(server.requests().size(), 17u) << "the first request and 16 redirects";
}

}  // namespace
}  // namespace fv
