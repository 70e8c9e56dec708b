#include "locations/GeoLocationManager.h"

#include <algorithm>
#include <cmath>

#include "locations/GeoRequestIDGenerator.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/FoundationVersion.h"
#include "platform/foundation/PropertyList.h"
#include "platform/foundation/ResetHooks.h"
#include "platform/foundation/RunLoop.h"

namespace fv {

namespace {

std::shared_ptr<GeoLocationManager>& sharedSlot() {
    static std::shared_ptr<GeoLocationManager> manager;
    return manager;
}

[[maybe_unused]] const bool registered =
    ResetHooks::add("locations.geoLocationManager", [] { GeoLocationManager::resetForTesting(); });

// The host's information property list, read afresh: hosts and tests may change it.
Value hostInfo() {
    auto bundle = NSBundle::mainBundle();
    if (!bundle) return Value::Dictionary{};
    auto info = PropertyList::readDictionary(bundle->bundlePath() + "/Info.plist");
    return info ? *info : Value(Value::Dictionary{});
}

double nowSeconds() {
    return RunLoop::main().wallTime();
}

double ageOf(const CLLocation& location) {
    return std::fabs(nowSeconds() - location.timestamp().secondsSince1970);
}

// Both limits inclusive. A NaN or negative (unknown) accuracy meets no limit.
bool within(const CLLocation& location, double maxAge, double maxAccuracy) {
    double accuracy = location.horizontalAccuracy();
    return ageOf(location) <= maxAge && accuracy >= 0 && accuracy <= maxAccuracy;
}

std::optional<CLLocationAccuracy> platformAccuracy(LocationAccuracy level) {
    switch (level) {
        case 1:
            return kCLLocationAccuracyThreeKilometers;
        case 2:
            return kCLLocationAccuracyKilometer;
        case 3:
            return kCLLocationAccuracyHundredMeters;
        case 4:
            return kCLLocationAccuracyNearestTenMeters;
        case 5:
            return kCLLocationAccuracyBest;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::shared_ptr<GeoLocationManager> GeoLocationManager::sharedInstance() {
    auto& slot = sharedSlot();
    if (!slot) {
        slot = std::make_shared<GeoLocationManager>();
        slot->locationManager_->setDelegate(slot);
    }
    return slot;
}

GeoLocationManager::GeoLocationManager() : locationManager_(CLLocationManager::create()) {
    const Value info = hostInfo();
    if (const auto* modes = info["UIBackgroundModes"].asArray()) {
        bool location = std::any_of(modes->begin(), modes->end(),
                                    [](const Value& mode) { return mode.asString() == "location"; });
        if (location) locationManager_->setAllowsBackgroundLocationUpdates(true);
    }
}

void GeoLocationManager::resetForTesting() {
    auto& slot = sharedSlot();
    if (slot) {
        for (const auto& request : slot->locationRequests_) request->cancel();
        slot->locationRequests_.clear();
        slot->headingRequests_.clear();
        slot->locationManager_->setDelegate(nullptr);
    }
    slot.reset();
    GeoRequestIDGenerator::resetForTesting();
}

LocationServicesState GeoLocationManager::locationServicesState() {
    if (!CLLocationManager::locationServicesEnabled()) return LocationServicesStateDisabled;
    switch (CLLocationManager::authorizationStatus()) {
        case kCLAuthorizationStatusNotDetermined:
            return LocationServicesStateNotDetermined;
        case kCLAuthorizationStatusDenied:
            return LocationServicesStateDenied;
        case kCLAuthorizationStatusRestricted:
            return LocationServicesStateRestricted;
        default:
            return LocationServicesStateAvailable;
    }
}

HeadingServicesState GeoLocationManager::headingServicesState() {
    return CLLocationManager::headingAvailable() ? HeadingServicesStateAvailable
                                                 : HeadingServicesStateUnavailable;
}

// ---- making requests ----

std::int64_t GeoLocationManager::requestLocationWithDesiredAccuracy(LocationAccuracy accuracy, double timeout,
                                                                    LocationRequestBlock block) {
    return requestLocationWithDesiredAccuracy(accuracy, timeout, false, std::move(block));
}

std::int64_t GeoLocationManager::requestLocationWithDesiredAccuracy(LocationAccuracy accuracy, double timeout,
                                                                    bool delayUntilAuthorized,
                                                                    LocationRequestBlock block) {
    auto request = GeoLocationRequest::initWithType(LocationRequestTypeSingle);
    request->setDelegate(shared_from_this());
    request->setDesiredAccuracy(accuracy == 0 ? 1 : accuracy);
    request->setTimeout(timeout);
    request->setBlock(std::move(block));
    bool waitForPermission = delayUntilAuthorized &&
                             CLLocationManager::authorizationStatus() == kCLAuthorizationStatusNotDetermined;
    if (!waitForPermission) request->startTimeoutTimerIfNeeded();
    addLocationRequest(request);
    return request->requestID();
}

std::int64_t GeoLocationManager::subscribeToLocationUpdatesWithBlock(LocationRequestBlock block) {
    return subscribeToLocationUpdatesWithDesiredAccuracy(5, std::move(block));
}

std::int64_t GeoLocationManager::subscribeToLocationUpdatesWithDesiredAccuracy(LocationAccuracy accuracy,
                                                                               LocationRequestBlock block) {
    return addNewRequest(LocationRequestTypeSubscription, accuracy, 0, std::move(block));
}

std::int64_t GeoLocationManager::subscribeToSignificantLocationChangesWithBlock(LocationRequestBlock block) {
    return addNewRequest(LocationRequestTypeSignificantChanges, 0, 0, std::move(block));
}

std::int64_t GeoLocationManager::addNewRequest(LocationRequestType type, LocationAccuracy accuracy,
                                               double timeout, LocationRequestBlock block) {
    auto request = GeoLocationRequest::initWithType(type);
    request->setDelegate(shared_from_this());
    request->setDesiredAccuracy(accuracy);
    request->setTimeout(timeout);
    request->setBlock(std::move(block));
    addLocationRequest(request);
    return request->requestID();
}

void GeoLocationManager::forceCompleteLocationRequest(std::int64_t requestID) {
    auto request = requestWithID(requestID);
    if (!request) return;
    if (request->isRecurring()) {
        cancelLocationRequest(requestID);
        return;
    }
    request->forceTimeout();
    completeLocationRequest(request);
}

void GeoLocationManager::cancelLocationRequest(std::int64_t requestID) {
    auto request = requestWithID(requestID);
    if (!request) return;
    request->cancel();
    removeLocationRequest(request);
}

void GeoLocationManager::setBackgroundLocationUpdate(bool enabled) {
    locationManager_->setAllowsBackgroundLocationUpdates(enabled);
}

// ---- the request list ----

void GeoLocationManager::addLocationRequest(const GeoLocationRequestPtr& request) {
    LocationServicesState state = locationServicesState();
    if (state == LocationServicesStateDenied || state == LocationServicesStateRestricted ||
        state == LocationServicesStateDisabled) {
        completeLocationRequest(request);
        return;
    }
    if (request->type() == LocationRequestTypeSignificantChanges) {
        startMonitoringSignificantLocationChangesIfNeeded();
    } else {
        LocationAccuracy strictest = maximumDesiredAccuracy(
            activeLocationRequestsExcludingType(LocationRequestTypeSignificantChanges));
        updateWithMaximumDesiredAccuracy(std::max(strictest, request->desiredAccuracy()));
        startUpdatingLocationIfNeeded();
    }
    auto list = locationRequests_;
    list.push_back(request);
    locationRequests_ = std::move(list);
    processLocationRequests();
}

void GeoLocationManager::removeLocationRequest(const GeoLocationRequestPtr& request) {
    locationRequests_ = requestsWithout(locationRequests_, request->requestID());
    if (request->type() == LocationRequestTypeSignificantChanges) {
        stopMonitoringSignificantLocationChangesIfPossible();
        return;
    }
    updateWithMaximumDesiredAccuracy(
        maximumDesiredAccuracy(activeLocationRequestsExcludingType(LocationRequestTypeSignificantChanges)));
    stopUpdatingLocationIfPossible();
}

GeoLocationRequestPtr GeoLocationManager::requestWithID(std::int64_t requestID) const {
    for (const auto& request : locationRequests_) {
        if (request->requestID() == requestID) return request;
    }
    return nullptr;
}

std::vector<GeoLocationRequestPtr> GeoLocationManager::activeLocationRequestsWithType(
    LocationRequestType type) const {
    std::vector<GeoLocationRequestPtr> found;
    for (const auto& r : locationRequests_) {
        if (r->type() == type) found.push_back(r);
    }
    return found;
}

std::vector<GeoLocationRequestPtr> GeoLocationManager::activeLocationRequestsExcludingType(
    LocationRequestType type) const {
    std::vector<GeoLocationRequestPtr> found;
    for (const auto& r : locationRequests_) {
        if (r->type() != type) found.push_back(r);
    }
    return found;
}

LocationAccuracy GeoLocationManager::maximumDesiredAccuracy(
    const std::vector<GeoLocationRequestPtr>& requests) {
    LocationAccuracy strictest = 0;
    for (const auto& r : requests) strictest = std::max(strictest, r->desiredAccuracy());
    return strictest;
}

// ---- location services ----

void GeoLocationManager::updateWithMaximumDesiredAccuracy(LocationAccuracy accuracy) {
    auto wanted = platformAccuracy(accuracy);
    if (wanted && locationManager_->desiredAccuracy() != *wanted)
        locationManager_->setDesiredAccuracy(*wanted);
}

void GeoLocationManager::requestAuthorizationIfNeeded() {
    if (CLLocationManager::authorizationStatus() != kCLAuthorizationStatusNotDetermined) return;
    const Value info = hostInfo();
    double version = std::floor(NSFoundationVersionNumber());
    const char* alwaysKey = (version > 1047.25 && version <= 1299.0)
                                ? "NSLocationAlwaysUsageDescription"
                                : "NSLocationAlwaysAndWhenInUseUsageDescription";
    if (!info[alwaysKey].isNull()) {
        locationManager_->requestAlwaysAuthorization();
    } else if (!info["NSLocationWhenInUseUsageDescription"].isNull()) {
        locationManager_->requestWhenInUseAuthorization();
    }
}

void GeoLocationManager::startUpdatingLocationIfNeeded() {
    requestAuthorizationIfNeeded();
    if (activeLocationRequestsExcludingType(LocationRequestTypeSignificantChanges).empty()) {
        locationManager_->startUpdatingLocation();
        isUpdatingLocation_ = true;
    }
}

void GeoLocationManager::stopUpdatingLocationIfPossible() {
    if (activeLocationRequestsExcludingType(LocationRequestTypeSignificantChanges).empty()) {
        locationManager_->stopUpdatingLocation();
        isUpdatingLocation_ = false;
    }
}

void GeoLocationManager::startMonitoringSignificantLocationChangesIfNeeded() {
    requestAuthorizationIfNeeded();
    if (activeLocationRequestsWithType(LocationRequestTypeSignificantChanges).empty()) {
        locationManager_->startMonitoringSignificantLocationChanges();
        isMonitoringSignificantLocationChanges_ = true;
    }
}

void GeoLocationManager::stopMonitoringSignificantLocationChangesIfPossible() {
    if (activeLocationRequestsWithType(LocationRequestTypeSignificantChanges).empty()) {
        locationManager_->stopMonitoringSignificantLocationChanges();
        isMonitoringSignificantLocationChanges_ = false;
    }
}

// ---- judging and answering ----

std::optional<CLLocation> GeoLocationManager::currentLocation() {
    if (currentLocation_) {
        auto c = currentLocation_->coordinate();
        if (!CLLocationCoordinate2DIsValid(c) || (c.latitude == 0 && c.longitude == 0))
            currentLocation_.reset();
    }
    return currentLocation_;
}

LocationAccuracy GeoLocationManager::achievedAccuracyForLocation(const std::optional<CLLocation>& location) {
    if (!location) return 0;
    if (within(*location, 5.0, 5.0)) return 5;
    if (within(*location, 15.0, 15.0)) return 4;
    if (within(*location, 60.0, 100.0)) return 3;
    if (within(*location, 300.0, 1000.0)) return 2;
    if (within(*location, 600.0, 5000.0)) return 1;
    return 0;
}

LocationRequestStatus GeoLocationManager::statusForLocationRequest(GeoLocationRequest& request) {
    LocationServicesState state = locationServicesState();
    if (state >= LocationServicesStateNotDetermined && state <= LocationServicesStateDisabled)
        return state + 1;
    if (updateFailed_) return LocationRequestStatusError;
    return request.hasTimedOut() ? LocationRequestStatusTimedOut : LocationRequestStatusSuccess;
}

void GeoLocationManager::processLocationRequests() {
    const auto fix = currentLocation();
    const auto requests = locationRequests_;
    for (const auto& request : requests) {
        if (request->hasTimedOut()) {
            completeLocationRequest(request);
        } else if (!fix) {
            continue;
        } else if (request->isRecurring()) {
            processRecurringRequest(request);
        } else if (within(*fix, request->updateTimeStaleThreshold(),
                          request->horizontalAccuracyThreshold())) {
            completeLocationRequest(request);
        }
    }
}

void GeoLocationManager::completeLocationRequest(const GeoLocationRequestPtr& request) {
    if (!request) return;
    request->complete();
    removeLocationRequest(request);
    LocationRequestStatus status = statusForLocationRequest(*request);
    auto fix = currentLocation();
    LocationAccuracy achieved = achievedAccuracyForLocation(fix);
    RunLoop::main().post([block = request->block(), fix, achieved, status] {
        if (block) block(fix, achieved, status);
    });
}

void GeoLocationManager::completeAllLocationRequests() {
    const auto requests = locationRequests_;
    for (const auto& request : requests) completeLocationRequest(request);
}

void GeoLocationManager::processRecurringRequest(const GeoLocationRequestPtr& request) {
    LocationRequestStatus status = statusForLocationRequest(*request);
    auto fix = currentLocation();
    LocationAccuracy achieved = achievedAccuracyForLocation(fix);
    RunLoop::main().post([block = request->block(), fix, achieved, status] {
        if (block) block(fix, achieved, status);
    });
}

void GeoLocationManager::locationRequestDidTimeout(GeoLocationRequest& request) {
    if (auto active = requestWithID(request.requestID())) completeLocationRequest(active);
}

// ---- the location manager's delegate ----

void GeoLocationManager::locationManagerDidUpdateLocations(CLLocationManager&,
                                                           const std::vector<CLLocation>& locations) {
    updateFailed_ = false;
    if (!locations.empty()) currentLocation_ = locations.back();
    processLocationRequests();
}

void GeoLocationManager::locationManagerDidFailWithError(CLLocationManager&, const NSError&) {
    updateFailed_ = true;
    const auto requests = locationRequests_;
    for (const auto& request : requests) {
        if (request->isRecurring()) {
            processRecurringRequest(request);
        } else {
            completeLocationRequest(request);
        }
    }
}

void GeoLocationManager::locationManagerDidChangeAuthorizationStatus(CLLocationManager&,
                                                                     CLAuthorizationStatus status) {
    if (status == kCLAuthorizationStatusDenied || status == kCLAuthorizationStatusRestricted) {
        completeAllLocationRequests();
    } else if (status == kCLAuthorizationStatusAuthorizedAlways ||
               status == kCLAuthorizationStatusAuthorizedWhenInUse) {
        const auto requests = locationRequests_;
        for (const auto& request : requests) request->startTimeoutTimerIfNeeded();
    }
}

}  // namespace fv
