#include "core/ServiceAddresses.h"

#include <cstdlib>
#include <map>
#include <mutex>
#include <set>

#include "core/ServiceConstants.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/ResetHooks.h"
#include "platform/net/URL.h"

namespace fv {

namespace {

constexpr int kServiceCount = 2 + ServiceAddresses::kGeolocationServiceCount;

struct State {
    std::mutex mutex;
    std::map<OutsideService, std::string> set;
    std::set<std::string> reportedVariables;
};

State& state() {
    static State instance;
    return instance;
}

OutsideService serviceAt(int index) {
    return static_cast<OutsideService>(index);
}

int geolocationIndex(OutsideService service) {
    return static_cast<int>(service) - static_cast<int>(OutsideService::Geolocation0);
}

// The address without trailing "/"; none unless it is an absolute http(s) address with a host and
// nothing after its path.
std::optional<std::string> normalised(std::string text) {
    auto url = NSURL::URLWithString(text);
    if (!url || (url->scheme() != "http" && url->scheme() != "https") || url->host().empty() ||
        url->query() || url->fragment()) {
        return std::nullopt;
    }
    while (!text.empty() && text.back() == '/') text.pop_back();
    return text;
}

[[maybe_unused]] const bool registered =
    ResetHooks::add("core.serviceAddresses", [] { ServiceAddresses::reset(); });

}  // namespace

std::string ServiceAddresses::defaultBaseURL(OutsideService service) {
    switch (service) {
        case OutsideService::Backend:
            return SERVICE_URL;
        case OutsideService::BankLink:
            return BANKLINK_SERVICE_URL;
        default:
            return GEOLOCATION_SERVICE_URLS.at(static_cast<std::size_t>(geolocationIndex(service)));
    }
}

std::string ServiceAddresses::environmentVariable(OutsideService service) {
    switch (service) {
        case OutsideService::Backend:
            return "FERNVAULT_SERVICE_URL";
        case OutsideService::BankLink:
            return "FERNVAULT_BANKLINK_URL";
        default:
            return "FERNVAULT_GEOLOCATION_SERVICE_" + std::to_string(geolocationIndex(service)) + "_URL";
    }
}

std::string ServiceAddresses::baseURL(OutsideService service) {
    auto& s = state();
    std::lock_guard lock(s.mutex);
    if (auto it = s.set.find(service); it != s.set.end()) return it->second;
    std::string variable = environmentVariable(service);
    if (const char* value = std::getenv(variable.c_str()); value && *value) {
        if (auto url = normalised(value)) return *url;
        // Once per variable: the address itself may hold credentials, so it is not repeated here.
        if (s.reportedVariables.insert(variable).second) {
            log(variable + " is not an http or https address with a host; the built-in address is used.");
        }
    }
    return defaultBaseURL(service);
}

bool ServiceAddresses::setBaseURL(OutsideService service, const std::optional<std::string>& url) {
    auto& s = state();
    if (!url) {
        std::lock_guard lock(s.mutex);
        s.set.erase(service);
        return true;
    }
    auto checked = normalised(*url);
    if (!checked) return false;
    std::lock_guard lock(s.mutex);
    s.set[service] = *checked;
    return true;
}

void ServiceAddresses::reset() {
    auto& s = state();
    std::lock_guard lock(s.mutex);
    s.set.clear();
    s.reportedVariables.clear();
}

std::string ServiceAddresses::resolve(const std::string& url) {
    for (int i = 0; i < kServiceCount; ++i) {
        const std::string base = defaultBaseURL(serviceAt(i));
        if (url.compare(0, base.size(), base) != 0) continue;
        // "https://host/services" must not claim "https://host/servicesX".
        if (url.size() > base.size() && std::string("/?#").find(url[base.size()]) == std::string::npos)
            continue;
        return baseURL(serviceAt(i)) + url.substr(base.size());
    }
    return url;
}

std::optional<OutsideService> ServiceAddresses::geolocationService(std::uint64_t n) {
    if (n >= static_cast<std::uint64_t>(kGeolocationServiceCount)) return std::nullopt;
    return serviceAt(static_cast<int>(OutsideService::Geolocation0) + static_cast<int>(n));
}

std::optional<std::string> ServiceAddresses::geolocationServiceURL(std::uint64_t n) {
    auto service = geolocationService(n);
    if (!service) return std::nullopt;
    return baseURL(*service) + GEOLOCATION_SERVICE_PATHS.at(static_cast<std::size_t>(n));
}

}  // namespace fv
