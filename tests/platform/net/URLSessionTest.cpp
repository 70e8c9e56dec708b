#include <gtest/gtest.h>

#include <atomic>
#include <mutex>

#include "platform/foundation/RunLoop.h"
#include "platform/net/CurlTransport.h"
#include "platform/net/URLSession.h"
#include "platform/testing/LoopbackServer.h"

namespace fv {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Collects completions from whichever thread delivers them.
struct Outcome {
    std::mutex mutex;
    int calls = 0;
    bool onMain = false;
    Bytes data;
    std::optional<NSHTTPURLResponse> response;
    std::optional<NSError> error;

    NSURLSessionDataTask::Completion completion() {
        return [this](const Bytes& d, const std::optional<NSHTTPURLResponse>& r,
                      const std::optional<NSError>& e) {
            std::lock_guard lock(mutex);
            ++calls;
            onMain = RunLoop::main().isMainThread();
            data = d;
            response = r;
            error = e;
        };
    }
    int count() {
        std::lock_guard lock(mutex);
        return calls;
    }
    bool wait(double seconds = 2.0) {
        return test::waitFor([this] { return count() > 0; }, seconds);
    }
    std::string text() {
        std::lock_guard lock(mutex);
        return std::string(data.begin(), data.end());
    }
};

class URLSessionTest : public ::testing::Test {
  protected:
    void SetUp() override { RunLoop::main(); }

    NSURLRequest request(const std::string& path, const std::string& method = "GET") {
        NSURLRequest r(NSURL::URLWithString(server.url(path)));
        r.setHTTPMethod(method);
        return r;
    }

    test::LoopbackServer server;
};

TEST_F(URLSessionTest, PostCarriesBodyAndHeadersAndAnswersOnABackgroundThread) {
    server.server.Post("/echo", [&](const httplib::Request& req, httplib::Response& res) {
        server.record(req);
        res.status = 201;
        res.set_header("X-Reply", "one");
        res.set_content("{\"ok\":true}", "application/json; charset=utf-8");
    });
    server.start();

    NSURLRequest r = request("/echo", "POST");
    r.setValueForHTTPHeaderField("application/json", "Content-Type");
    r.setValueForHTTPHeaderField("abc", "X-Token");
    std::string body(2048, 'x');  // large enough that curl would otherwise ask for "100 Continue"
    r.setHTTPBody(body);
    Outcome outcome;
    auto task = NSURLSession::sharedSession()->dataTaskWithRequest(r, outcome.completion());
    EXPECT_EQ(task->state(), NSURLSessionDataTask::State::Suspended);
    task->resume();
    ASSERT_TRUE(outcome.wait());

    EXPECT_FALSE(outcome.error);
    EXPECT_FALSE(outcome.onMain);
    ASSERT_TRUE(outcome.response);
    EXPECT_EQ(outcome.response->statusCode, 201);
    EXPECT_EQ(outcome.response->MIMEType, "application/json");
    EXPECT_EQ(outcome.response->valueForHTTPHeaderField("x-reply"), "one");
    EXPECT_EQ(outcome.text(), "{\"ok\":true}");
    EXPECT_EQ(task->state(), NSURLSessionDataTask::State::Completed);

    auto seen = server.requests();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].body, body);
    EXPECT_EQ(seen[0].get_header_value("Content-Type"), "application/json");
    EXPECT_EQ(seen[0].get_header_value_count("Content-Type"), 1u);
    EXPECT_EQ(seen[0].get_header_value("X-Token"), "abc");
    EXPECT_FALSE(seen[0].has_header("Expect"));
}

TEST_F(URLSessionTest, StatusErrorsAreAnswersNotTransportErrors) {
    server.server.Get("/missing", [](const httplib::Request&, httplib::Response& res) {
        res.status = 404;
        res.set_content("nope", "text/plain");
    });
    server.start();
    Outcome outcome;
    NSURLSession::sharedSession()->dataTaskWithRequest(request("/missing"), outcome.completion())->resume();
    ASSERT_TRUE(outcome.wait());
    EXPECT_FALSE(outcome.error);
    ASSERT_TRUE(outcome.response);
    EXPECT_EQ(outcome.response->statusCode, 404);
    EXPECT_EQ(outcome.text(), "nope");
}

TEST_F(URLSessionTest, TimeOutIsTheWholeExchange) {
    server.server.Get("/slow", [&](const httplib::Request&, httplib::Response& res) {
        server.hold();
        res.set_content("late", "text/plain");
    });
    server.start();
    NSURLRequest r = request("/slow");
    r.setTimeoutInterval(0.2);
    Outcome outcome;
    NSURLSession::sharedSession()->dataTaskWithRequest(r, outcome.completion())->resume();
    ASSERT_TRUE(outcome.wait());
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(outcome.error->code, NSURLErrorTimedOut);
    EXPECT_EQ(outcome.error->domain, NSURLErrorDomain);
    EXPECT_EQ(outcome.error->localizedDescription, "The request timed out.");
    EXPECT_FALSE(outcome.response);
    EXPECT_EQ(outcome.error->description(),
              "Error Domain=NSURLErrorDomain Code=-1001 \"The request timed out.\"");
}

