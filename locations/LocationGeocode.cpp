#include "locations/LocationGeocode.h"

#include "platform/foundation/ResetHooks.h"

namespace fv {

namespace {

std::shared_ptr<LocationGeocode>& sharedSlot() {
    static std::shared_ptr<LocationGeocode> instance;
    return instance;
}

[[maybe_unused]] const bool registered =
    ResetHooks::add("locations.locationGeocode", [] { LocationGeocode::resetForTesting(); });

const char* const kUnknown = "Unknown";

Value textOf(const std::optional<std::string>& text) {
    return Value(text.value_or(""));
}

}  // namespace

std::shared_ptr<LocationGeocode> LocationGeocode::sharedInstance() {
    auto& slot = sharedSlot();
    if (!slot) slot = std::make_shared<LocationGeocode>();
    return slot;
}

void LocationGeocode::resetForTesting() {
    sharedSlot().reset();
}

void LocationGeocode::getGeoCodeAtLocation(const CLLocation& location) {
    if (!geocoder_) geocoder_ = CLGeocoder::create();
    std::weak_ptr<LocationGeocode> weak = weak_from_this();
    geocoder_->reverseGeocodeLocation(
        location, [weak, location](std::vector<CLPlacemarkPtr> placemarks, std::optional<NSError>) {
            auto self = weak.lock();
            if (!self) return;
            self->lastKnownGeocodeAddress_ = recordFor(location, placemarks);
            if (auto delegate = self->delegate())
                delegate->GeoAddressFound(Value(self->lastKnownGeocodeAddress_));
        });
}

Value LocationGeocode::recordFor(const CLLocation& location, const std::vector<CLPlacemarkPtr>& placemarks) {
    const CLPlacemarkPtr place = placemarks.empty() ? nullptr : placemarks.front();
    if (!place) {
        return Value::Dictionary{{"latitude", 0.0},
                                 {"longitude", 0.0},
                                 {"altitude", 0.0},
                                 {"address_name", kUnknown},
                                 {"address_street", kUnknown},
                                 {"address_city", kUnknown},
                                 {"address_state", kUnknown},
                                 {"address_county", kUnknown},
                                 {"address_zipcode", kUnknown},
                                 {"address_country", kUnknown},
                                 {"address_full_dictionary", Value::Dictionary{}}};
    }
    return Value::Dictionary{{"latitude", location.coordinate().latitude},
                             {"longitude", location.coordinate().longitude},
                             {"altitude", location.altitude()},
                             {"address_name", textOf(place->name)},
                             {"address_street", textOf(place->thoroughfare)},
                             {"address_city", textOf(place->locality)},
                             {"address_state", textOf(place->administrativeArea)},
                             {"address_county", textOf(place->subAdministrativeArea)},
                             {"address_zipcode", textOf(place->postalCode)},
                             {"address_country", textOf(place->country)},
                             {"address_full_dictionary", place->addressDictionary}};
}

}  // namespace fv
