#include "platform/net/URLSession.h"

#include "platform/net/CurlTransport.h"

namespace fv {

namespace {
std::atomic<std::uint64_t> nextTaskIdentifier{1};
}

NSURLSessionDataTask::NSURLSessionDataTask(NSURLRequest request, std::shared_ptr<NSOperationQueue> queue,
                                           Completion completion, std::size_t maximumResponseSize)
    : identifier_(nextTaskIdentifier++),
      request_(std::move(request)),
      queue_(std::move(queue)),
      completion_(std::move(completion)),
      maximumResponseSize_(maximumResponseSize) {}

NSURLSessionDataTask::~NSURLSessionDataTask() = default;

NSURLSessionDataTask::State NSURLSessionDataTask::state() const {
    return state_.load();
}

bool NSURLSessionDataTask::finish() {
    State current = state_.load();
    while (current != State::Completed) {
        if (state_.compare_exchange_weak(current, State::Completed)) return true;
    }
    return false;
}

void NSURLSessionDataTask::deliver(std::vector<std::uint8_t> data, std::optional<NSHTTPURLResponse> response,
                                   std::optional<NSError> error) {
    // Only the caller that won finish() gets here, so the completion is taken exactly once.
    Completion completion = std::move(completion_);
    if (!completion) return;
    queue_->addOperation([self = shared_from_this(), completion = std::move(completion),
                          data = std::move(data), response = std::move(response),
                          error = std::move(error)] { completion(data, response, error); });
}

void NSURLSessionDataTask::resume() {
    State expected = State::Suspended;
    if (!state_.compare_exchange_strong(expected, State::Running)) return;
    // The load holds the task, as a running task is kept alive by its session.
    std::uint64_t id = CurlTransport::shared().start(
        request_,
        [self = shared_from_this()](CurlTransport::Result&& r) {
            if (self->finish()) self->deliver(std::move(r.body), std::move(r.response), std::move(r.error));
        },
        maximumResponseSize_);
    transferId_.store(id);
    // A cancel that came between starting and recording the load could not stop it.
    if (state_.load() == State::Completed) CurlTransport::shared().cancel(id);
}

void NSURLSessionDataTask::cancel() {
    if (!finish()) return;
    deliver({}, std::nullopt, URLError(NSURLErrorCancelled));
    if (std::uint64_t id = transferId_.load()) CurlTransport::shared().cancel(id);
}

std::shared_ptr<NSURLSession> NSURLSession::sharedSession() {
    static const std::shared_ptr<NSURLSession> session = [] {
        auto shared = create(nullptr);
        shared->setMaximumResponseSize(kServiceReplyMaximumSize);
        return shared;
    }();
    return session;
}

std::shared_ptr<NSURLSession> NSURLSession::create(std::shared_ptr<NSOperationQueue> delegateQueue) {
    if (!delegateQueue) delegateQueue = NSOperationQueue::create();
    return std::shared_ptr<NSURLSession>(new NSURLSession(std::move(delegateQueue)));
}

std::shared_ptr<NSURLSessionDataTask> NSURLSession::dataTaskWithRequest(
    const NSURLRequest& request, NSURLSessionDataTask::Completion completion) {
    return std::shared_ptr<NSURLSessionDataTask>(
        new NSURLSessionDataTask(request, queue_, std::move(completion), maximumResponseSize()));
}

}  // namespace fv
