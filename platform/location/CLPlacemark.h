#pragma once
// A place a geocoder found: its name and address parts, absent where unknown, and the platform's full
// address dictionary.
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Value.h"
#include "platform/location/CLLocation.h"

namespace fv {

struct CLPlacemark {
    std::optional<std::string> name;
    std::optional<std::string> thoroughfare;
    std::optional<std::string> subThoroughfare;
    std::optional<std::string> locality;
    std::optional<std::string> subLocality;
    std::optional<std::string> administrativeArea;
    std::optional<std::string> subAdministrativeArea;
    std::optional<std::string> postalCode;
    std::optional<std::string> ISOcountryCode;
    std::optional<std::string> country;
    Value addressDictionary = Value::Dictionary{};
    std::optional<CLLocation> location;
};
using CLPlacemarkPtr = std::shared_ptr<const CLPlacemark>;

}  // namespace fv
