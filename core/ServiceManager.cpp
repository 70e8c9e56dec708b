#include "core/ServiceManager.h"

#include <memory>

#include "core/ServiceAddresses.h"
#include "core/ServiceConstants.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/JSON.h"
#include "platform/foundation/ResetHooks.h"
#include "platform/net/HTTPSessionClient.h"

namespace fv {

namespace {

[[maybe_unused]] const bool registered = ResetHooks::add(
    "core.serviceManager", [] { ServiceManager::sharedInstance()->setTimeoutIntervalForTesting(30.0); });

}  // namespace

std::shared_ptr<ServiceManager> ServiceManager::sharedInstance() {
    static const std::shared_ptr<ServiceManager> instance(new ServiceManager());
    return instance;
}

ServiceManager::ServiceManager() : replies_(NSOperationQueue::create()) {}

void ServiceManager::PostService(const Value& dictionary, const std::string& url, Completion completion) {
    PostServiceForReply(dictionary, url,
                        [completion = std::move(completion)](const auto& result, const auto& message,
                                                             const std::shared_ptr<const Reply>& reply) {
                            if (!completion) return;
                            completion(result, message,
                                       reply ? std::optional<std::string>(reply->text) : std::nullopt);
                        });
}

void ServiceManager::PostServiceForReply(const Value& dictionary, const std::string& url,
                                         ReplyCompletion completion) {
    // Guarded here once, so that every outcome below may call it unconditionally.
    auto done = std::make_shared<ReplyCompletion>(completion ? std::move(completion)
                                                             : [](const auto&, const auto&, const auto&) {});
    // The message is looked up on the main queue: bundles are main-thread objects.
    auto onMain = [done](std::string result, const char* messageKey, std::shared_ptr<const Reply> reply) {
        NSOperationQueue::mainQueue()->addOperation([done, result, messageKey, reply = std::move(reply)] {
            std::optional<std::string> message;
            if (messageKey) message = NSLocalizedString(messageKey, "");
            (*done)(result, message, reply);
        });
    };
    const std::string target = ServiceAddresses::resolve(url);

    HTTPSessionClient client(target);
    client.setValueForHTTPHeaderField("application/json", "Content-Type");
    client.setTimeoutInterval(timeoutInterval());
    // The reply is printed on the worker too: for a large reply that costs as much as the parse.
    client.setCompletionQueue(replies_);
    client.POST(
        target, dictionary,
        [onMain](const auto&, const Value& responseObject) {
            // An accepted reply without a JSON object or array in it (an empty body) has nothing to hand on.
            std::optional<std::string> text;
            if (responseObject.isDictionary() || responseObject.isArray()) {
                text = JSON::serialize(responseObject, true);
            }
            if (text) {
                onMain(SERVICE_RESULT_SUCCESS, nullptr,
                       std::make_shared<const Reply>(Reply{responseObject, std::move(*text)}));
            } else {
                onMain(SERVICE_RESULT_ERROR, "Service Gave Error So No JSON Received In Response", nullptr);
            }
        },
        [onMain](const auto&, const NSError&) { onMain(SERVICE_RESULT_FAILURE, "Service Failed", nullptr); });
}

}  // namespace fv
