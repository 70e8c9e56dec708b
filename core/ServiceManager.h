#pragma once
// The one door to the card-programme backend: POSTs a JSON body and reports the outcome as a result
// string, a message for the user and the reply's JSON text.
#include <functional>
#include <optional>
#include <string>

#include "platform/foundation/Value.h"

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

    // Created on first use; concurrent first calls get the same instance.
    static ServiceManager& sharedInstance();

    // POSTs `dictionary` as JSON to `url` with "Content-Type: application/json". The reply is
    // accepted with a 2xx status, a JSON content type and a body that parses; an accepted reply with
    // no JSON in it is an error; anything else, no connection and time-outs included, is a failure.
    void PostService(const Value& dictionary, const std::string& url, Completion completion);

    // 30 seconds unless a test shortens it.
    double timeoutInterval() const { return timeoutInterval_; }
    void setTimeoutIntervalForTesting(double seconds) { timeoutInterval_ = seconds; }

    ServiceManager(const ServiceManager&) = delete;
    ServiceManager& operator=(const ServiceManager&) = delete;

  private:
    ServiceManager();

    // `url` with SERVICE_URL replaced by the override address, when one is set.
    std::string resolve(const std::string& url) const;

    std::string overrideBaseURL_;
    double timeoutInterval_ = 30.0;
};

}  // namespace fv
