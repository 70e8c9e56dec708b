#pragma once
// The one door to the card-programme backend: POSTs a JSON body and reports the outcome as a result
// string, a message for the user and the reply's JSON text.
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Value.h"
#include "platform/net/OperationQueue.h"

namespace fv {

class ServiceManager {
  public:
    // Called exactly once per request, on the main queue, with one of:
    // (SERVICE_RESULT_SUCCESS, none, the reply as pretty-printed JSON),
    // (SERVICE_RESULT_ERROR, "Service Gave Error So No JSON Received In Response" localised, none),
    // (SERVICE_RESULT_FAILURE, "Service Failed" localised, none).
    using Completion = std::function<void(const std::optional<std::string>& result,
                                          const std::optional<std::string>& message,
                                          const std::optional<std::string>& response)>;

    // An accepted reply, parsed once on the worker: the object or array, and its pretty-printed text.
    struct Reply {
        Value object;
        std::string text;
    };
    // As Completion, with the parsed reply in place of its text (none unless the result is success).
    using ReplyCompletion = std::function<void(const std::optional<std::string>& result,
                                               const std::optional<std::string>& message,
                                               const std::shared_ptr<const Reply>& reply)>;

    // Created on first use; concurrent first calls get the same instance.
    static std::shared_ptr<ServiceManager> sharedInstance();

    // POSTs `dictionary` as JSON to `url` with "Content-Type: application/json". An address under
    // SERVICE_URL goes to the backend's base address in force (ServiceAddresses). The reply is
    // accepted with a 2xx status, a JSON content type and a body that parses; an accepted reply with
    // no JSON in it is an error; anything else, no connection, time-outs, a reply above
    // HTTPSessionClient's 4 MiB and a redirect to another origin included, is a failure. The reply
    // is parsed and printed on a worker thread; only the completion runs on the main queue.
    void PostService(const Value& dictionary, const std::string& url, Completion completion);
    // The same post, for a caller that reads the reply: it gets the value the worker parsed and has
    // nothing left to parse on the main queue.
    void PostServiceForReply(const Value& dictionary, const std::string& url, ReplyCompletion completion);

    // 30 seconds unless a test shortens it; the test host puts it back.
    double timeoutInterval() const { return timeoutInterval_.load(); }
    void setTimeoutIntervalForTesting(double seconds) { timeoutInterval_.store(seconds); }

    ServiceManager(const ServiceManager&) = delete;
    ServiceManager& operator=(const ServiceManager&) = delete;

  private:
    ServiceManager();

    std::atomic<double> timeoutInterval_{30.0};
    std::shared_ptr<NSOperationQueue> replies_;
};

}  // namespace fv
