#include "locations/IPGeocoding.h"

#include <utility>

#include "platform/foundation/ResetHooks.h"

namespace fv {

namespace {

std::mutex sharedMutex;

std::shared_ptr<IPGeocoding>& sharedSlot() {
    static std::shared_ptr<IPGeocoding> instance;
    return instance;
}

[[maybe_unused]] const bool registered =
    ResetHooks::add("locations.ipGeocoding", [] { IPGeocoding::resetForTesting(); });

}  // namespace

std::shared_ptr<IPGeocoding> IPGeocoding::sharedInstance() {
    std::lock_guard lock(sharedMutex);
    auto& slot = sharedSlot();
    if (!slot) slot = std::make_shared<IPGeocoding>();
    return slot;
}

void IPGeocoding::resetForTesting() {
    std::shared_ptr<IPGeocoding> old;
    {
        std::lock_guard lock(sharedMutex);
        old = std::move(sharedSlot());
    }
    if (auto geocoder = old ? old->ipGeoCoder() : nullptr) geocoder->cancelGeocode();
}

std::shared_ptr<IPGeocodingDelegate> IPGeocoding::delegate() const {
    std::lock_guard lock(mutex_);
    return delegate_.lock();
}

void IPGeocoding::setDelegate(const std::shared_ptr<IPGeocodingDelegate>& delegate) {
    std::lock_guard lock(mutex_);
    delegate_ = delegate;
}

IPAddressGeocoderPtr IPGeocoding::ipGeoCoder() const {
    std::lock_guard lock(mutex_);
    return ipGeoCoder_;
}

void IPGeocoding::GetGeoFromIP() {
    auto geocoder = IPAddressGeocoder::initWithService(1);
    geocoder->setCanUseOtherServicesAsFallback(true);
    IPAddressGeocoderPtr previous;
    {
        std::lock_guard lock(mutex_);
        previous = std::exchange(ipGeoCoder_, geocoder);
    }
    if (previous) previous->cancelGeocode();

    std::weak_ptr<IPAddressGeocoder> weakGeocoder = geocoder;
    std::weak_ptr<IPGeocoding> weakSelf = weak_from_this();
    geocoder->geocode([weakSelf, weakGeocoder](bool success) {
        auto self = weakSelf.lock();
        auto geocoder = weakGeocoder.lock();
        if (!self || !geocoder) return;
        std::shared_ptr<IPGeocodingDelegate> delegate;
        {
            std::lock_guard lock(self->mutex_);
            // A lookup that a newer one replaced tells nobody.
            if (geocoder != self->ipGeoCoder_) return;
            delegate = self->delegate_.lock();
        }
        if (!delegate) return;
        if (success) {
            delegate->GotGeoResultFromIP(geocoder->locationInfo().value_or(Value::Dictionary{}));
        } else {
            delegate->FailedGeocodeFromIP(geocoder->error());
        }
    });
}

}  // namespace fv
