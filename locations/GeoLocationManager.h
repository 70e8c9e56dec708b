#pragma once
// The one shared owner of the device's location manager. Callers register one-shot requests (a fix of
// an accuracy level within a time limit) and subscriptions (every update); the manager runs location
// services only while a request is active, at the coarsest accuracy the strictest request needs,
// handles permission, time-outs and failures, and answers every request through its completion,
// always in a later turn on the main queue. Compass headings are served the same way.
//
// Main thread only. The request lists are replaced, never changed in place, so completing or
// cancelling requests while a list is walked is safe.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "locations/GeoHeadingRequest.h"
#include "locations/GeoLocationRequest.h"
#include "locations/LocationRequestTypes.h"
#include "platform/location/CLLocationManager.h"

namespace fv {

class GeoLocationManager : public CLLocationManagerDelegate,
                           public GeoLocationRequestDelegate,
                           public std::enable_shared_from_this<GeoLocationManager> {
  public:
    static std::shared_ptr<GeoLocationManager> sharedInstance();
    static LocationServicesState locationServicesState();
    static HeadingServicesState headingServicesState();

    // Each returns the new request's identifier.
    std::int64_t requestLocationWithDesiredAccuracy(LocationAccuracy accuracy, double timeout,
                                                    LocationRequestBlock block);
    // With `delayUntilAuthorized`, a time limit asked for while the user has not answered the
    // permission prompt starts only when permission is granted.
    std::int64_t requestLocationWithDesiredAccuracy(LocationAccuracy accuracy, double timeout,
                                                    bool delayUntilAuthorized, LocationRequestBlock block);
    std::int64_t subscribeToLocationUpdatesWithBlock(LocationRequestBlock block);
    std::int64_t subscribeToLocationUpdatesWithDesiredAccuracy(LocationAccuracy accuracy,
                                                               LocationRequestBlock block);
    std::int64_t subscribeToSignificantLocationChangesWithBlock(LocationRequestBlock block);
    // A one-shot request completes now as timed out; a subscription is cancelled. Unknown IDs do nothing.
    void forceCompleteLocationRequest(std::int64_t requestID);
    // The request goes away without its completion being called.
    void cancelLocationRequest(std::int64_t requestID);

    std::int64_t subscribeToHeadingUpdatesWithBlock(HeadingRequestBlock block);
    void cancelHeadingRequest(std::int64_t requestID);

    void setBackgroundLocationUpdate(bool enabled);

    // The most recent usable fix: one with a valid coordinate other than exactly (0, 0).
    std::optional<CLLocation> currentLocation();
    // The most recent heading whose true heading and accuracy are both above 0. Each heading
    // subscription hears the heading its status was judged on.
    std::optional<CLHeading> currentHeading();
    // The accuracy level a fix reaches now, by its age and horizontal accuracy; 0 for none.
    static LocationAccuracy achievedAccuracyForLocation(const std::optional<CLLocation>& location);

    bool isUpdatingLocation() const { return isUpdatingLocation_; }
    bool isMonitoringSignificantLocationChanges() const { return isMonitoringSignificantLocationChanges_; }
    bool isUpdatingHeading() const { return isUpdatingHeading_; }
    bool updateFailed() const { return updateFailed_; }
    const CLLocationManagerPtr& locationManager() const { return locationManager_; }
    const std::vector<GeoLocationRequestPtr>& locationRequests() const { return locationRequests_; }
    const std::vector<GeoHeadingRequestPtr>& headingRequests() const { return headingRequests_; }

    // ---- the location manager's delegate ----
    void locationManagerDidUpdateLocations(CLLocationManager&,
                                           const std::vector<CLLocation>& locations) override;
    void locationManagerDidUpdateHeading(CLLocationManager&, const CLHeading& heading) override;
    void locationManagerDidFailWithError(CLLocationManager&, const NSError& error) override;
    void locationManagerDidChangeAuthorizationStatus(CLLocationManager&,
                                                     CLAuthorizationStatus status) override;

    void locationRequestDidTimeout(GeoLocationRequest& request) override;

    // Drops the shared manager and restarts request identifiers; the test host's reset calls this.
    static void resetForTesting();

    GeoLocationManager();

  private:
    std::int64_t addNewRequest(LocationRequestType type, LocationAccuracy accuracy, double timeout,
                               LocationRequestBlock block);
    void addLocationRequest(const GeoLocationRequestPtr& request);
    void removeLocationRequest(const GeoLocationRequestPtr& request);
    void completeLocationRequest(const GeoLocationRequestPtr& request);
    void completeAllLocationRequests();
    void processLocationRequests();
    void processRecurringRequest(const GeoLocationRequestPtr& request);
    LocationRequestStatus statusForLocationRequest(GeoLocationRequest& request);
    GeoLocationRequestPtr requestWithID(std::int64_t requestID) const;

    std::vector<GeoLocationRequestPtr> activeLocationRequestsWithType(LocationRequestType type) const;
    std::vector<GeoLocationRequestPtr> activeLocationRequestsExcludingType(LocationRequestType type) const;
    static LocationAccuracy maximumDesiredAccuracy(const std::vector<GeoLocationRequestPtr>& requests);
    void updateWithMaximumDesiredAccuracy(LocationAccuracy accuracy);
    void requestAuthorizationIfNeeded();
    void startUpdatingLocationIfNeeded();
    void stopUpdatingLocationIfPossible();
    void startMonitoringSignificantLocationChangesIfNeeded();
    void stopMonitoringSignificantLocationChangesIfPossible();

    void processRecurringHeadingRequests();
    HeadingRequestStatus statusForHeadingRequest();

    bool isMonitoringSignificantLocationChanges_ = false;
    bool isUpdatingLocation_ = false;
    bool isUpdatingHeading_ = false;
    bool updateFailed_ = false;
    CLLocationManagerPtr locationManager_;
    std::optional<CLLocation> currentLocation_;
    std::optional<CLHeading> currentHeading_;
    std::vector<GeoLocationRequestPtr> locationRequests_;
    std::vector<GeoHeadingRequestPtr> headingRequests_;
};
using GeoLocationManagerPtr = std::shared_ptr<GeoLocationManager>;

}  // namespace fv
