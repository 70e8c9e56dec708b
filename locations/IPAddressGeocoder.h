#pragma once
// Finds the device's approximate position, city and country from its public IP address by asking one
// of seven web geolocation services (ServiceAddresses says where each is reached), falling back to the
// others when one fails. Answers arrive on the geocoder's own operation queue, not the main thread;
// every member may be called from any thread. One lookup at a time: a new geocode cancels the running
// one, and the answer of a cancelled or superseded lookup changes nothing and calls nothing.
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "platform/foundation/NSError.h"
#include "platform/foundation/Value.h"
#include "platform/location/CLLocation.h"
#include "platform/net/OperationQueue.h"
#include "platform/net/URLRequest.h"

namespace fv {

class IPAddressGeocoder : public std::enable_shared_from_this<IPAddressGeocoder> {
  public:
    using Service = std::uint64_t;
    // Failures of a reply that arrived: an HTTP status other than 200, or a body without a location.
    static constexpr std::int64_t kErrorHTTPStatus = 2;
    static constexpr std::int64_t kErrorNoLocation = 3;
    // A held location younger than this answers a lookup at once.
    static constexpr double kLocationFreshness = 60.0;

    using CompletionHandler = std::function<void(bool success)>;

    // What one service's reply body says: an error, or the location and place it names.
    struct ServiceReply {
        std::optional<NSError> error;
        std::optional<Value> locationInfo;
        std::optional<CLLocation> location;
        std::optional<std::string> city, country, countryCode;
    };
    // Reads `body` in the shape of `service`. A body that is not a JSON object, or lacks a valid
    // latitude or longitude, is an error, so that the lookup falls back to another service.
    static ServiceReply readServiceReply(Service service, std::string_view body);

    // The service's address in force (base and fixed path); none above 6.
    static std::optional<std::string> getDefaultServiceURLForService(Service service);
    // The service (and address) `init` uses; only the first call of either counts.
    static void setDefaultService(Service service);
    static void setDefaultService(Service service, const std::optional<std::string>& url);
    static std::shared_ptr<IPAddressGeocoder> sharedGeocoder();
    // Unless `lazy`, makes the shared geocoder (with `init`) if there is none; none if lazy and never made.
    static std::shared_ptr<IPAddressGeocoder> sharedGeocoderLazy(bool lazy);

    // The default service with fallback on.
    static std::shared_ptr<IPAddressGeocoder> init();
    // One service at its address, fallback off.
    static std::shared_ptr<IPAddressGeocoder> initWithService(Service service);
    static std::shared_ptr<IPAddressGeocoder> initWithService(Service service,
                                                              const std::optional<std::string>& url);

    void geocode(CompletionHandler completionHandler);
    void cancelGeocode();

    Service service() const;
    double serviceTimeoutInterval() const;
    std::optional<std::string> serviceURL() const;
    bool isGeocoding() const;
    bool canUseOtherServicesAsFallback() const;
    void setCanUseOtherServicesAsFallback(bool fallback);
    // Services not yet tried in this geocoder's fallback.
    std::set<Service> servicesQueue() const;

    std::optional<NSError> error() const;
    // "raw" (the parsed reply), "ip", "latitude", "longitude", "city", "country", "countryCode", each
    // only when the service gave it; none until a lookup succeeds.
    std::optional<Value> locationInfo() const;
    std::optional<CLLocation> location() const;
    std::optional<std::string> locationCity() const;
    std::optional<std::string> locationCountry() const;
    std::optional<std::string> locationCountryCode() const;

    // Forgets the default service and the shared geocoder; the test host's reset calls this.
    static void resetForTesting();

    IPAddressGeocoder();
    ~IPAddressGeocoder();
    IPAddressGeocoder(const IPAddressGeocoder&) = delete;
    IPAddressGeocoder& operator=(const IPAddressGeocoder&) = delete;

  private:
    void setService(Service service, const std::optional<std::string>& url);
    void sendLocked();
    void handleResponse(std::uint64_t attempt, const std::optional<NSHTTPURLResponse>& response,
                        const std::vector<std::uint8_t>& body, const std::optional<NSError>& error);
    void clearResultsLocked();

    mutable std::mutex mutex_;
    Service service_ = 0;
    double serviceTimeoutInterval_ = 10.0;
    std::optional<std::string> serviceURL_;
    NSURLRequest serviceRequest_;
    std::set<Service> servicesQueue_;
    std::shared_ptr<NSOperationQueue> operationQueue_;
    CompletionHandler completionHandler_;
    bool geocoding_ = false;
    bool canUseOtherServicesAsFallback_ = false;
    // Which attempt an answer belongs to; bumped by every send and cancel.
    std::uint64_t attempt_ = 0;
    std::optional<NSError> error_;
    std::optional<Value> locationInfo_;
    std::optional<CLLocation> location_;
    std::optional<std::string> locationCity_, locationCountry_, locationCountryCode_;
};
using IPAddressGeocoderPtr = std::shared_ptr<IPAddressGeocoder>;

}  // namespace fv
