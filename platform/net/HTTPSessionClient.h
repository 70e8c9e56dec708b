#pragma once
// The JSON client of the service layer: POSTs a JSON body and accepts only a JSON answer. Each call
// ends in exactly one of its two callbacks, on the completion queue (the main queue unless set). The
// reply is read and parsed on a worker thread, so a large one never stalls the main loop. The client
// need not outlive its calls.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "platform/foundation/NSError.h"
#include "platform/foundation/Value.h"
#include "platform/net/URLSession.h"

namespace fv {

class HTTPSessionClient {
  public:
    using Success =
        std::function<void(const std::shared_ptr<NSURLSessionDataTask>& task, const Value& responseObject)>;
    using Failure =
        std::function<void(const std::shared_ptr<NSURLSessionDataTask>& task, const NSError& error)>;

    // Relative paths given to POST are resolved against `baseURL` (a "/" is added to its path).
    explicit HTTPSessionClient(const std::string& baseURL);

    // Header fields sent with every request; "Content-Type" is "application/json" unless set here.
    void setValueForHTTPHeaderField(const std::string& value, const std::string& field);
    double timeoutInterval() const { return timeoutInterval_; }
    void setTimeoutInterval(double seconds) { timeoutInterval_ = seconds; }

    // kServiceReplyMaximumSize (4 MiB) unless set; 0 puts that back.
    static constexpr std::size_t kDefaultMaximumResponseSize = kServiceReplyMaximumSize;
    std::size_t maximumResponseSize() const;
    void setMaximumResponseSize(std::size_t bytes);

    // Where the callbacks run; null puts back the main queue.
    void setCompletionQueue(std::shared_ptr<NSOperationQueue> queue);

    // Sends `parameters` as the JSON body. Success: status 200-299, a Content-Type of
    // application/json, text/json or text/javascript, and a body that is a JSON object or array, or
    // empty (a null responseObject). Everything else calls `failure` with a descriptive error; for a
    // rejected status the text reads "Request failed: <reason> (<code>)" and userInfo holds
    // "statusCode". The task is null when the request could not be made (the failure still comes,
    // on the completion queue, with a null task).
    std::shared_ptr<NSURLSessionDataTask> POST(const std::string& URLString, const Value& parameters,
                                               Success success, Failure failure);

  private:
    std::optional<NSURL> baseURL_;
    HTTPHeaderFields headers_;
    double timeoutInterval_ = 60.0;
    std::shared_ptr<NSOperationQueue> completionQueue_;
    std::shared_ptr<NSURLSession> session_;
};

}  // namespace fv
