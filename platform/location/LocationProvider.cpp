#include "platform/location/LocationProvider.h"

#include <algorithm>
#include <mutex>

#include "platform/foundation/ResetHooks.h"
#include "platform/foundation/RunLoop.h"

namespace fv {

// The test host puts a fresh simulated device back before and after every test.
[[maybe_unused]] const bool registered =
    ResetHooks::add("location.provider", [] { LocationProvider::resetForTesting(); });

namespace {

std::mutex providerMutex;

std::shared_ptr<LocationProvider>& slot() {
    static std::shared_ptr<LocationProvider> provider = std::make_shared<LocationProvider>();
    return provider;
}

bool authorised(CLAuthorizationStatus status) {
    return status == kCLAuthorizationStatusAuthorizedAlways ||
           status == kCLAuthorizationStatusAuthorizedWhenInUse;
}

}  // namespace

std::shared_ptr<LocationProvider> LocationProvider::current() {
    std::lock_guard lock(providerMutex);
    return slot();
}

void LocationProvider::setCurrent(std::shared_ptr<LocationProvider> provider) {
    std::lock_guard lock(providerMutex);
    slot() = provider ? std::move(provider) : std::make_shared<LocationProvider>();
}

void LocationProvider::resetForTesting() {
    setCurrent(nullptr);
}

void LocationProvider::setAuthorizationStatus(CLAuthorizationStatus status) {
    promptShown_ = false;
    if (status == status_) return;
    status_ = status;
    for (const auto& manager : CLLocationManager::liveManagers()) {
        manager->deliverAuthorizationStatus(status);
        if (authorised(status) &&
            (manager->isUpdatingLocation() || manager->isMonitoringSignificantLocationChanges())) {
            if (auto fix = currentFix(); fix && mayDeliverLocations()) manager->deliverLocations({*fix});
        }
    }
}

void LocationProvider::showPrompt(bool always) {
    if (status_ != kCLAuthorizationStatusNotDetermined || promptShown_) return;
    promptShown_ = true;
    promptForAlways_ = always;
    ++(always ? alwaysPrompts_ : whenInUsePrompts_);
    if (promptAnswer_ == PromptAnswer::Ignore) return;
    std::weak_ptr<LocationProvider> weak = current();
    RunLoop::main().postAfter(answerDelay_, [weak] {
        auto self = weak.lock();
        if (!self || !self->promptShown_) return;
        if (self->promptAnswer_ == PromptAnswer::Deny) {
            self->answerPrompt(kCLAuthorizationStatusDenied);
        } else if (self->promptAnswer_ == PromptAnswer::Allow) {
            self->answerPrompt(self->promptForAlways_ ? kCLAuthorizationStatusAuthorizedAlways
                                                      : kCLAuthorizationStatusAuthorizedWhenInUse);
        }
    });
}

void LocationProvider::answerPrompt(CLAuthorizationStatus status) {
    if (!promptShown_) return;
    setAuthorizationStatus(status);
}

bool LocationProvider::mayDeliverLocations() const {
    return servicesEnabled_ && authorised(status_);
}

std::optional<CLLocation> LocationProvider::currentFix() const {
    if (!fixedLocation_) return std::nullopt;
    const CLLocation& f = *fixedLocation_;
    return CLLocation(f.coordinate(), f.altitude(), f.horizontalAccuracy(), Date{RunLoop::main().wallTime()});
}

void LocationProvider::deliverLocations(const std::vector<CLLocation>& locations) {
    if (locations.empty() || !mayDeliverLocations()) return;
    for (const auto& manager : CLLocationManager::liveManagers()) {
        if (manager->isUpdatingLocation() || manager->isMonitoringSignificantLocationChanges()) {
            manager->deliverLocations(locations);
        }
    }
}

void LocationProvider::scheduleLocations(const std::vector<std::pair<double, CLLocation>>& route) {
    std::weak_ptr<LocationProvider> weak = current();
    for (const auto& step : route) {
        RunLoop::main().postAfter(std::max(0.0, step.first), [weak, fix = step.second] {
            auto self = weak.lock();
            if (!self) return;
            const Date now{RunLoop::main().wallTime()};
            self->deliverLocation(
                CLLocation(fix.coordinate(), fix.altitude(), fix.horizontalAccuracy(), now));
        });
    }
}

void LocationProvider::deliverHeading(const CLHeading& heading) {
    if (!headingAvailable_) return;
    for (const auto& manager : CLLocationManager::liveManagers()) {
        if (manager->isUpdatingHeading()) manager->deliverHeading(heading);
    }
}

void LocationProvider::failWithError(const NSError& error) {
    for (const auto& manager : CLLocationManager::liveManagers()) {
        if (manager->isUpdatingLocation() || manager->isMonitoringSignificantLocationChanges()) {
            manager->deliverError(error);
        }
    }
}

}  // namespace fv
