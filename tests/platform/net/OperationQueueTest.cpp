#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>

#include "platform/foundation/RunLoop.h"
#include "platform/net/OperationQueue.h"
#include "platform/net/URLSession.h"
#include "platform/testing/LoopbackServer.h"

namespace fv {
namespace {

TEST(NSOperationQueueTest, RunsInOrderOffTheMainThread) {
    RunLoop::main();
    auto queue = NSOperationQueue::create();
    std::mutex mutex;
    std::vector<int> order;
    std::atomic<bool> offMain{true};
    for (int i = 0; i < 20; ++i) {
        queue->addOperation([&, i] {
            offMain = offMain && !RunLoop::main().isMainThread();
            std::lock_guard lock(mutex);
            order.push_back(i);
        });
    }
    test::waitFor([&] {
        std::lock_guard lock(mutex);
        return order.size() == 20;
    });
    std::vector<int> expected(20);
    for (int i = 0; i < 20; ++i) expected[i] = i;
    std::lock_guard lock(mutex);
    EXPECT_EQ(order, expected);
    EXPECT_TRUE(offMain);
}

TEST(NSOperationQueueTest, CancelDropsPendingAndStaleWork) {
    auto queue = NSOperationQueue::create();
    std::atomic<bool> blockerStarted{false}, release{false};
    std::atomic<int> ran{0};
    queue->addOperation([&] {
        blockerStarted = true;
        while (!release) std::this_thread::yield();
    });
    while (!blockerStarted) std::this_thread::yield();
    queue->addOperation([&] { ++ran; });
    std::uint64_t before = queue->generation();
    queue->cancelAllOperations();
    queue->addOperation([&] { ran += 10; }, before);  // an answer to a cancelled attempt
    queue->addOperation([&] { ran += 100; });
    release = true;
    test::waitFor([&] { return ran.load() != 0; });
    test::waitFor([] { return false; }, 0.05);
    EXPECT_EQ(ran.load(), 100);
}

TEST(NSOperationQueueTest, MainQueueRunsOnTheRunLoopAndCanBeCancelled) {
    auto main = NSOperationQueue::mainQueue();
    EXPECT_TRUE(main->isMainQueue());
    int ran = 0;
    main->addOperation([&] { ran += 1; });
    EXPECT_EQ(ran, 0);  // never inside the call
    main->cancelAllOperations();
    main->addOperation([&] { ran += 2; });
    test::waitFor([&] { return ran != 0; }, 1.0);
    test::waitFor([] { return false; }, 0.05);
    EXPECT_EQ(ran, 2);
}

TEST(NSOperationQueueTest, AQueueReleasedByItsOwnOperationShutsDownSafely) {
    auto queue = NSOperationQueue::create();
    std::atomic<bool> done{false};
    NSOperationQueue* raw = queue.get();
    raw->addOperation([&done, held = std::move(queue)]() mutable {
        held.reset();
        done = true;
    });
    test::waitFor([&] { return done.load(); });
    EXPECT_TRUE(done);
}

class URLConnectionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RunLoop::main();
        server.server.Get("/json/", [&](const httplib::Request& req, httplib::Response& res) {
            server.record(req);
            if (req.has_param("slow")) server.hold();
            res.set_content("{\"ip\":\"1.2.3.4\"}", "application/json");
        });
        server.server.Get("/huge/", [&](const httplib::Request&, httplib::Response& res) {
            res.set_content(std::string(kServiceReplyMaximumSize + 1, ' '), "application/json");
        });
        server.start();
    }
    test::LoopbackServer server;
};

TEST_F(URLConnectionTest, AnswersOnTheGivenQueue) {
    auto queue = NSOperationQueue::create();
    std::atomic<int> calls{0};
    std::atomic<long> status{0};
    std::atomic<bool> offMain{false};
    NSURLRequest request(NSURL::URLWithString(server.url("/json/")),
                         NSURLRequestCachePolicy::ReloadIgnoringLocalCacheData, 10.0);
    NSURLConnection::sendAsynchronousRequest(
        request, queue,
        [&](const std::optional<NSHTTPURLResponse>& response, const auto& data, const auto& error) {
            offMain = !RunLoop::main().isMainThread();
            status = response ? response->statusCode : -1;
            EXPECT_FALSE(error);
            EXPECT_EQ(std::string(data.begin(), data.end()), "{\"ip\":\"1.2.3.4\"}");
            ++calls;
        });
    ASSERT_TRUE(test::waitFor([&] { return calls.load() > 0; }, 2.0));
    EXPECT_EQ(status.load(), 200);
    EXPECT_TRUE(offMain);
    EXPECT_EQ(server.requests().at(0).method, "GET");
}

TEST_F(URLConnectionTest, AnAnswerToACancelledAttemptIsDropped) {
    auto queue = NSOperationQueue::create();
    std::atomic<int> first{0}, second{0};
    NSURLRequest slow(NSURL::URLWithString(server.url("/json/?slow=1")));
    NSURLConnection::sendAsynchronousRequest(slow, queue, [&](auto&, auto&, auto&) { ++first; });
    test::waitFor([&] { return !server.requests().empty(); }, 2.0);
    queue->cancelAllOperations();
    NSURLRequest fast(NSURL::URLWithString(server.url("/json/")));
    NSURLConnection::sendAsynchronousRequest(fast, queue, [&](auto&, auto&, auto&) { ++second; });
    ASSERT_TRUE(test::waitFor([&] { return second.load() > 0; }, 2.0));
    server.release();
    test::waitFor([] { return false; }, 0.3);
    EXPECT_EQ(first.load(), 0);
    EXPECT_EQ(second.load(), 1);
}

TEST_F(URLConnectionTest, AReplyOverTheServiceCapIsAnError) {
    std::atomic<int> calls{0};
    std::optional<NSError> failure;
    NSURLConnection::sendAsynchronousRequest(NSURLRequest(NSURL::URLWithString(server.url("/huge/"))),
                                             nullptr, [&](const auto&, const auto& data, const auto& error) {
                                                 failure = error;
                                                 EXPECT_TRUE(data.empty());
                                                 ++calls;
                                             });
    ASSERT_TRUE(test::waitFor([&] { return calls.load() > 0; }, 5.0));
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->code, NSURLErrorDataLengthExceedsMaximum);
}

}  // namespace
}  // namespace fv
