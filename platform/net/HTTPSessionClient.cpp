#include "platform/net/HTTPSessionClient.h"

#include <cctype>
#include <variant>

#include "platform/foundation/JSON.h"
#include "platform/net/CurlTransport.h"

namespace fv {

namespace {

bool isAcceptableType(const std::string& mime) {
    return mime == "application/json" || mime == "text/json" || mime == "text/javascript";
}

bool isBlank(const std::vector<std::uint8_t>& data) {
    for (std::uint8_t byte : data) {
        if (!std::isspace(byte)) return false;
    }
    return true;
}

NSError statusError(long status) {
    NSError error{NSURLErrorDomain, NSURLErrorBadServerResponse,
                  "Request failed: " + NSHTTPURLResponse::localizedStringForStatusCode(status) + " (" +
                      std::to_string(status) + ")",
                  Value()};
    error.userInfo.set("statusCode", Value(static_cast<long long>(status)));
    return error;
}

NSError contentTypeError(const NSHTTPURLResponse& response) {
    std::string type = response.MIMEType.empty() ? "none" : response.MIMEType;
    NSError error{NSURLErrorDomain, NSURLErrorCannotDecodeContentData,
                  "Request failed: unacceptable content-type: " + type, Value()};
    error.userInfo.set("statusCode", Value(static_cast<long long>(response.statusCode)));
    return error;
}

NSError parseError() {
    return NSError{NSCocoaErrorDomain, NSPropertyListReadCorruptError,
                   "The data couldn't be read because it isn't in the correct format.", Value()};
}

// The outcome of an answer: the response object, or why it was refused.
std::variant<Value, NSError> evaluate(const std::vector<std::uint8_t>& data,
                                      const std::optional<NSHTTPURLResponse>& response,
                                      const std::optional<NSError>& error) {
    if (error) return *error;
    if (!response) return NSError(URLError(NSURLErrorBadServerResponse));
    if (response->statusCode < 200 || response->statusCode > 299) return statusError(response->statusCode);
    if (!isAcceptableType(response->MIMEType)) return contentTypeError(*response);
    if (isBlank(data)) return Value();
    auto parsed = JSON::parse(std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
    if (!parsed || !(parsed->isDictionary() || parsed->isArray())) return parseError();
    return *parsed;
}

// Replies of every client are read here, one at a time, away from the main loop.
const std::shared_ptr<NSOperationQueue>& replyQueue() {
    static const std::shared_ptr<NSOperationQueue> queue = NSOperationQueue::create();
    return queue;
}

}  // namespace

HTTPSessionClient::HTTPSessionClient(const std::string& baseURL)
    : completionQueue_(NSOperationQueue::mainQueue()), session_(NSURLSession::create(replyQueue())) {
    session_->setMaximumResponseSize(kDefaultMaximumResponseSize);
    std::string text = baseURL;
    // Without a trailing "/" a relative path would replace the base's last segment.
    if (auto url = NSURL::URLWithString(text);
        url && !url->path().empty() && url->path().back() != '/' && !url->query() && !url->fragment()) {
        text += '/';
    }
    baseURL_ = NSURL::URLWithString(text);
    headers_.emplace("Content-Type", "application/json");
}

std::size_t HTTPSessionClient::maximumResponseSize() const {
    return session_->maximumResponseSize();
}

void HTTPSessionClient::setMaximumResponseSize(std::size_t bytes) {
    session_->setMaximumResponseSize(bytes > 0 ? bytes : kDefaultMaximumResponseSize);
}

void HTTPSessionClient::setCompletionQueue(std::shared_ptr<NSOperationQueue> queue) {
    completionQueue_ = queue ? std::move(queue) : NSOperationQueue::mainQueue();
}

void HTTPSessionClient::setValueForHTTPHeaderField(const std::string& value, const std::string& field) {
    headers_.erase(field);
    headers_.emplace(field, value);
}

std::shared_ptr<NSURLSessionDataTask> HTTPSessionClient::POST(const std::string& URLString,
                                                              const Value& parameters, Success success,
                                                              Failure failure) {
    auto fail = [this, &failure](NSError error) {
        completionQueue_->addOperation([failure = std::move(failure), error = std::move(error)] {
            if (failure) failure(nullptr, error);
        });
        return nullptr;
    };
    std::optional<NSURL> url =
        baseURL_ ? NSURL::URLWithString(URLString, *baseURL_) : NSURL::URLWithString(URLString);
    if (!url || url->scheme().empty()) return fail(URLError(NSURLErrorBadURL));
    std::optional<std::string> body = JSON::serialize(parameters);
    if (!body) {
        return fail(NSError{NSCocoaErrorDomain, NSPropertyListReadCorruptError,
                            "The parameters could not be written as JSON.", Value()});
    }

    NSURLRequest request(url, NSURLRequestCachePolicy::UseProtocolCachePolicy, timeoutInterval_);
    request.setHTTPMethod("POST");
    for (const auto& [field, value] : headers_) request.setValueForHTTPHeaderField(value, field);
    request.setHTTPBody(*body);

    // The task is held weakly by its own completion; the session keeps it alive while it runs.
    auto weakTask = std::make_shared<std::weak_ptr<NSURLSessionDataTask>>();
    auto task = session_->dataTaskWithRequest(
        request,
        [weakTask, queue = completionQueue_, success = std::move(success), failure = std::move(failure)](
            const std::vector<std::uint8_t>& data, const std::optional<NSHTTPURLResponse>& response,
            const std::optional<NSError>& error) {
            // On the reply queue: the parse is the costly part of a large reply.
            auto outcome = std::make_shared<std::variant<Value, NSError>>(evaluate(data, response, error));
            queue->addOperation([task = weakTask->lock(), outcome, success, failure] {
                if (auto* object = std::get_if<Value>(outcome.get())) {
                    if (success) success(task, *object);
                } else if (failure) {
                    failure(task, std::get<NSError>(*outcome));
                }
            });
        });
    *weakTask = task;
    task->resume();
    return task;
}

}  // namespace fv
