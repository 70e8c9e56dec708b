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
                      MaskCase{"9999999999999999999", "…9999"}, MaskCase{"id=123456789012;", "id=…9012;"},
                      // The card face's own spacing, and blanks a copy from a web page or a
                      // formatted text brings along.
                      MaskCase{"card 4929   1834   5520   7316 shown", "card …7316 shown"},
                      MaskCase{"two  spaces 123456  123456", "two  spaces …3456"},
                      MaskCase{"4929\t1834\t5520\t7316\t", "…7316\t"},
                      MaskCase{"no-break 4929\u00A01834\u00A05520\u00A07316", "no-break …7316"},
                      MaskCase{"narrow 4929\u202F1834\u202F5520\u202F7316!", "narrow …7316!"},
                      MaskCase{"mixed 4929 -\t1834\u00A0\u00A05520 - 7316", "mixed …7316"},
                      MaskCase{"account 0001 2345 6789", "account …6789"},
                      // Short runs stay: codes, dates, amounts, eleven digits.
                      MaskCase{"code 00 on 2026-12-07 06:49:25, 12345678901",
                               "code 00 on 2026-12-07 06:49:25, 12345678901"},
                      MaskCase{"balance 1234.56 of 100 - 20", "balance 1234.56 of 100 - 20"},
                      MaskCase{"paid 1\u00A0234\u00A0567,89 on 07/12/2026",
                               "paid 1\u00A0234\u00A0567,89 on 07/12/2026"},
                      MaskCase{"eleven 123\t4567   8901 -", "eleven 123\t4567   8901 -"},
                      MaskCase{"expires 12/27, cvv not logged", "expires 12/27, cvv not logged"},
                      MaskCase{" - \t\u00A0", " - \t\u00A0"}, MaskCase{"", ""}));

// A hostile or huge line must not make masking slow: every shape below is handled in one pass, so
// these lines come back at once and whole.
TEST(DigitRunMask, LongLinesOfNearMissesComeBackWhole) {
    std::string groups;
    std::string nearMisses;
    for (int i = 0; i < 100000; ++i) {
        groups += "1234   ";
        nearMisses += "12345678901   x";
    }
    EXPECT_EQ(maskDigitRuns(groups), "…1234   ");
    EXPECT_EQ(maskDigitRuns(nearMisses), nearMisses);
    const std::string blanks(1 << 20, ' ');
    EXPECT_EQ(maskDigitRuns("1" + blanks + "x"), "1" + blanks + "x");
}

TEST(LogCaptureTest, EveryLineIsMaskedBeforeAnyoneSeesIt) {
    LogCapture capture;
    log("reply: card 4111111111111111");
    print("stdout: 4111-1111-1111-2222");
    EXPECT_EQ(capture.lines(), (std::vector<std::string>{"reply: card …1111", "stdout: …2222"}));
}

}  // namespace
}  // namespace fv
