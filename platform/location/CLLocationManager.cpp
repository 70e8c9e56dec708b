#include "platform/location/CLLocationManager.h"

#include <algorithm>
#include <mutex>

#include "platform/foundation/RunLoop.h"
#include "platform/location/LocationProvider.h"

namespace fv {

FV_REGISTER_CLASS(CLLocationManager);

namespace {

std::mutex registryMutex;

std::vector<std::weak_ptr<CLLocationManager>>& registry() {
    static std::vector<std::weak_ptr<CLLocationManager>> managers;
    return managers;
}

NSError deniedError() {
    return NSError{kCLErrorDomain, kCLErrorDenied, "The app is not allowed to use location services.", {}};
}

}  // namespace

std::shared_ptr<CLLocationManager> CLLocationManager::create() {
    auto manager = std::make_shared<CLLocationManager>();
    std::lock_guard lock(registryMutex);
    auto& managers = registry();
    std::erase_if(managers, [](const auto& m) { return m.expired(); });
    managers.push_back(manager);
    return manager;
}

CLLocationManager::~CLLocationManager() = default;

std::vector<std::shared_ptr<CLLocationManager>> CLLocationManager::liveManagers() {
    std::lock_guard lock(registryMutex);
    std::vector<std::shared_ptr<CLLocationManager>> live;
    for (const auto& weak : registry()) {
        if (auto manager = weak.lock()) live.push_back(std::move(manager));
    }
    return live;
}

void CLLocationManager::resetForTesting() {
    LocationProvider::resetForTesting();
}

bool CLLocationManager::locationServicesEnabled() {
    return LocationProvider::current()->locationServicesEnabled();
}

CLAuthorizationStatus CLLocationManager::authorizationStatus() {
    return LocationProvider::current()->authorizationStatus();
}

bool CLLocationManager::headingAvailable() {
    return LocationProvider::current()->headingAvailable();
}

void CLLocationManager::setDesiredAccuracy(CLLocationAccuracy accuracy) {
    ++counters_.desiredAccuracyWrites;
    desiredAccuracy_ = accuracy;
}

void CLLocationManager::requestAlwaysAuthorization() {
    ++counters_.requestAlwaysAuthorization;
    LocationProvider::current()->showPrompt(true);
}

void CLLocationManager::requestWhenInUseAuthorization() {
    ++counters_.requestWhenInUseAuthorization;
    LocationProvider::current()->showPrompt(false);
}

void CLLocationManager::startedReceiving() {
    auto provider = LocationProvider::current();
    const auto status = provider->authorizationStatus();
    if (!provider->locationServicesEnabled() || status == kCLAuthorizationStatusDenied ||
        status == kCLAuthorizationStatusRestricted) {
        deliverError(deniedError());
    } else if (auto fix = provider->currentFix(); fix && provider->mayDeliverLocations()) {
        deliverLocations({*fix});
    }
}

void CLLocationManager::startUpdatingLocation() {
    ++counters_.startUpdatingLocation;
    const bool wasReceiving = receivesLocations();
    updatingLocation_ = true;
    if (!wasReceiving) startedReceiving();
}

void CLLocationManager::stopUpdatingLocation() {
    ++counters_.stopUpdatingLocation;
    updatingLocation_ = false;
}

void CLLocationManager::startMonitoringSignificantLocationChanges() {
    ++counters_.startMonitoringSignificantLocationChanges;
    const bool wasReceiving = receivesLocations();
    monitoringSignificant_ = true;
    if (!wasReceiving) startedReceiving();
}

void CLLocationManager::stopMonitoringSignificantLocationChanges() {
    ++counters_.stopMonitoringSignificantLocationChanges;
    monitoringSignificant_ = false;
}

void CLLocationManager::startUpdatingHeading() {
    ++counters_.startUpdatingHeading;
    updatingHeading_ = true;
}

void CLLocationManager::stopUpdatingHeading() {
    ++counters_.stopUpdatingHeading;
    updatingHeading_ = false;
}

void CLLocationManager::deliverLocations(std::vector<CLLocation> locations) {
    if (locations.empty()) return;
    RunLoop::main().post([self = sharedAs<CLLocationManager>(), locations = std::move(locations)] {
        if (!self || !self->receivesLocations() || !LocationProvider::current()->mayDeliverLocations())
            return;
        self->location_ = locations.back();
        if (auto delegate = self->delegate()) delegate->locationManagerDidUpdateLocations(*self, locations);
    });
}

void CLLocationManager::deliverHeading(CLHeading heading) {
    RunLoop::main().post([self = sharedAs<CLLocationManager>(), heading] {
        if (!self || !self->updatingHeading_ || !LocationProvider::current()->headingAvailable()) return;
        self->heading_ = heading;
        if (auto delegate = self->delegate()) delegate->locationManagerDidUpdateHeading(*self, heading);
    });
}

void CLLocationManager::deliverError(NSError error) {
    RunLoop::main().post([self = sharedAs<CLLocationManager>(), error = std::move(error)] {
        if (!self || !self->receivesLocations()) return;
        if (auto delegate = self->delegate()) delegate->locationManagerDidFailWithError(*self, error);
    });
}

void CLLocationManager::deliverAuthorizationStatus(CLAuthorizationStatus status) {
    RunLoop::main().post([self = sharedAs<CLLocationManager>(), status] {
        if (!self) return;
        if (auto delegate = self->delegate())
            delegate->locationManagerDidChangeAuthorizationStatus(*self, status);
    });
}

}  // namespace fv
