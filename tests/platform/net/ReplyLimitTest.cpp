#include <gtest/gtest.h>

#include <thread>

#include "platform/foundation/RunLoop.h"
#include "platform/net/HTTPSessionClient.h"
#include "platform/testing/LoopbackServer.h"

namespace fv {
namespace {

// A JSON array of `bytes` bytes: ["xxx...x"].
std::string jsonOfSize(std::size_t bytes) {
    return "[\"" + std::string(bytes - 4, 'x') + "\"]";
}

struct Result {
    int successes = 0, failures = 0;
    std::thread::id thread;
    Value object;
    NSError error;
};

struct LimitCase {
    const char* name;
    std::size_t replyBytes;
    bool announced;  // Content-Length sent, rather than chunks
    bool accepted;
};

class ReplyLimitTest : public ::testing::TestWithParam<LimitCase> {
  protected:
    void SetUp() override { RunLoop::main(); }
    test::LoopbackServer server;
};

TEST_P(ReplyLimitTest, ServiceRepliesAreCappedAtFourMebibytes) {
    const LimitCase& c = GetParam();
    // The server's threads may still be sending after the test body has its answer: they own what
    // they read.
    auto reply = std::make_shared<const std::string>(jsonOfSize(c.replyBytes));
    server.server.Post("/reply",
                       [reply, announced = c.announced](const httplib::Request&, httplib::Response& res) {
                           if (announced) {
                               res.set_content(*reply, "application/json");
                               return;
                           }
                           res.set_chunked_content_provider(
                               "application/json", [reply](std::size_t offset, httplib::DataSink& sink) {
                                   std::size_t n = std::min<std::size_t>(64 * 1024, reply->size() - offset);
                                   sink.write(reply->data() + offset, n);
                                   if (offset + n == reply->size()) sink.done();
                                   return true;
                               });
                       });
    server.start();

    HTTPSessionClient client(server.url("/"));
    EXPECT_EQ(client.maximumResponseSize(), 4u * 1024 * 1024);
    auto result = std::make_shared<Result>();
    client.POST(
        "reply", Value::Dictionary{},
        [result](const auto&, const Value& object) { ++result->successes, result->object = object; },
        [result](const auto&, const NSError& error) { ++result->failures, result->error = error; });
    ASSERT_TRUE(test::waitFor([&] { return result->successes + result->failures > 0; }, 10.0));
    if (c.accepted) {
        ASSERT_EQ(result->successes, 1) << result->error.description();
        EXPECT_EQ(result->object[0].asString()->size(), c.replyBytes - 4);
    } else {
        ASSERT_EQ(result->failures, 1);
        EXPECT_EQ(result->error.code, NSURLErrorDataLengthExceedsMaximum);
        EXPECT_EQ(result->error.localizedDescription, "The reply is larger than the 4194304 bytes allowed.");
    }
}

constexpr std::size_t kMiB = 1024 * 1024;

INSTANTIATE_TEST_SUITE_P(Sizes, ReplyLimitTest,
                         ::testing::Values(LimitCase{"AtTheCapChunked", 4 * kMiB, false, true},
                                           LimitCase{"OneByteOverAnnounced", 4 * kMiB + 1, true, false},
                                           LimitCase{"OneByteOverChunked", 4 * kMiB + 1, false, false},
                                           LimitCase{"FarOverChunked", 12 * kMiB, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReplyThreadTest, TheReplyIsParsedAwayFromTheMainLoopAndHandedToTheCompletionQueue) {
    RunLoop::main();
    test::LoopbackServer server;
    server.server.Post("/reply", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(R"({"a":[1,2,3]})", "application/json");
    });
    server.start();

    auto queue = NSOperationQueue::create();
    HTTPSessionClient client(server.url("/"));
    client.setCompletionQueue(queue);
    auto result = std::make_shared<Result>();
    std::mutex mutex;
    client.POST(
        "reply", Value::Dictionary{},
        [&, result](const auto&, const Value& object) {
            std::lock_guard lock(mutex);
            ++result->successes;
            result->object = object;
            result->thread = std::this_thread::get_id();
        },
        [&, result](const auto&, const NSError& error) {
            std::lock_guard lock(mutex);
            ++result->failures;
            result->error = error;
        });
    ASSERT_TRUE(test::waitFor([&] {
        std::lock_guard lock(mutex);
        return result->successes + result->failures > 0;
    }));
    std::lock_guard lock(mutex);
    ASSERT_EQ(result->successes, 1);
    EXPECT_NE(result->thread, std::this_thread::get_id());
    EXPECT_EQ(result->object["a"].size(), 3u);
}

}  // namespace
}  // namespace fv
