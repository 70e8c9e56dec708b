#include "locations/IPAddressGeocoder.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "core/ServiceAddresses.h"
#include "platform/foundation/JSON.h"
#include "platform/foundation/Locale.h"
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

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// The whole text as a number, in C-locale notation whatever the process locale.
template <typename Number>
std::optional<Number> numberIn(std::string_view text) {
    text = trimmed(text);
    Number n{};
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return n;
}

// Services give coordinates as numbers, some as numeric texts.
std::optional<double> degrees(const Value& value) {
    if (auto n = value.asReal()) return *n;
    if (auto text = value.asString()) return numberIn<double>(*text);
    return std::nullopt;
}

std::optional<std::string> text(const Value& value) {
    return value.asString();
}

NSError noLocationError(const std::string& why) {
    return NSError{"", IPAddressGeocoder::kErrorNoLocation, why, {}};
}

// The six values a service's reply gives, as the service gave them.
struct Reading {
    Value ip, latitude, longitude, city, country, countryCode;
};

Reading readService(IPAddressGeocoder::Service service, const Value& body) {
    Reading r;
    switch (service) {
        case 0:
            r = {body["ip"],   body["latitude"],     body["longitude"],
                 body["city"], body["country_name"], body["country_code"]};
            break;
        case 1:
            r = {body["query"], body["lat"], body["lon"], body["city"], body["country"], body["countryCode"]};
            break;
        case 2: {
            r.ip = body["ip"];
            r.city = body["city"];
            r.countryCode = body["country"];
            if (auto loc = body["loc"].asString()) {
                auto comma = loc->find(',');
                if (comma != std::string::npos) {
                    auto lat = numberIn<float>(std::string_view(*loc).substr(0, comma));
                    auto lon = numberIn<float>(std::string_view(*loc).substr(comma + 1));
                    if (lat && lon) {
                        r.latitude = static_cast<double>(*lat);
                        r.longitude = static_cast<double>(*lon);
                    }
                }
            }
            if (auto code = r.countryCode.asString()) {
                if (auto name = NSLocale::countryDisplayName(*code)) r.country = *name;
            }
            break;
        }
        case 3: {
            const Value& data = body["data"];
            r = {data["ipv4"],      data["latitude"],     data["longitude"],
                 data["city_name"], data["country_name"], {}};
            break;
        }
        case 4:
            r = {body["ip"],   body["location"]["latitude"], body["location"]["longitude"],
                 body["city"], body["country"]["name"],      body["country"]["code"]};
            break;
        case 5:
            r = {body["ip"],   body["latitude"], body["longitude"],
                 body["city"], body["country"],  body["country_code"]};
            break;
        case 6:
            r = {{}, body["latitude"], body["longitude"], {}, body["country"], body["country_code"]};
            break;
        default:
            break;
    }
    return r;
}

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

IPAddressGeocoder::ServiceReply IPAddressGeocoder::readServiceReply(Service service, std::string_view body) {
    ServiceReply reply;
    auto parsed = JSON::parse(body);
    if (!parsed) {
        reply.error = NSError{NSCocoaErrorDomain,
                              NSPropertyListReadCorruptError,
                              "The geolocation service's reply is not valid JSON.",
                              {}};
        return reply;
    }
    if (!parsed->isDictionary()) {
        reply.error = noLocationError("The geolocation service's reply is not a JSON object.");
        return reply;
    }
    const Reading r = readService(service, *parsed);
    auto latitude = degrees(r.latitude);
    auto longitude = degrees(r.longitude);
    if (!latitude || !longitude) {
        reply.error = noLocationError("The geolocation service's reply holds no location.");
        return reply;
    }
    if (!CLLocationCoordinate2DIsValid(CLLocationCoordinate2DMake(*latitude, *longitude))) {
        reply.error = noLocationError("The geolocation service's reply holds no valid location.");
        return reply;
    }
    reply.location = CLLocation(*latitude, *longitude, Date{RunLoop::main().wallTime()});
    reply.city = text(r.city);
    reply.country = text(r.country);
    reply.countryCode = text(r.countryCode);

    Value::Dictionary info{{"raw", *parsed}, {"latitude", r.latitude}, {"longitude", r.longitude}};
    if (auto ip = text(r.ip)) info["ip"] = *ip;
    if (reply.city) info["city"] = *reply.city;
    if (reply.country) info["country"] = *reply.country;
    if (reply.countryCode) info["countryCode"] = *reply.countryCode;
    reply.locationInfo = Value(std::move(info));
    return reply;
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
