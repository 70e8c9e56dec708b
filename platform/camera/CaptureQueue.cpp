#include "platform/camera/CaptureQueue.h"

namespace fv {

CaptureQueue& CaptureQueue::shared() {
    static CaptureQueue queue;
    return queue;
}

CaptureQueue::CaptureQueue() : thread_([this] { work(); }) {}

CaptureQueue::~CaptureQueue() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        tasks_.clear();
    }
    wake_.notify_all();
    thread_.join();
}

void CaptureQueue::async(std::function<void()> task) {
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    wake_.notify_one();
}

void CaptureQueue::waitUntilIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return tasks_.empty() && !running_; });
}

bool CaptureQueue::isCurrent() const {
    return std::this_thread::get_id() == thread_.get_id();
}

void CaptureQueue::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
        if (stopping_) return;
        auto task = std::move(tasks_.front());
        tasks_.pop_front();
        running_ = true;
        lock.unlock();
        task();
        task = nullptr;  // its captures are released here, off the lock
        lock.lock();
        running_ = false;
        if (tasks_.empty()) idle_.notify_all();
    }
}

}  // namespace fv
