#include "platform/net/OperationQueue.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

#include "platform/foundation/Fault.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"

namespace fv {

struct NSOperationQueue::State {
    bool main = false;
    mutable std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::pair<std::uint64_t, Operation>> pending;  // worker queues only
    std::size_t count = 0;                                    // added, not yet started or dropped
    std::uint64_t generation = 0;
    bool stopping = false;
    std::thread worker;
};

namespace {

void runGuarded(const NSOperationQueue::Operation& operation) {
    try {
        operation();
    } catch (const std::exception& e) {
        reportFault(std::string("An operation failed: ") + e.what());
    } catch (...) {
        reportFault("An operation failed.");
    }
}

// The worker co-owns the state, so a queue released from inside its own operation leaves the
// worker nothing freed to touch.
void workerLoop(std::shared_ptr<NSOperationQueue::State> state) {
    std::unique_lock lock(state->mutex);
    for (;;) {
        state->wake.wait(lock, [&] { return state->stopping || !state->pending.empty(); });
        if (state->stopping) return;
        auto [generation, operation] = std::move(state->pending.front());
        state->pending.pop_front();
        if (state->count > 0) --state->count;
        if (generation != state->generation) continue;
        lock.unlock();
        runGuarded(operation);
        operation = nullptr;  // its captures may release queues, which lock
        lock.lock();
    }
}

}  // namespace

NSOperationQueue::NSOperationQueue(bool main) : state_(std::make_shared<State>()) {
    state_->main = main;
}

std::shared_ptr<NSOperationQueue> NSOperationQueue::create() {
    return std::shared_ptr<NSOperationQueue>(new NSOperationQueue(false));
}

std::shared_ptr<NSOperationQueue> NSOperationQueue::mainQueue() {
    static const std::shared_ptr<NSOperationQueue> queue(new NSOperationQueue(true));
    return queue;
}

NSOperationQueue::~NSOperationQueue() {
    std::thread worker;
    {
        std::lock_guard lock(state_->mutex);
        state_->stopping = true;
        state_->pending.clear();
        state_->count = 0;
        ++state_->generation;
        worker = std::move(state_->worker);
    }
    state_->wake.notify_all();
    if (!worker.joinable()) return;
    if (worker.get_id() == std::this_thread::get_id()) {
        worker.detach();
    } else {
        worker.join();
    }
}

std::uint64_t NSOperationQueue::generation() const {
    std::lock_guard lock(state_->mutex);
    return state_->generation;
}

bool NSOperationQueue::isMainQueue() const {
    return state_->main;
}

std::size_t NSOperationQueue::operationCount() const {
    std::lock_guard lock(state_->mutex);
    return state_->count;
}

void NSOperationQueue::addOperation(Operation operation) {
    addOperation(std::move(operation), generation());
}

void NSOperationQueue::addOperation(Operation operation, std::uint64_t generation) {
    if (!operation) return;
    std::unique_lock lock(state_->mutex);
    if (generation != state_->generation || state_->stopping) return;
    ++state_->count;
    if (state_->main) {
        lock.unlock();
        RunLoop::main().post([state = state_, generation, operation = std::move(operation)] {
            {
                std::lock_guard guard(state->mutex);
                if (generation != state->generation) return;
                if (state->count > 0) --state->count;
            }
            runGuarded(operation);
        });
        return;
    }
    state_->pending.emplace_back(generation, std::move(operation));
    if (!state_->worker.joinable()) state_->worker = std::thread(workerLoop, state_);
    lock.unlock();
    state_->wake.notify_one();
}

void NSOperationQueue::cancelAllOperations() {
    std::deque<std::pair<std::uint64_t, Operation>> dropped;
    {
        std::lock_guard lock(state_->mutex);
        ++state_->generation;
        state_->count = 0;
        dropped.swap(state_->pending);
    }
}

}  // namespace fv
