#include "locations/Geolocation.h"

#include "locations/GeoLocationManager.h"
#include "platform/foundation/ResetHooks.h"

namespace fv {

namespace {

std::shared_ptr<Geolocation>& sharedSlot() {
    static std::shared_ptr<Geolocation> facade;
    return facade;
}

[[maybe_unused]] const bool registered =
    ResetHooks::add("locations.geolocation", [] { Geolocation::resetForTesting(); });

}  // namespace

std::shared_ptr<Geolocation> Geolocation::sharedInstance() {
    auto& slot = sharedSlot();
    if (!slot) slot = std::make_shared<Geolocation>();
    return slot;
}

void Geolocation::resetForTesting() {
    sharedSlot().reset();
}

void Geolocation::GetUserCurrentLocation(LocationAccuracy accuracy, double timeout) {
    if (accuracy == 0) {
        desiredAccuracy_ = 1;
    } else {
        setAccuracy(accuracy);
    }
    timeout_ = timeout == 0.0 ? 15.0 : timeout;
    startSingleLocationRequest();
}

void Geolocation::setAccuracy(LocationAccuracy accuracy) {
    if (accuracy >= 0 && accuracy <= 5) desiredAccuracy_ = accuracy;
}

LocationAccuracy Geolocation::ConvertAccuracy(LocationAccuracy accuracy) {
    return accuracy >= 1 && accuracy <= 5 ? accuracy : 0;
}

std::string Geolocation::getLocationErrorDescription(LocationRequestStatus status) {
    switch (status) {
        case LocationRequestStatusServicesNotDetermined:
            return "Error: User has not responded to the permissions alert.";
        case LocationRequestStatusServicesDenied:
            return "Error: User has denied this app permissions to access device location.";
        case LocationRequestStatusServicesRestricted:
            return "Error: User is restricted from using location services by a usage policy.";
        case LocationRequestStatusServicesDisabled:
            return "Error: Location services are turned off for all apps on this device.";
        default:
            return "An unknown error occurred.\n(Are you using iOS Simulator with location set to 'None'?)";
    }
}

void Geolocation::startSingleLocationRequest() {
    std::weak_ptr<Geolocation> weak = weak_from_this();
    locationRequestID_ = GeoLocationManager::sharedInstance()->requestLocationWithDesiredAccuracy(
        desiredAccuracy_, timeout_, true,
        [weak](const std::optional<CLLocation>& location, LocationAccuracy, LocationRequestStatus status) {
            auto self = weak.lock();
            if (!self) return;
            auto delegate = self->delegate();
            if (status == LocationRequestStatusSuccess || status == LocationRequestStatusTimedOut) {
                self->userCurrentLocation_ = location;
                if (delegate) delegate->currentLocationFound(location);
            } else if (delegate) {
                delegate->currentLocationErrorOccured(getLocationErrorDescription(status));
            }
            self->locationRequestID_ = kNoRequest;
        });
}

void Geolocation::GetContinuousLocation() {
    std::weak_ptr<Geolocation> weak = weak_from_this();
    locationRequestID_ = GeoLocationManager::sharedInstance()->subscribeToLocationUpdatesWithBlock(
        [weak](const std::optional<CLLocation>& location, LocationAccuracy achieved,
               LocationRequestStatus status) {
            auto self = weak.lock();
            if (!self) return;
            auto delegate = self->delegate();
            if (status == LocationRequestStatusSuccess) {
                self->userCurrentLocation_ = location;
                if (delegate) delegate->newLocationUpdate(location, ConvertAccuracy(achieved));
            } else if (delegate) {
                delegate->newLocationErrorOccured(getLocationErrorDescription(status));
            }
        });
}

void Geolocation::StartHeadingRequest() {
    std::weak_ptr<Geolocation> weak = weak_from_this();
    headingRequestID_ = GeoLocationManager::sharedInstance()->subscribeToHeadingUpdatesWithBlock(
        [weak](const std::optional<CLHeading>& heading, HeadingRequestStatus status) {
            auto self = weak.lock();
            auto delegate = self ? self->delegate() : nullptr;
            if (!delegate) return;
            if (status == HeadingRequestStatusSuccess) {
                delegate->GotNewHeading(heading);
            } else if (status == HeadingRequestStatusInvalid || status == HeadingRequestStatusUnavailable) {
                delegate->FailedToGotNewHeading();
            }
        });
}

void Geolocation::forceCompleteLocationRequest() {
    GeoLocationManager::sharedInstance()->forceCompleteLocationRequest(locationRequestID_);
    locationRequestID_ = kNoRequest;
}

void Geolocation::cancelRequest() {
    auto manager = GeoLocationManager::sharedInstance();
    manager->cancelLocationRequest(locationRequestID_);
    manager->cancelHeadingRequest(headingRequestID_);
    locationRequestID_ = kNoRequest;
    headingRequestID_ = kNoRequest;
}

double Geolocation::GetDistanceInMetersBetween(const CLLocation& source, const CLLocation& destination) {
    return destination.distanceFromLocation(source);
}

}  // namespace fv
