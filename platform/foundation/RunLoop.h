#pragma once
// The main run loop: the main queue, delayed work, timers and "next turn" work. It runs against real
// time in a host and against a virtual clock in tests. Only the main thread runs it; any thread may
// post to it.
#include <functional>
#include <memory>
#include <thread>

namespace fv {

class Timer;

class RunLoop {
  public:
    using Task = std::function<void()>;

    static RunLoop& main();

    // dispatch_async: FIFO, runs in a later turn, never inside the call. Thread-safe.
    void post(Task task);
    // dispatch_after / performSelector:afterDelay: runs once `seconds` have passed on this loop's
    // clock; 0 runs in the next turn. Due work runs by due time, FIFO on ties. Thread-safe.
    void postAfter(double seconds, Task task);
    // A run-loop timer; `invalidate` stops it. Repeating timers fire every `seconds`.
    std::shared_ptr<Timer> scheduleTimer(double seconds, bool repeats, std::function<void(Timer&)> fire);

    // Seconds on this loop's clock (virtual in tests; monotonic since start in a host).
    double now() const;
    // Wall-clock time for NSDate: the epoch time at start plus now().
    double wallTime() const;

    // Virtual clock, for tests. Switching resets nothing already queued.
    void setVirtualClock(bool on);
    bool usesVirtualClock() const;
    // Runs every turn due up to now + seconds, moving the clock forward as work comes due.
    void advance(double seconds);
    // Runs turns until no work is due at the current time (delayed work stays queued).
    void runUntilIdle();
    // Waits in real time, pumping the loop, until `done` is true or the timeout passes; for work that
    // arrives from worker threads. Returns `done()`.
    bool pumpUntil(const std::function<bool()>& done, double timeoutSeconds = 5.0);
    // One turn: runs what was due at its start (work queued meanwhile waits a turn), then the
    // end-of-turn observers (the UI's layout and display passes). Returns whether anything ran.
    bool runOnce();

    // Real-time loop for hosts, until stop().
    void run();
    void stop();

    // Observers called at the end of every turn that ran work, in registration order.
    void addEndOfTurnObserver(Task observer);

    // Drops all queued work and timers and resets the virtual clock to 0; for test isolation.
    // End-of-turn observers stay: the UI registers its passes once per process.
    void reset();

    // The main thread is the one that first called main() (or constructed this loop), unless set.
    bool isMainThread() const;
    void setMainThread(std::thread::id id);

    RunLoop();
    ~RunLoop();
    RunLoop(const RunLoop&) = delete;
    RunLoop& operator=(const RunLoop&) = delete;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

class Timer {
  public:
    virtual ~Timer() = default;
    virtual void invalidate() = 0;
    virtual bool isValid() const = 0;
};

}  // namespace fv
