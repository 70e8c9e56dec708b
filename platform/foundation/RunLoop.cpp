#include "platform/foundation/RunLoop.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <exception>
#include <map>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

#include "platform/foundation/Fault.h"
#include "platform/foundation/Log.h"

namespace fv {

namespace {

// Whatever a turn runs, a throw is a fault and the loop goes on: nothing may escape into the caller
// that drives the loop.
void runGuarded(const RunLoop::Task& task, const char* what) {
    try {
        task();
    } catch (const std::exception& e) {
        reportFault(std::string("RunLoop: ") + what + " threw: " + e.what());
    } catch (...) {
        reportFault(std::string("RunLoop: ") + what + " threw an unknown exception");
    }
}

}  // namespace

struct RunLoop::Impl {
    // Work is ordered by due time, then by posting order, which gives FIFO on ties.
    using Key = std::pair<double, std::uint64_t>;
    class TimerState;

    mutable std::mutex mutex;
    std::condition_variable wake;
    std::map<Key, Task> queue;
    std::uint64_t nextSeq = 0;
    bool virtualClock = false;
    double virtualNow = 0;
    std::chrono::steady_clock::time_point origin = std::chrono::steady_clock::now();
    double wallOrigin =
        std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
    bool stopRequested = false;
    std::vector<Task> observers;
    std::thread::id mainThread = std::this_thread::get_id();
    std::map<std::uint64_t, std::weak_ptr<TimerState>> timers;
    std::uint64_t nextTimerId = 0;

    double nowLocked() const {
        if (virtualClock) return virtualNow;
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - origin).count();
    }

    Key enqueueAtLocked(double due, Task task) {
        Key key{due, nextSeq++};
        queue.emplace(key, std::move(task));
        return key;
    }

    Key enqueueAt(double due, Task task) {
        Key key;
        {
            std::lock_guard lock(mutex);
            key = enqueueAtLocked(due, std::move(task));
        }
        wake.notify_all();
        return key;
    }

    Key enqueueAfter(double seconds, Task task) {
        // A negative or NaN delay means "next turn", never "before work already queued".
        if (!(seconds > 0)) seconds = 0;
        Key key;
        {
            std::lock_guard lock(mutex);
            key = enqueueAtLocked(nowLocked() + seconds, std::move(task));
        }
        wake.notify_all();
        return key;
    }

    // Removes queued work; the task is destroyed outside the lock, as its captures may post or log.
    void cancel(const Key& key) {
        std::map<Key, Task>::node_type node;
        {
            std::lock_guard lock(mutex);
            node = queue.extract(key);
        }
    }

    // The earliest due time of queued work, if any.
    std::optional<double> nextDueLocked() const {
        if (queue.empty()) return std::nullopt;
        return queue.begin()->first.first;
    }

    bool runTurn();
    void waitForWork(std::chrono::steady_clock::time_point deadline);
};

class RunLoop::Impl::TimerState final : public Timer, public std::enable_shared_from_this<TimerState> {
  public:
    TimerState(Impl* loop, double interval, bool repeats, std::function<void(Timer&)> fire)
        : loop_(loop), interval_(interval), repeats_(repeats), fire_(std::move(fire)) {}

    void invalidate() override {
        if (!valid_.exchange(false)) return;
        if (loop_ && pending_) loop_->cancel(*pending_);
        pending_.reset();
        if (!firing_) fire_ = nullptr;
    }

    bool isValid() const override { return valid_.load(); }

    void scheduleAt(double due) {
        auto self = shared_from_this();
        pending_ = loop_->enqueueAt(due, [self] { self->tick(); });
    }

    // The loop is going away or dropping its work: the timer can never fire again.
    void detach() {
        valid_ = false;
        pending_.reset();
        loop_ = nullptr;
    }

    void tick() {
        if (!valid_ || !loop_ || !pending_) return;
        double due = pending_->first;
        pending_.reset();
        if (!repeats_) valid_ = false;
        firing_ = true;
        if (fire_) fire_(*this);
        firing_ = false;
        if (valid_ && repeats_ && loop_) {
            double next = due + interval_;
            double now = 0;
            {
                std::lock_guard lock(loop_->mutex);
                now = loop_->nowLocked();
            }
            // Fires missed while the host was busy are skipped, not replayed in a burst.
            if (next < now) next = now + interval_ - std::fmod(now - next, interval_);
            scheduleAt(next);
        }
        if (!valid_) fire_ = nullptr;
    }

  private:
    Impl* loop_;
    std::atomic<bool> valid_{true};
    bool firing_ = false;
    double interval_;
    bool repeats_;
    std::function<void(Timer&)> fire_;
    std::optional<Key> pending_;
};

bool RunLoop::Impl::runTurn() {
    Key limit;
    {
        std::lock_guard lock(mutex);
        // Everything due now and queued before this point; later work waits for the next turn.
        limit = Key{nowLocked(), nextSeq};
    }
    bool ran = false;
    for (;;) {
        Task task;
        {
            std::lock_guard lock(mutex);
            if (queue.empty()) break;
            auto it = queue.begin();
            if (!(it->first < limit) || it->first.second >= limit.second) break;
            task = std::move(it->second);
            queue.erase(it);
        }
        ran = true;
        runGuarded(task, "queued work");
    }
    if (ran) {
        std::vector<Task> toCall;
        {
            std::lock_guard lock(mutex);
            toCall = observers;
        }
        for (auto& observer : toCall) runGuarded(observer, "an end-of-turn observer");
    }
    return ran;
}

