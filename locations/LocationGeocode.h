#pragma once
// Turns a coordinate into a street address through the platform's reverse geocoder and tells the
// delegate a flat record of it. Main thread: the platform's geocoder answers there.
//
// Record keys: "latitude", "longitude", "altitude" (from the location asked about), "address_name",
// "address_street", "address_city", "address_state", "address_county", "address_zipcode",
// "address_country" and "address_full_dictionary". When no place was found the numbers are 0, the
// texts "Unknown" and the dictionary empty; a text the place lacks is "".
#include <memory>

#include "platform/foundation/Value.h"
#include "platform/location/CLGeocoder.h"

namespace fv {

class LocationGeocodeDelegate {
  public:
    virtual ~LocationGeocodeDelegate() = default;
    // A copy of the record; by default nothing is done with it.
    virtual void GeoAddressFound(const Value& /*record*/) {}
};

class LocationGeocode : public std::enable_shared_from_this<LocationGeocode> {
  public:
    static std::shared_ptr<LocationGeocode> sharedInstance();

    std::shared_ptr<LocationGeocodeDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<LocationGeocodeDelegate>& delegate) { delegate_ = delegate; }
    const CLGeocoderPtr& geocoder() const { return geocoder_; }
    const Value& lastKnownGeocodeAddress() const { return lastKnownGeocodeAddress_; }

    void getGeoCodeAtLocation(const CLLocation& location);

    // The record for the first of `placemarks`, or the "Unknown" record when there is none.
    static Value recordFor(const CLLocation& location, const std::vector<CLPlacemarkPtr>& placemarks);

    // Drops the shared instance; the test host's reset calls this.
    static void resetForTesting();

  private:
    CLGeocoderPtr geocoder_;
    Value lastKnownGeocodeAddress_;
    std::weak_ptr<LocationGeocodeDelegate> delegate_;
};

}  // namespace fv