TEST_F(URLSessionTest, RefusedConnectionAndUnusableRequestsFail) {
    struct Case {
        std::optional<NSURL> url;
        std::int64_t code;
    };
    std::vector<Case> cases = {
        {NSURL::URLWithString("http://127.0.0.1:" + std::to_string(test::closedPort()) + "/"),
         NSURLErrorCannotConnectToHost},
        {NSURL::URLWithString("file:///etc/passwd"), NSURLErrorUnsupportedURL},
        {std::nullopt, NSURLErrorBadURL},
    };
    for (const auto& c : cases) {
        Outcome outcome;
        NSURLSession::sharedSession()
            ->dataTaskWithRequest(NSURLRequest(c.url), outcome.completion())
            ->resume();
        ASSERT_TRUE(outcome.wait());
        ASSERT_TRUE(outcome.error);
        EXPECT_EQ(outcome.error->code, c.code);
        EXPECT_EQ(outcome.count(), 1);
    }
}

TEST_F(URLSessionTest, HeaderValuesWithLineBreaksAreNotSent) {
    server.server.Get("/x", [&](const httplib::Request& req, httplib::Response&) { server.record(req); });
    server.start();
    NSURLRequest r = request("/x");
    r.setValueForHTTPHeaderField("a\r\nX-Injected: 1", "X-Value");
    Outcome outcome;
    NSURLSession::sharedSession()->dataTaskWithRequest(r, outcome.completion())->resume();
    ASSERT_TRUE(outcome.wait());
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(outcome.error->code, NSURLErrorBadURL);
    EXPECT_TRUE(server.requests().empty());
}

TEST_F(URLSessionTest, CancelEndsTheTaskOnceWithACancelledError) {
    server.server.Get("/held", [&](const httplib::Request&, httplib::Response& res) {
        server.hold();
        res.set_content("late", "text/plain");
    });
    server.start();
    Outcome outcome;
    auto task = NSURLSession::sharedSession()->dataTaskWithRequest(request("/held"), outcome.completion());
    task->resume();
    task->cancel();
    task->cancel();
    ASSERT_TRUE(outcome.wait());
    server.release();
    // A late answer from the server must not make a second completion.
    test::waitFor([] { return false; }, 0.3);
    EXPECT_EQ(outcome.count(), 1);
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(outcome.error->code, NSURLErrorCancelled);
    EXPECT_EQ(outcome.error->localizedDescription, "cancelled");
    task->resume();  // no effect on a finished task
    EXPECT_EQ(task->state(), NSURLSessionDataTask::State::Completed);

    Outcome never;
    auto suspended = NSURLSession::sharedSession()->dataTaskWithRequest(request("/held"), never.completion());
    suspended->cancel();
    ASSERT_TRUE(never.wait());
    EXPECT_EQ(never.error->code, NSURLErrorCancelled);
}

TEST_F(URLSessionTest, MainQueueSessionAnswersOnlyWhenTheMainLoopRuns) {
    server.server.Get(
        "/hi", [](const httplib::Request&, httplib::Response& res) { res.set_content("hi", "text/plain"); });
    server.start();
    auto session = NSURLSession::create(NSOperationQueue::mainQueue());
    Outcome outcome;
    session->dataTaskWithRequest(request("/hi"), outcome.completion())->resume();
    ASSERT_TRUE(outcome.wait());
    EXPECT_TRUE(outcome.onMain);
    EXPECT_EQ(outcome.text(), "hi");
}

}  // namespace
}  // namespace fv

namespace fv {
namespace {

TEST(URLSessionLimitTest, ABodyOverTheLimitEndsTheLoadWithAnError) {
    RunLoop::main();
    test::LoopbackServer server;
    server.server.Get("/big", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(std::string(64 * 1024, 'x'), "application/octet-stream");
    });
    server.start();
    std::size_t previous = CurlTransport::maximumResponseSize();
    CurlTransport::setMaximumResponseSize(1024);

    Outcome outcome;
    NSURLSession::create(nullptr)
        ->dataTaskWithRequest(NSURLRequest(NSURL::URLWithString(server.url("/big"))), outcome.completion())
        ->resume();
    ASSERT_TRUE(outcome.wait());
    CurlTransport::setMaximumResponseSize(previous);
    ASSERT_TRUE(outcome.error.has_value());
    EXPECT_EQ(outcome.error->code, NSURLErrorDataLengthExceedsMaximum);
    EXPECT_TRUE(outcome.data.empty());
    EXPECT_EQ(outcome.count(), 1);
}

TEST(URLSessionLimitTest, TheSharedSessionTakesServiceRepliesUpToFourMebibytes) {
    RunLoop::main();
    test::LoopbackServer server;
    server.server.Get("/over", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(std::string(kServiceReplyMaximumSize + 1, 'x'), "application/json");
    });
    server.start();

    Outcome outcome;
    NSURLSession::sharedSession()
        ->dataTaskWithRequest(NSURLRequest(NSURL::URLWithString(server.url("/over"))), outcome.completion())
        ->resume();
    ASSERT_TRUE(outcome.wait());
    ASSERT_TRUE(outcome.error.has_value());
    EXPECT_EQ(outcome.error->code, NSURLErrorDataLengthExceedsMaximum);
}

}  // namespace
}  // namespace fv
