#include "core/ServiceManager.h"

#include <cstdlib>
#include <memory>

#include "core/ServiceConstants.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/JSON.h"
#include "platform/net/HTTPSessionClient.h"

namespace fv {

ServiceManager& ServiceManager::sharedInstance() {
    static ServiceManager instance;
    return instance;
}

ServiceManager::ServiceManager() {
    if (const char* base = std::getenv("FERNVAULT_SERVICE_URL")) {
        overrideBaseURL_ = base;
        while (!overrideBaseURL_.empty() && overrideBaseURL_.back() == '/') overrideBaseURL_.pop_back();
    }
}

std::string ServiceManager::resolve(const std::string& url) const {
    if (overrideBaseURL_.empty() || url.compare(0, SERVICE_URL.size(), SERVICE_URL) != 0) return url;
    return overrideBaseURL_ + url.substr(SERVICE_URL.size());
}

void ServiceManager::PostService(const Value& dictionary, const std::string& url, Completion completion) {
    // Guarded here once, so that every outcome below may call it unconditionally.
    auto done = std::make_shared<Completion>(completion ? std::move(completion)
                                                        : [](const auto&, const auto&, const auto&) {});
    const std::string target = resolve(url);

    HTTPSessionClient client(target);
    client.setValueForHTTPHeaderField("application/json", "Content-Type");
    client.setTimeoutInterval(timeoutInterval_);
    client.POST(
        target, dictionary,
        [done](const auto&, const Value& responseObject) {
            // An accepted reply without a JSON object or array in it (an empty body) has nothing to hand on.
            std::optional<std::string> text;
            if (responseObject.isDictionary() || responseObject.isArray()) {
                text = JSON::serialize(responseObject, true);
            }
            if (text) {
                (*done)(SERVICE_RESULT_SUCCESS, std::nullopt, text);
            } else {
                (*done)(SERVICE_RESULT_ERROR,
                        NSLocalizedString("Service Gave Error So No JSON Received In Response", ""),
                        std::nullopt);
            }
        },
        [done](const auto&, const NSError&) {
            (*done)(SERVICE_RESULT_FAILURE, NSLocalizedString("Service Failed", ""), std::nullopt);
        });
}

}  // namespace fv
