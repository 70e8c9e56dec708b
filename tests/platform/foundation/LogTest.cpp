#include "platform/foundation/Log.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace fv {
namespace {

TEST(LogCaptureTest, CollectsBothStreamsAndNestsAndStopsWhenGone) {
    LogCapture outer;
    log("outer only");
    {
        LogCapture inner;
        print("both see this");
        EXPECT_EQ(inner.lines(), std::vector<std::string>{"both see this"});
        inner.clear();
        EXPECT_TRUE(inner.lines().empty());
    }
    log("after inner");
    EXPECT_EQ(outer.lines(), (std::vector<std::string>{"outer only", "both see this", "after inner"}));
    EXPECT_TRUE(outer.contains("see th"));
    EXPECT_FALSE(outer.contains("absent"));
}

TEST(LogCaptureTest, LinesFromManyThreadsArriveWhole) {
    LogCapture capture;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([t] {
            for (int i = 0; i < 100; ++i) log("thread " + std::to_string(t) + " line " + std::to_string(i));
        });
    for (auto& t : threads) t.join();
    auto lines = capture.lines();
    ASSERT_EQ(lines.size(), 400u);
    for (const auto& l : lines) EXPECT_EQ(l.rfind("thread ", 0), 0u) << l;
}

}  // namespace
}  // namespace fv
