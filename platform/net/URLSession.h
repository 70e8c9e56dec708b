#pragma once
// URL sessions: data tasks loaded by libcurl on a worker thread, each finishing with exactly one
// completion, on the session's delegate queue.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/foundation/NSError.h"
#include "platform/net/OperationQueue.h"
#include "platform/net/URLRequest.h"

namespace fv {

// Service replies are small records: 4 MiB leaves room for the longest lists while a runaway or
// hostile reply is refused (NSURLErrorDataLengthExceedsMaximum, "The reply is larger than ...")
// before it costs the memory and time of parsing. The shared session and HTTPSessionClient use it.
inline constexpr std::size_t kServiceReplyMaximumSize = 4 * 1024 * 1024;

class NSURLSessionDataTask : public std::enable_shared_from_this<NSURLSessionDataTask> {
  public:
    using Completion = std::function<void(const std::vector<std::uint8_t>& data,
                                          const std::optional<NSHTTPURLResponse>& response,
                                          const std::optional<NSError>& error)>;
    enum class State { Suspended, Running, Completed };

    // Starts the load; only the first call counts, and none after cancel.
    void resume();
    // Ends the task with an NSURLErrorCancelled error, unless it has already finished.
    void cancel();

    State state() const;
    std::uint64_t taskIdentifier() const { return identifier_; }
    const NSURLRequest& originalRequest() const { return request_; }

    ~NSURLSessionDataTask();
    NSURLSessionDataTask(const NSURLSessionDataTask&) = delete;
    NSURLSessionDataTask& operator=(const NSURLSessionDataTask&) = delete;

  private:
    friend class NSURLSession;
    NSURLSessionDataTask(NSURLRequest request, std::shared_ptr<NSOperationQueue> queue, Completion completion,
                         std::size_t maximumResponseSize);
    // Whoever moves the state to Completed first (the load or cancel) delivers; the other is dropped.
    bool finish();
    void deliver(std::vector<std::uint8_t> data, std::optional<NSHTTPURLResponse> response,
                 std::optional<NSError> error);

    std::uint64_t identifier_;
    NSURLRequest request_;
    std::shared_ptr<NSOperationQueue> queue_;
    Completion completion_;
    std::size_t maximumResponseSize_;
    std::atomic<State> state_{State::Suspended};
    std::atomic<std::uint64_t> transferId_{0};
};

class NSURLSession {
  public:
    // The process-wide session; completions run on its own serial background queue. Its replies are
    // capped at kServiceReplyMaximumSize.
    static std::shared_ptr<NSURLSession> sharedSession();
    // A session whose completions run on `delegateQueue` (e.g. NSOperationQueue::mainQueue()); a null
    // queue gives the session a serial background queue of its own.
    static std::shared_ptr<NSURLSession> create(std::shared_ptr<NSOperationQueue> delegateQueue);

    // A suspended task; resume() starts it. The completion is called once: with the body and the
    // response, or with an error (transport failure, time-out, cancellation) and no response.
    std::shared_ptr<NSURLSessionDataTask> dataTaskWithRequest(const NSURLRequest& request,
                                                              NSURLSessionDataTask::Completion completion);

    const std::shared_ptr<NSOperationQueue>& delegateQueue() const { return queue_; }

    // The largest reply body this session's tasks take (0: the transport's own maximum, 64 MiB); a
    // larger one ends the task with NSURLErrorDataLengthExceedsMaximum. For tasks made afterwards.
    std::size_t maximumResponseSize() const { return maximumResponseSize_.load(); }
    void setMaximumResponseSize(std::size_t bytes) { maximumResponseSize_.store(bytes); }

  private:
    explicit NSURLSession(std::shared_ptr<NSOperationQueue> queue) : queue_(std::move(queue)) {}
    std::shared_ptr<NSOperationQueue> queue_;
    std::atomic<std::size_t> maximumResponseSize_{0};
};

}  // namespace fv
