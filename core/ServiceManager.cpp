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
    // Guarded here once, so that every outcome below may call it unconditionally.
    auto done = std::make_shared<Completion>(completion ? std::move(completion)
                                                        : [](const auto&, const auto&, const auto&) {});
    // The message is looked up on the main queue: bundles are main-thread objects.
    auto onMain = [done](std::string result, const char* messageKey, std::optional<std::string> response) {
        NSOperationQueue::mainQueue()->addOperation(
            [done, result, messageKey, response = std::move(response)] {
                std::optional<std::string> message;
                if (messageKey) message = NSLocalizedString(messageKey, "");
                (*done)(result, message, response);
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
                onMain(SERVICE_RESULT_SUCCESS, nullptr, std::move(text));
            } else {
                onMain(SERVICE_RESULT_ERROR, "Service Gave Error So No JSON Received In Response",
                       std::nullopt);
            }
        },
        [onMain](const auto&, const NSError&) {
            onMain(SERVICE_RESULT_FAILURE, "Service Failed", std::nullopt);
        });
}

}  // namespace fv
