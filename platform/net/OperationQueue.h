#pragma once
// Operation queues: a serial worker queue of its own, or the main queue (the main run loop), and the
// one-shot asynchronous GET that answers on such a queue.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/foundation/NSError.h"
#include "platform/net/URLRequest.h"

namespace fv {

class NSOperationQueue {
  public:
    using Operation = std::function<void()>;

    // A serial queue with its own worker thread, started on first use.
    static std::shared_ptr<NSOperationQueue> create();
    // The queue whose operations run on RunLoop::main(), in later turns.
    static std::shared_ptr<NSOperationQueue> mainQueue();

    // Thread-safe; operations run one at a time in the order added.
    void addOperation(Operation operation);
    // Drops every operation not yet started, including those added later under an older generation.
    void cancelAllOperations();

    // Ties work to the queue's state at the time it was asked for: `addOperation(op, generation)`
    // drops `op` when cancelAllOperations ran since `generation()` was read, so a cancelled attempt's
    // answer never runs.
    std::uint64_t generation() const;
    void addOperation(Operation operation, std::uint64_t generation);

    // Operations added and not yet started or dropped.
    std::size_t operationCount() const;
    bool isMainQueue() const;

    // Waits for the running operation, drops the pending ones.
    ~NSOperationQueue();
    NSOperationQueue(const NSOperationQueue&) = delete;
    NSOperationQueue& operator=(const NSOperationQueue&) = delete;

    struct State;

  private:
    explicit NSOperationQueue(bool main);
    std::shared_ptr<State> state_;
};

class NSURLConnection {
  public:
    using Completion =
        std::function<void(const std::optional<NSHTTPURLResponse>& response,
                           const std::vector<std::uint8_t>& data, const std::optional<NSError>& error)>;
    // Loads `request` on a worker thread and adds the completion to `queue` (the main queue when
    // none). The answer belongs to the queue's generation at this call: after
    // queue->cancelAllOperations() it is dropped. Replies are capped at kServiceReplyMaximumSize.
    static void sendAsynchronousRequest(const NSURLRequest& request, std::shared_ptr<NSOperationQueue> queue,
                                        Completion completion);
};

}  // namespace fv
