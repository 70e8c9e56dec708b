#include "locations/IPAddressGeocoder.h"

#include <string_view>

#include "core/ServiceAddresses.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/ResetHooks.h"
#include "platform/foundation/RunLoop.h"

namespace fv {

namespace {

struct Defaults {
    std::mutex mutex;
    bool set = false;
    IPAddressGeocoder::Service service = 0;
    std::optional<std::string> url;
    IPAddressGeocoderPtr shared;
};

Defaults& defaults() {
    static Defaults d;
    return d;
}

[[maybe_unused]] const bool registered =
    ResetHooks::add("locations.ipAddressGeocoder", [] { IPAddressGeocoder::resetForTesting(); });

}  // namespace

// ---- defaults and the shared geocoder ----

std::optional<std::string> IPAddressGeocoder::getDefaultServiceURLForService(Service service) {
    return ServiceAddresses::geolocationServiceURL(service);
}

void IPAddressGeocoder::setDefaultService(Service service) {
    setDefaultService(service, getDefaultServiceURLForService(service));
}

void IPAddressGeocoder::setDefaultService(Service service, const std::optional<std::string>& url) {
    auto& d = defaults();
    std::lock_guard lock(d.mutex);
    if (d.set) return;
    d.set = true;
    d.service = service;
    d.url = url;
}

std::shared_ptr<IPAddressGeocoder> IPAddressGeocoder::sharedGeocoder() {
    return sharedGeocoderLazy(false);
}

std::shared_ptr<IPAddressGeocoder> IPAddressGeocoder::sharedGeocoderLazy(bool lazy) {
    auto& d = defaults();
    {
        std::lock_guard lock(d.mutex);
        if (d.shared || lazy) return d.shared;
    }
    auto made = init();
    std::lock_guard lock(d.mutex);
    if (!d.shared) d.shared = made;
    return d.shared;
}

void IPAddressGeocoder::resetForTesting() {
    IPAddressGeocoderPtr shared;
    {
        auto& d = defaults();
        std::lock_guard lock(d.mutex);
        d.set = false;
        d.service = 0;
        d.url.reset();
        shared = std::move(d.shared);
    }
    if (shared) shared->cancelGeocode();
}

// ---- making ----

IPAddressGeocoder::IPAddressGeocoder() : operationQueue_(NSOperationQueue::create()) {}

IPAddressGeocoder::~IPAddressGeocoder() = default;

std::shared_ptr<IPAddressGeocoder> IPAddressGeocoder::init() {
    Service service;
    std::optional<std::string> url;
    {
        auto& d = defaults();
        std::lock_guard lock(d.mutex);
        service = d.service;
        url = d.url;
    }
    auto geocoder = initWithService(service, url ? url : getDefaultServiceURLForService(service));
    geocoder->setCanUseOtherServicesAsFallback(true);
    return geocoder;
}

std::shared_ptr<IPAddressGeocoder> IPAddressGeocoder::initWithService(Service service) {
    return initWithService(service, getDefaultServiceURLForService(service));
}

std::shared_ptr<IPAddressGeocoder> IPAddressGeocoder::initWithService(Service service,
                                                                      const std::optional<std::string>& url) {
    auto geocoder = std::make_shared<IPAddressGeocoder>();
    std::lock_guard lock(geocoder->mutex_);
    geocoder->setService(service, url);
    // The last service only ever serves when asked for by name.
    for (Service s = 0; s < 6; ++s) {
        if (s != service) geocoder->servicesQueue_.insert(s);
    }
    return geocoder;
}

void IPAddressGeocoder::setService(Service service, const std::optional<std::string>& url) {
    service_ = service;
    serviceTimeoutInterval_ = 10.0;
    serviceURL_ = url;
    serviceRequest_ =
        NSURLRequest(url ? NSURL::URLWithString(*url) : std::nullopt,
                     NSURLRequestCachePolicy::ReloadIgnoringLocalCacheData, serviceTimeoutInterval_);
}

// ---- looking up ----

void IPAddressGeocoder::geocode(CompletionHandler completionHandler) {
    if (completionHandler) {
        std::unique_lock lock(mutex_);
        if (location_ &&
            RunLoop::main().wallTime() - location_->timestamp().secondsSince1970 < kLocationFreshness) {
            lock.unlock();
            completionHandler(true);
            return;
        }
    }
    cancelGeocode();
    std::lock_guard lock(mutex_);
    completionHandler_ = std::move(completionHandler);
    geocoding_ = true;
    sendLocked();
}

void IPAddressGeocoder::sendLocked() {
    const std::uint64_t attempt = ++attempt_;
    std::weak_ptr<IPAddressGeocoder> weak = weak_from_this();
    NSURLConnection::sendAsynchronousRequest(
        serviceRequest_, operationQueue_,
        [weak, attempt](const std::optional<NSHTTPURLResponse>& response,
                        const std::vector<std::uint8_t>& body, const std::optional<NSError>& error) {
            if (auto self = weak.lock()) self->handleResponse(attempt, response, body, error);
        });
}

void IPAddressGeocoder::handleResponse(std::uint64_t attempt,
                                       const std::optional<NSHTTPURLResponse>& response,
                                       const std::vector<std::uint8_t>& body,
                                       const std::optional<NSError>& transportError) {
    CompletionHandler completion;
    bool success = false;
    {
        std::lock_guard lock(mutex_);
        if (attempt != attempt_ || !geocoding_) return;
        error_.reset();
        if (transportError) {
            error_ = transportError;
        } else if (!response || response->statusCode != 200) {
            long status = response ? response->statusCode : 0;
            error_ =
                NSError{"", kErrorHTTPStatus,
                        "The geolocation service answered with HTTP status " + std::to_string(status) + ".",
                        Value::Dictionary{{"statusCode", Value(status)}}};
        } else {
            auto reply = readServiceReply(
                service_, std::string_view(reinterpret_cast<const char*>(body.data()), body.size()));
            error_ = std::move(reply.error);
            if (!error_) {
                location_ = std::move(reply.location);
                locationInfo_ = std::move(reply.locationInfo);
                locationCity_ = std::move(reply.city);
                locationCountry_ = std::move(reply.country);
                locationCountryCode_ = std::move(reply.countryCode);
            }
        }
        if (error_)
            log("IP geocoder: service " + std::to_string(service_) + " failed: " + error_->description());
        if (error_ && canUseOtherServicesAsFallback_ && !servicesQueue_.empty()) {
            Service next = *servicesQueue_.begin();
            servicesQueue_.erase(servicesQueue_.begin());
            setService(next, getDefaultServiceURLForService(next));
            sendLocked();
            return;
        }
        geocoding_ = false;
        completion = std::move(completionHandler_);
        completionHandler_ = nullptr;
        success = !error_;
    }
    if (completion) completion(success);
}

void IPAddressGeocoder::cancelGeocode() {
    operationQueue_->cancelAllOperations();
    std::lock_guard lock(mutex_);
    ++attempt_;
    completionHandler_ = nullptr;
    geocoding_ = false;
    error_.reset();
    clearResultsLocked();
}

void IPAddressGeocoder::clearResultsLocked() {
    locationInfo_.reset();
    location_.reset();
    locationCity_.reset();
    locationCountry_.reset();
    locationCountryCode_.reset();
}

// ---- reading ----

IPAddressGeocoder::Service IPAddressGeocoder::service() const {
    std::lock_guard lock(mutex_);
    return service_;
}

double IPAddressGeocoder::serviceTimeoutInterval() const {
    std::lock_guard lock(mutex_);
    return serviceTimeoutInterval_;
}

std::optional<std::string> IPAddressGeocoder::serviceURL() const {
    std::lock_guard lock(mutex_);
    return serviceURL_;
}

bool IPAddressGeocoder::isGeocoding() const {
    std::lock_guard lock(mutex_);
    return geocoding_;
}

bool IPAddressGeocoder::canUseOtherServicesAsFallback() const {
    std::lock_guard lock(mutex_);
    return canUseOtherServicesAsFallback_;
}

void IPAddressGeocoder::setCanUseOtherServicesAsFallback(bool fallback) {
    std::lock_guard lock(mutex_);
    canUseOtherServicesAsFallback_ = fallback;
}

std::set<IPAddressGeocoder::Service> IPAddressGeocoder::servicesQueue() const {
    std::lock_guard lock(mutex_);
    return servicesQueue_;
}

std::optional<NSError> IPAddressGeocoder::error() const {
    std::lock_guard lock(mutex_);
    return error_;
}

std::optional<Value> IPAddressGeocoder::locationInfo() const {
    std::lock_guard lock(mutex_);
    return locationInfo_;
}

std::optional<CLLocation> IPAddressGeocoder::location() const {
    std::lock_guard lock(mutex_);
    return location_;
}

std::optional<std::string> IPAddressGeocoder::locationCity() const {
    std::lock_guard lock(mutex_);
    return locationCity_;
}

std::optional<std::string> IPAddressGeocoder::locationCountry() const {
    std::lock_guard lock(mutex_);
    return locationCountry_;
}

std::optional<std::string> IPAddressGeocoder::locationCountryCode() const {
    std::lock_guard lock(mutex_);
    return locationCountryCode_;
}

}  // namespace fv
