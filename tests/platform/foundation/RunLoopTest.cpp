#include "platform/foundation/RunLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/foundation/Fault.h"
#include "platform/foundation/Log.h"

namespace fv {
namespace {

class RunLoopTest : public ::testing::Test {
  protected:
    void SetUp() override { loop.setVirtualClock(true); }
    RunLoop loop;
    std::vector<std::string> order;
    auto note(std::string s) {
        return [this, s] { order.push_back(s); };
    }
};

TEST_F(RunLoopTest, PostNeverRunsInsideTheCallAndKeepsFifo) {
    loop.post(note("a"));
    loop.post(note("b"));
    loop.postAfter(0, note("c"));
    EXPECT_TRUE(order.empty());
    EXPECT_TRUE(loop.runOnce());
    EXPECT_EQ(order, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_FALSE(loop.runOnce());
}

TEST_F(RunLoopTest, WorkPostedDuringATurnWaitsForTheNextTurn) {
    loop.post([&] {
        order.push_back("first");
        loop.post(note("posted during turn"));
        loop.postAfter(0, note("zero delay during turn"));
    });
    loop.post(note("second"));
    loop.runOnce();
    EXPECT_EQ(order, (std::vector<std::string>{"first", "second"}));
    loop.runOnce();
    EXPECT_EQ(order.size(), 4u);
    EXPECT_EQ(order[2], "posted during turn");
}

TEST_F(RunLoopTest, DelayedWorkRunsByDueTimeWithFifoTiesAndAtItsOwnTime) {
    std::vector<double> times;
    auto at = [&](std::string s) {
        return [&, s] {
            order.push_back(s);
            times.push_back(loop.now());
        };
    };
    loop.postAfter(2.0, at("late"));
    loop.postAfter(1.0, at("tie1"));
    loop.postAfter(1.0, at("tie2"));
    loop.post(at("now"));
    loop.advance(0.5);
    EXPECT_EQ(order, (std::vector<std::string>{"now"}));
    EXPECT_DOUBLE_EQ(loop.now(), 0.5);
    loop.advance(2.0);
    EXPECT_EQ(order, (std::vector<std::string>{"now", "tie1", "tie2", "late"}));
    EXPECT_EQ(times, (std::vector<double>{0.0, 1.0, 1.0, 2.0}));
    EXPECT_DOUBLE_EQ(loop.now(), 2.5);
}

TEST_F(RunLoopTest, AdvanceRunsChainedDelaysThatFallDueWithinIt) {
    std::vector<double> times;
    loop.postAfter(1.0, [&] {
        times.push_back(loop.now());
        loop.postAfter(1.0, [&] {
            times.push_back(loop.now());
            loop.postAfter(5.0, [&] { times.push_back(loop.now()); });
        });
    });
    loop.advance(3.0);
    EXPECT_EQ(times, (std::vector<double>{1.0, 2.0}));
    loop.advance(4.0);
    EXPECT_EQ(times, (std::vector<double>{1.0, 2.0, 7.0}));
}

TEST_F(RunLoopTest, NextTurnWorkFromDelayedWorkRunsBeforeLaterDelays) {
    std::vector<double> times;
    loop.postAfter(1.0, [&] {
        order.push_back("delayed");
        loop.post([&] {
            order.push_back("next turn");
            times.push_back(loop.now());
        });
    });
    loop.postAfter(1.5, note("later"));
    loop.advance(2.0);
    EXPECT_EQ(order, (std::vector<std::string>{"delayed", "next turn", "later"}));
    EXPECT_EQ(times, std::vector<double>{1.0});
}

TEST_F(RunLoopTest, RunUntilIdleLeavesDelayedWorkQueued) {
    loop.post([&] { loop.post(note("chained")); });
    loop.postAfter(0.1, note("delayed"));
    loop.runUntilIdle();
    EXPECT_EQ(order, (std::vector<std::string>{"chained"}));
    EXPECT_DOUBLE_EQ(loop.now(), 0.0);
}

TEST_F(RunLoopTest, EndOfTurnObserversRunOnlyAfterTurnsThatRanWork) {
    int passes = 0;
    loop.addEndOfTurnObserver([&] {
        ++passes;
        order.push_back("layout");
    });
    EXPECT_FALSE(loop.runOnce());
    EXPECT_EQ(passes, 0);
    loop.post(note("a"));
    loop.post(note("b"));
    loop.runOnce();
    EXPECT_EQ(order, (std::vector<std::string>{"a", "b", "layout"}));
}

TEST_F(RunLoopTest, ThrowingWorkOrObserverIsAFaultAndTheTurnGoesOn) {
    LogCapture log;
    FaultCollector faults;
    loop.addEndOfTurnObserver([] { throw std::runtime_error("layout failed"); });
    loop.addEndOfTurnObserver(note("display"));
    loop.post([] { throw std::runtime_error("boom"); });
    loop.post(note("after"));
    EXPECT_NO_THROW(loop.runOnce());
    EXPECT_EQ(order, (std::vector<std::string>{"after", "display"}));
    EXPECT_TRUE(log.contains("queued work threw: boom"));
    EXPECT_TRUE(log.contains("observer threw: layout failed"));
    EXPECT_EQ(faults.faults().size(), 2u);
}

TEST_F(RunLoopTest, OneShotTimerFiresOnceAndInvalidatesItself) {
    int fired = 0;
    auto timer = loop.scheduleTimer(1.0, false, [&](Timer&) { ++fired; });
    EXPECT_TRUE(timer->isValid());
    loop.advance(0.99);
    EXPECT_EQ(fired, 0);
    loop.advance(5);
    EXPECT_EQ(fired, 1);
    EXPECT_FALSE(timer->isValid());
}

TEST_F(RunLoopTest, RepeatingTimerFiresEveryPeriodUntilInvalidatedFromItsHandler) {
    std::vector<double> times;
    auto timer = loop.scheduleTimer(0.5, true, [&](Timer& t) {
        times.push_back(loop.now());
        if (times.size() == 3) t.invalidate();
    });
    loop.advance(10);
    EXPECT_EQ(times, (std::vector<double>{0.5, 1.0, 1.5}));
    EXPECT_FALSE(timer->isValid());
}

TEST_F(RunLoopTest, InvalidatedTimerNeverFiresAndReleasesItsHandler) {
    auto token = std::make_shared<int>(0);
    std::weak_ptr<int> watch = token;
    int fired = 0;
    auto timer = loop.scheduleTimer(600, false, [&fired, token](Timer&) { ++fired; });
    token.reset();
    timer->invalidate();
    EXPECT_TRUE(watch.expired());
    loop.advance(601);
    EXPECT_EQ(fired, 0);
    timer->invalidate();  // twice is harmless
}

TEST_F(RunLoopTest, ResetDropsWorkAndTimersAndRewindsTheClock) {
    auto timer = loop.scheduleTimer(1, true, [&](Timer&) { order.push_back("timer"); });
    loop.post(note("queued"));
    loop.advance(0.25);
    loop.postAfter(1, note("delayed"));
    loop.reset();
    EXPECT_DOUBLE_EQ(loop.now(), 0);
    EXPECT_FALSE(timer->isValid());
    loop.advance(5);
    EXPECT_EQ(order, (std::vector<std::string>{"queued"}));
}

TEST_F(RunLoopTest, WorkerThreadPostsArriveInOrderThroughPumpUntil) {
    constexpr int kPerThread = 200;
    std::vector<int> seen[2];
    std::vector<std::thread> workers;
    for (int w = 0; w < 2; ++w)
        workers.emplace_back([&, w] {
            for (int i = 0; i < kPerThread; ++i) loop.post([&, w, i] { seen[w].push_back(i); });
        });
    EXPECT_TRUE(loop.pumpUntil([&] { return seen[0].size() + seen[1].size() == 2 * kPerThread; }));
    for (auto& t : workers) t.join();
    for (auto& s : seen)
        for (int i = 0; i < kPerThread; ++i) EXPECT_EQ(s[i], i);
}

TEST_F(RunLoopTest, PumpUntilTimesOutAndLeavesVirtualDelaysForAdvance) {
    bool delayedRan = false;
    loop.postAfter(0.01, [&] { delayedRan = true; });
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(loop.pumpUntil([&] { return delayedRan; }, 0.05));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
    loop.advance(0.01);
    EXPECT_TRUE(delayedRan);
}

TEST_F(RunLoopTest, PumpUntilWakesForAWorkerPostBeforeTheTimeout) {
    std::atomic<bool> done{false};
    std::thread worker([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        loop.post([&] { done = true; });
    });
    auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(loop.pumpUntil([&] { return done.load(); }, 5.0));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    worker.join();
}

TEST(RunLoopRealTime, DelayedWorkAndStopRunInRealTime) {
    RunLoop loop;
    double ranAt = -1;
    loop.postAfter(0.02, [&] {
        ranAt = loop.now();
        loop.stop();
    });
    loop.run();
    EXPECT_GE(ranAt, 0.02);
}

TEST(RunLoopRealTime, StopFromAnotherThreadEndsRun) {
    RunLoop loop;
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        loop.stop();
    });
    loop.run();
    stopper.join();
}

TEST(RunLoopMain, MainThreadIsTheFirstCallerUnlessSet) {
    RunLoop& main = RunLoop::main();
    EXPECT_TRUE(main.isMainThread());
    bool onWorker = true;
    std::thread([&] { onWorker = main.isMainThread(); }).join();
    EXPECT_FALSE(onWorker);
    main.setMainThread(std::thread::id());
    EXPECT_FALSE(main.isMainThread());
    main.setMainThread(std::this_thread::get_id());
    EXPECT_TRUE(main.isMainThread());
}

}  // namespace
}  // namespace fv