void RunLoop::Impl::waitForWork(std::chrono::steady_clock::time_point deadline) {
    std::unique_lock lock(mutex);
    std::uint64_t seenSeq = nextSeq;
    auto until = deadline;
    if (!virtualClock) {
        if (auto due = nextDueLocked()) {
            double wait = *due - nowLocked();
            if (wait <= 0) return;
            auto dueAt = std::chrono::steady_clock::now() +
                         std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                             std::chrono::duration<double>(std::min(wait, 3600.0)));
            until = std::min(until, dueAt);
        }
    }
    wake.wait_until(lock, until, [&] { return nextSeq != seenSeq || stopRequested; });
}

RunLoop::RunLoop() : impl_(std::make_unique<Impl>()) {}

RunLoop::~RunLoop() {
    std::map<Impl::Key, Task> dropped;
    std::map<std::uint64_t, std::weak_ptr<Impl::TimerState>> timers;
    {
        std::lock_guard lock(impl_->mutex);
        dropped.swap(impl_->queue);
        timers.swap(impl_->timers);
    }
    for (auto& [id, weak] : timers)
        if (auto t = weak.lock()) t->detach();
}

RunLoop& RunLoop::main() {
    // Never destroyed, so work still queued at exit cannot outlive what it refers to.
    static RunLoop* loop = new RunLoop;
    return *loop;
}

void RunLoop::post(Task task) {
    impl_->enqueueAfter(0, std::move(task));
}

void RunLoop::postAfter(double seconds, Task task) {
    impl_->enqueueAfter(seconds, std::move(task));
}

std::shared_ptr<Timer> RunLoop::scheduleTimer(double seconds, bool repeats,
                                              std::function<void(Timer&)> fire) {
    if (!(seconds > 0)) seconds = 0;
    // A repeating timer needs a positive period, or it would fire forever at one instant.
    double interval = repeats ? std::max(seconds, 1e-4) : seconds;
    auto timer = std::make_shared<Impl::TimerState>(impl_.get(), interval, repeats, std::move(fire));
    double due = 0;
    {
        std::lock_guard lock(impl_->mutex);
        due = impl_->nowLocked() + seconds;
        for (auto it = impl_->timers.begin(); it != impl_->timers.end();)
            it = it->second.expired() ? impl_->timers.erase(it) : std::next(it);
        impl_->timers.emplace(impl_->nextTimerId++, timer);
    }
    timer->scheduleAt(due);
    return timer;
}

double RunLoop::now() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->nowLocked();
}

double RunLoop::wallTime() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->wallOrigin + impl_->nowLocked();
}

void RunLoop::setVirtualClock(bool on) {
    std::lock_guard lock(impl_->mutex);
    impl_->virtualClock = on;
}

bool RunLoop::usesVirtualClock() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->virtualClock;
}

void RunLoop::advance(double seconds) {
    if (!(seconds > 0)) seconds = 0;
    if (!usesVirtualClock()) {
        pumpUntil([] { return false; }, seconds);
        return;
    }
    double target = 0;
    {
        std::lock_guard lock(impl_->mutex);
        target = impl_->virtualNow + seconds;
    }
    for (;;) {
        runUntilIdle();
        std::lock_guard lock(impl_->mutex);
        auto due = impl_->nextDueLocked();
        if (!due || *due > target) {
            impl_->virtualNow = target;
            break;
        }
        // Each item runs with the clock at its own due time.
        impl_->virtualNow = std::max(impl_->virtualNow, *due);
    }
    runUntilIdle();
}

void RunLoop::runUntilIdle() {
    while (impl_->runTurn()) {
    }
}

bool RunLoop::pumpUntil(const std::function<bool()>& done, double timeoutSeconds) {
    if (!(timeoutSeconds > 0)) timeoutSeconds = 0;
    auto deadline =
        std::chrono::steady_clock::now() + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                               std::chrono::duration<double>(std::min(timeoutSeconds, 1e6)));
    for (;;) {
        if (done()) return true;
        if (impl_->runTurn()) continue;
        if (std::chrono::steady_clock::now() >= deadline) return done();
        impl_->waitForWork(deadline);
    }
}

bool RunLoop::runOnce() {
    return impl_->runTurn();
}

void RunLoop::run() {
    {
        std::lock_guard lock(impl_->mutex);
        impl_->stopRequested = false;
    }
    for (;;) {
        {
            std::lock_guard lock(impl_->mutex);
            if (impl_->stopRequested) break;
        }
        if (!impl_->runTurn()) impl_->waitForWork(std::chrono::steady_clock::now() + std::chrono::hours(1));
    }
}

void RunLoop::stop() {
    {
        std::lock_guard lock(impl_->mutex);
        impl_->stopRequested = true;
    }
    impl_->wake.notify_all();
}

void RunLoop::addEndOfTurnObserver(Task observer) {
    std::lock_guard lock(impl_->mutex);
    impl_->observers.push_back(std::move(observer));
}

void RunLoop::reset() {
    // Dropped work may post more while it is destroyed (captured objects' destructors): drop that too.
    for (;;) {
        std::map<Impl::Key, Task> dropped;
        std::map<std::uint64_t, std::weak_ptr<Impl::TimerState>> timers;
        {
            std::lock_guard lock(impl_->mutex);
            impl_->virtualNow = 0;
            if (impl_->queue.empty() && impl_->timers.empty()) break;
            dropped.swap(impl_->queue);
            timers.swap(impl_->timers);
        }
        for (auto& [id, weak] : timers)
            if (auto t = weak.lock()) t->detach();
    }
}

bool RunLoop::isMainThread() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->mainThread == std::this_thread::get_id();
}

void RunLoop::setMainThread(std::thread::id id) {
    std::lock_guard lock(impl_->mutex);
    impl_->mainThread = id;
}

}  // namespace fv
