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

struct MaskCase {
    std::string line;
    std::string shown;
};

class DigitRunMaskTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(DigitRunMaskTest, LongRunsKeepOnlyTheirLastFour) {
    EXPECT_EQ(maskDigitRuns(GetParam().line), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DigitRunMaskTest,
    ::testing::Values(MaskCase{"card 4111111111111111 declined", "card …1111 declined"},
                      MaskCase{"card 4111 1111 1111 1234.", "card …1234."},
                      MaskCase{"acct 1234-5678-9012-3456-789", "acct …6789"},
                      MaskCase{"9999999999999999999", "…9999"},
                      MaskCase{"id=123456789012;", "id=…9012;"},
                      // Short runs stay: codes, dates, amounts, eleven digits.
                      MaskCase{"code 00 on 2026-12-07 06:49:25, 12345678901", "code 00 on 2026-12-07 06:49:25, 12345678901"},
                      MaskCase{"balance 1234.56 of 100 - 20", "balance 1234.56 of 100 - 20"},
                      MaskCase{"two  spaces 123456  123456", "two  spaces 123456  123456"},
                      MaskCase{"", ""}));

TEST(LogCaptureTest, EveryLineIsMaskedBeforeAnyoneSeesIt) {
    LogCapture capture;
    log("reply: card 4111111111111111");
    print("stdout: 4111-1111-1111-2222");
    EXPECT_EQ(capture.lines(), (std::vector<std::string>{"reply: card …1111", "stdout: …2222"}));
}

}  // namespace
}  // namespace fv
