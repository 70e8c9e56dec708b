#pragma once
// The camera's own serial queue: permission answers and still captures run here, off the main
// thread, one at a time in order, as the platform delivers them.
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/foundation/RunLoop.h"

namespace fv {

class CaptureQueue {
  public:
    static CaptureQueue& shared();

    void async(std::function<void()> task);
    // Waits until every queued task has run.
    void waitUntilIdle();
    // Whether the calling thread is this queue's worker.
    bool isCurrent() const;
    // Hands a finished completion to the main queue, so that what it holds (a screen, say) is
    // released on the main thread rather than here.
    template <typename T>
    static void releaseOnMain(T&& object) {
        RunLoop::main().post([held = std::forward<T>(object)] {});
    }

    CaptureQueue();
    // Pending tasks are dropped, not run: by then the main queue they would post to may be gone.
    ~CaptureQueue();
    CaptureQueue(const CaptureQueue&) = delete;
    CaptureQueue& operator=(const CaptureQueue&) = delete;

  private:
    void work();

    std::mutex mutex_;
    std::condition_variable wake_, idle_;
    std::deque<std::function<void()>> tasks_;
    bool running_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace fv
