#include <gtest/gtest.h>

#include "platform/foundation/JSON.h"
#include "platform/foundation/RunLoop.h"
#include "platform/net/HTTPSessionClient.h"
#include "platform/testing/LoopbackServer.h"

namespace fv {
namespace {

struct Result {
    int successes = 0, failures = 0;
    bool onMain = true;
    Value object;
    NSError error;
};

class HTTPSessionClientTest : public ::testing::Test {
  protected:
    void SetUp() override { RunLoop::main(); }

    // Posts and pumps the main loop until a callback came, then a little longer for a second one.
    Result post(HTTPSessionClient& client, const std::string& path, const Value& parameters = Value()) {
        auto result = std::make_shared<Result>();  // shared, so a late callback still has it
        client.POST(
            path, parameters,
            [result](const std::shared_ptr<NSURLSessionDataTask>&, const Value& object) {
                ++result->successes;
                result->onMain = result->onMain && RunLoop::main().isMainThread();
                result->object = object;
            },
            [result](const std::shared_ptr<NSURLSessionDataTask>&, const NSError& error) {
                ++result->failures;
                result->onMain = result->onMain && RunLoop::main().isMainThread();
                result->error = error;
            });
        RunLoop::main().pumpUntil([&] { return result->successes + result->failures > 0; }, 3.0);
        RunLoop::main().pumpUntil([] { return false; }, 0.05);
        return *result;
    }

    // Serves `body` with `status` and `type` at /reply.
    void serve(int status, std::string type, std::string body) {
        server.server.Post("/reply", [=, this](const httplib::Request& req, httplib::Response& res) {
            server.record(req);
            res.status = status;
            res.set_content(body, type.c_str());
        });
        server.start();
    }

    test::LoopbackServer server;
};

TEST_F(HTTPSessionClientTest, PostsJSONAndHandsBackTheObjectOnTheMainQueue) {
    serve(200, "application/json; charset=utf-8", R"({"result":"ok","n":[1,2]})");
    HTTPSessionClient client(server.url("/"));
    client.setValueForHTTPHeaderField("application/json", "Content-Type");
    client.setTimeoutInterval(30);
    Value parameters;
    parameters.set("name", "Ada");
    parameters.set("age", 36);
    Result result = post(client, server.url("/reply"), parameters);

    ASSERT_EQ(result.successes, 1);
    EXPECT_EQ(result.failures, 0);
    EXPECT_TRUE(result.onMain);
    EXPECT_EQ(result.object["result"].asString(), "ok");
    EXPECT_EQ(result.object["n"].size(), 2u);

    auto seen = server.requests();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].method, "POST");
    EXPECT_EQ(seen[0].get_header_value("Content-Type"), "application/json");
    EXPECT_EQ(JSON::parse(seen[0].body), parameters);
}

TEST_F(HTTPSessionClientTest, RelativePathsResolveAgainstTheBase) {
    serve(200, "text/json", "[]");
    HTTPSessionClient client("http://127.0.0.1:" + std::to_string(server.port()) + "/reply/..");
    Result result = post(client, "reply");
    EXPECT_EQ(result.successes, 1);
    EXPECT_EQ(server.requests().size(), 1u);
}

struct Refusal {
    int status;
    const char* type;
    const char* body;
    std::int64_t code;
    const char* text;  // nullptr: not checked
};

class RefusedAnswer : public HTTPSessionClientTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusedAnswer, EndsInFailureOnce) {
    const Refusal& r = GetParam();
    serve(r.status, r.type, r.body);
    HTTPSessionClient client(server.url("/"));
    Result result = post(client, "reply");
    EXPECT_EQ(result.successes, 0);
    ASSERT_EQ(result.failures, 1);
    EXPECT_TRUE(result.onMain);
    EXPECT_EQ(result.error.code, r.code);
    if (r.text) {
        EXPECT_EQ(result.error.localizedDescription, r.text);
    }
    if (r.status < 200 || r.status > 299) {
        EXPECT_EQ(result.error.userInfo["statusCode"].asInteger(), r.status);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, RefusedAnswer,
    ::testing::Values(Refusal{500, "application/json", R"({"e":1})", NSURLErrorBadServerResponse,
                              "Request failed: internal server error (500)"},
                      Refusal{404, "text/html", "<html/>", NSURLErrorBadServerResponse,
                              "Request failed: not found (404)"},
                      Refusal{302, "application/json", "{}", NSURLErrorBadServerResponse, nullptr},
                      Refusal{200, "text/html", "{}", NSURLErrorCannotDecodeContentData,
                              "Request failed: unacceptable content-type: text/html"},
                      Refusal{200, "application/json", "{\"a\":", NSPropertyListReadCorruptError, nullptr},
                      Refusal{200, "application/json", "42", NSPropertyListReadCorruptError, nullptr}));

TEST_F(HTTPSessionClientTest, EmptyJSONBodyIsSuccessWithoutObject) {
    serve(200, "application/json", "");
    HTTPSessionClient client(server.url("/"));
    Result result = post(client, "reply");
    ASSERT_EQ(result.successes, 1);
    EXPECT_TRUE(result.object.isNull());
}

TEST_F(HTTPSessionClientTest, TransportFailuresEndInFailure) {
    server.server.Post("/slow", [&](const httplib::Request&, httplib::Response& res) {
        server.hold();
        res.set_content("{}", "application/json");
    });
    server.start();
    HTTPSessionClient slow(server.url("/"));
    slow.setTimeoutInterval(0.2);
    Result timedOut = post(slow, "slow");
    ASSERT_EQ(timedOut.failures, 1);
    EXPECT_EQ(timedOut.error.code, NSURLErrorTimedOut);

    HTTPSessionClient refused("http://127.0.0.1:" + std::to_string(test::closedPort()) + "/");
    Result result = post(refused, "x");
    ASSERT_EQ(result.failures, 1);
    EXPECT_EQ(result.error.code, NSURLErrorCannotConnectToHost);

    HTTPSessionClient bad("not a url");
    Result badURL = post(bad, "x");
    ASSERT_EQ(badURL.failures, 1);
    EXPECT_EQ(badURL.error.code, NSURLErrorBadURL);
}

TEST_F(HTTPSessionClientTest, CallbacksComeEvenWhenTheClientIsGone) {
    serve(200, "application/json", "{}");
    Result result;
    {
        HTTPSessionClient client(server.url("/"));
        client.POST(
            "reply", Value(), [&](auto&, const Value&) { ++result.successes; },
            [&](auto&, const NSError&) { ++result.failures; });
    }
    RunLoop::main().pumpUntil([&] { return result.successes + result.failures > 0; }, 3.0);
    EXPECT_EQ(result.successes, 1);
}

}  // namespace
}  // namespace fv
