#pragma once
// The shared object through which a screen asks for the device's location without request
// identifiers, accuracy levels or status codes: it hears the location request manager's results and
// tells one delegate either the location found or an error text ready to show. Main thread only; the
// delegate hears everything on the main queue, after the call that started the request has returned.
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>

#include "locations/LocationRequestTypes.h"

namespace fv {

class GeolocationDelegate {
  public:
    virtual ~GeolocationDelegate() = default;
    // The one-shot request ended with a location; on a time-out it is the most recent fix, which may be
    // less accurate than asked, or none when no fix arrived at all.
    virtual void currentLocationFound(const std::optional<CLLocation>& location) = 0;
    virtual void currentLocationErrorOccured(const std::string& message) = 0;
    // Only for continuous and heading updates; by default they do nothing.
    virtual void newLocationUpdate(const std::optional<CLLocation>& /*location*/,
                                   LocationAccuracy /*accuracy*/) {}
    virtual void newLocationErrorOccured(const std::string& /*message*/) {}
    virtual void GotNewHeading(const std::optional<CLHeading>& /*heading*/) {}
    virtual void FailedToGotNewHeading() {}
};

class Geolocation : public std::enable_shared_from_this<Geolocation> {
  public:
    // The identifier a request holds once it has ended.
    static constexpr std::int64_t kNoRequest = std::numeric_limits<std::int64_t>::max();

    static std::shared_ptr<Geolocation> sharedInstance();

    std::shared_ptr<GeolocationDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<GeolocationDelegate>& delegate) { delegate_ = delegate; }

    // One location at `accuracy` (0 means level 1) within `timeout` seconds (0.0 means 15.0); the time
    // limit starts once the user has granted permission.
    void GetUserCurrentLocation(LocationAccuracy accuracy, double timeout);
    // Keeps 0 to 5; any other value leaves the previous one.
    void setAccuracy(LocationAccuracy accuracy);
    // 1 to 5 unchanged, anything else 0.
    static LocationAccuracy ConvertAccuracy(LocationAccuracy accuracy);
    static std::string getLocationErrorDescription(LocationRequestStatus status);
    void setLocationRequestID(std::int64_t requestID) { locationRequestID_ = requestID; }

    void GetContinuousLocation();
    void StartHeadingRequest();
    void forceCompleteLocationRequest();
    void cancelRequest();
    // Metres between the two, over the Earth's mean sphere.
    static double GetDistanceInMetersBetween(const CLLocation& source, const CLLocation& destination);

    LocationAccuracy desiredAccuracy() const { return desiredAccuracy_; }
    std::int64_t locationRequestID() const { return locationRequestID_; }
    std::int64_t headingRequestID() const { return headingRequestID_; }
    double timeout() const { return timeout_; }
    const std::optional<CLLocation>& userCurrentLocation() const { return userCurrentLocation_; }

    // Drops the shared facade; the test host's reset calls this.
    static void resetForTesting();

  private:
    void startSingleLocationRequest();

    LocationAccuracy desiredAccuracy_ = 0;
    std::int64_t locationRequestID_ = 0;
    std::int64_t headingRequestID_ = 0;
    double timeout_ = 0;
    std::weak_ptr<GeolocationDelegate> delegate_;
    std::optional<CLLocation> userCurrentLocation_;
};
using GeolocationPtr = std::shared_ptr<Geolocation>;

}  // namespace fv
