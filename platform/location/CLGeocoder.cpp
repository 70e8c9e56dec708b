#include "platform/location/CLGeocoder.h"

#include <algorithm>
#include <mutex>

#include "platform/foundation/ResetHooks.h"
#include "platform/foundation/RunLoop.h"
#include "platform/location/CLLocationManager.h"

namespace fv {

// The test host puts the default geocoder back before and after every test.
[[maybe_unused]] const bool registered =
    ResetHooks::add("location.geocoder", [] { CLGeocoder::resetForTesting(); });

FV_REGISTER_CLASS(CLGeocoder);

namespace {

struct ProviderState {
    CLGeocoder::Provider provider;
    double delay = 0;
    int requests = 0;
};

std::mutex stateMutex;

ProviderState& state() {
    static ProviderState s;
    return s;
}

NSError geocodeError(std::int64_t code, const std::string& text) {
    return NSError{kCLErrorDomain, code, text, {}};
}

}  // namespace

void CLGeocoder::setProvider(Provider provider, double answerDelay) {
    std::lock_guard lock(stateMutex);
    state().provider = std::move(provider);
    state().delay = std::max(0.0, answerDelay);
}

int CLGeocoder::requestCount() {
    std::lock_guard lock(stateMutex);
    return state().requests;
}

void CLGeocoder::resetForTesting() {
    std::lock_guard lock(stateMutex);
    state() = ProviderState{};
}

void CLGeocoder::reverseGeocodeLocation(const CLLocation& location, CompletionHandler completionHandler) {
    double delay;
    {
        std::lock_guard lock(stateMutex);
        ++state().requests;
        delay = state().delay;
    }
    const auto id = nextId_++;
    pending_.push_back({id, location, std::move(completionHandler)});
    RunLoop::main().postAfter(delay, [self = sharedAs<CLGeocoder>(), id] { self->answer(id); });
}

void CLGeocoder::cancelGeocode() {
    for (auto& p : pending_) {
        if (p.cancelled) continue;
        p.cancelled = true;
        RunLoop::main().post([self = sharedAs<CLGeocoder>(), id = p.id] { self->answer(id); });
    }
}

void CLGeocoder::answer(std::uint64_t id) {
    auto it = std::find_if(pending_.begin(), pending_.end(), [id](const Pending& p) { return p.id == id; });
    if (it == pending_.end()) return;
    Pending request = std::move(*it);
    pending_.erase(it);
    Answer result;
    if (request.cancelled) {
        result.error = geocodeError(kCLErrorGeocodeCanceled, "The geocoding request was cancelled.");
    } else {
        Provider provider;
        {
            std::lock_guard lock(stateMutex);
            provider = state().provider;
        }
        if (provider) result = provider(request.location);
        if (result.placemarks.empty() && !result.error) {
            result.error =
                geocodeError(kCLErrorGeocodeFoundNoResult, "No place was found for this location.");
        }
    }
    if (request.handler) request.handler(std::move(result.placemarks), std::move(result.error));
}

}  // namespace fv
