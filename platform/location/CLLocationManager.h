#pragma once
// The device's location services: one manager per caller, each with one weak delegate that hears
// every result on the main thread, in a later turn than the call that caused it. What the device
// senses and what the user answers come from the LocationProvider (LocationProvider.h).
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/foundation/NSError.h"
#include "platform/foundation/NSObject.h"
#include "platform/location/CLHeading.h"
#include "platform/location/CLLocation.h"

namespace fv {

enum CLAuthorizationStatus : std::int64_t {
    kCLAuthorizationStatusNotDetermined = 0,
    kCLAuthorizationStatusRestricted = 1,
    kCLAuthorizationStatusDenied = 2,
    kCLAuthorizationStatusAuthorizedAlways = 3,
    kCLAuthorizationStatusAuthorizedWhenInUse = 4,
};

// Desired accuracies in metres: a smaller value is stricter.
inline constexpr CLLocationAccuracy kCLLocationAccuracyBestForNavigation = -2;
inline constexpr CLLocationAccuracy kCLLocationAccuracyBest = -1;
inline constexpr CLLocationAccuracy kCLLocationAccuracyNearestTenMeters = 10;
inline constexpr CLLocationAccuracy kCLLocationAccuracyHundredMeters = 100;
inline constexpr CLLocationAccuracy kCLLocationAccuracyKilometer = 1000;
inline constexpr CLLocationAccuracy kCLLocationAccuracyThreeKilometers = 3000;
inline constexpr CLLocationDistance kCLDistanceFilterNone = -1;

inline constexpr const char* kCLErrorDomain = "kCLErrorDomain";
enum CLError : std::int64_t {
    kCLErrorLocationUnknown = 0,
    kCLErrorDenied = 1,
    kCLErrorNetwork = 2,
    kCLErrorGeocodeFoundNoResult = 8,
    kCLErrorGeocodeCanceled = 10,
};

class CLLocationManager;

// Every method is optional: the defaults do nothing.
class CLLocationManagerDelegate {
  public:
    virtual ~CLLocationManagerDelegate() = default;
    // Never empty; the newest fix last.
    virtual void locationManagerDidUpdateLocations(CLLocationManager&, const std::vector<CLLocation>&) {}
    virtual void locationManagerDidUpdateHeading(CLLocationManager&, const CLHeading&) {}
    virtual void locationManagerDidFailWithError(CLLocationManager&, const NSError&) {}
    virtual void locationManagerDidChangeAuthorizationStatus(CLLocationManager&, CLAuthorizationStatus) {}
};

// What a manager was asked to do, for tests.
struct CLLocationManagerCounters {
    int startUpdatingLocation = 0;
    int stopUpdatingLocation = 0;
    int startMonitoringSignificantLocationChanges = 0;
    int stopMonitoringSignificantLocationChanges = 0;
    int startUpdatingHeading = 0;
    int stopUpdatingHeading = 0;
    int desiredAccuracyWrites = 0;
    int requestAlwaysAuthorization = 0;
    int requestWhenInUseAuthorization = 0;
};

class CLLocationManager : public NSObject {
    FV_CLASS(CLLocationManager, NSObject)
    static std::shared_ptr<CLLocationManager> create();

    // ---- the device's state (from the provider) ----
    static bool locationServicesEnabled();
    static CLAuthorizationStatus authorizationStatus();
    static bool headingAvailable();
    static bool significantLocationChangeMonitoringAvailable() { return true; }

    std::shared_ptr<CLLocationManagerDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<CLLocationManagerDelegate>& delegate) { delegate_ = delegate; }

    CLLocationAccuracy desiredAccuracy() const { return desiredAccuracy_; }
    void setDesiredAccuracy(CLLocationAccuracy accuracy);
    CLLocationDistance distanceFilter() const { return distanceFilter_; }
    void setDistanceFilter(CLLocationDistance distance) { distanceFilter_ = distance; }
    bool allowsBackgroundLocationUpdates() const { return allowsBackgroundLocationUpdates_; }
    void setAllowsBackgroundLocationUpdates(bool allows) { allowsBackgroundLocationUpdates_ = allows; }

    // ---- permission: the prompt shows only while the status is not determined; the simulated user
    // answers it later, and every manager's delegate hears the new status ----
    void requestAlwaysAuthorization();
    void requestWhenInUseAuthorization();

    // ---- updates: fixes arrive while updating and authorised; starting while denied, restricted or
    // with location services off fails with kCLErrorDenied ----
    void startUpdatingLocation();
    void stopUpdatingLocation();
    void startMonitoringSignificantLocationChanges();
    void stopMonitoringSignificantLocationChanges();
    void startUpdatingHeading();
    void stopUpdatingHeading();
    bool isUpdatingLocation() const { return updatingLocation_; }
    bool isMonitoringSignificantLocationChanges() const { return monitoringSignificant_; }
    bool isUpdatingHeading() const { return updatingHeading_; }

    // The newest fix delivered to this manager, or none.
    const std::optional<CLLocation>& location() const { return location_; }
    const std::optional<CLHeading>& heading() const { return heading_; }

    const CLLocationManagerCounters& counters() const { return counters_; }

    // Every manager still alive, in creation order; the provider delivers through these.
    static std::vector<std::shared_ptr<CLLocationManager>> liveManagers();
    // Puts a fresh default provider back (LocationProvider::resetForTesting).
    static void resetForTesting();

    // Delivery from the provider: each posts to the main queue and, when it runs, reaches the
    // delegate only if the manager still wants it.
    void deliverLocations(std::vector<CLLocation> locations);
    void deliverHeading(CLHeading heading);
    void deliverError(NSError error);
    void deliverAuthorizationStatus(CLAuthorizationStatus status);

    CLLocationManager() = default;
    ~CLLocationManager() override;

  private:
    bool receivesLocations() const { return updatingLocation_ || monitoringSignificant_; }
    void startedReceiving();

    std::weak_ptr<CLLocationManagerDelegate> delegate_;
    CLLocationAccuracy desiredAccuracy_ = kCLLocationAccuracyBest;
    CLLocationDistance distanceFilter_ = kCLDistanceFilterNone;
    bool allowsBackgroundLocationUpdates_ = false;
    bool updatingLocation_ = false;
    bool monitoringSignificant_ = false;
    bool updatingHeading_ = false;
    std::optional<CLLocation> location_;
    std::optional<CLHeading> heading_;
    CLLocationManagerCounters counters_;
};
using CLLocationManagerPtr = std::shared_ptr<CLLocationManager>;

}  // namespace fv
