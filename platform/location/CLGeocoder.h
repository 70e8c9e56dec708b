#pragma once
// The reverse geocoder: places for a coordinate, from a provider a host or test sets. Answers arrive on
// the main thread in a later turn, after the provider's delay on the run-loop clock.
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/foundation/NSError.h"
#include "platform/foundation/NSObject.h"
#include "platform/location/CLPlacemark.h"

namespace fv {

class CLGeocoder : public NSObject {
    FV_CLASS(CLGeocoder, NSObject)
    static std::shared_ptr<CLGeocoder> create() { return std::make_shared<CLGeocoder>(); }

    using CompletionHandler =
        std::function<void(std::vector<CLPlacemarkPtr> placemarks, std::optional<NSError> error)>;

    // What the provider answers for a location: places, or an error.
    struct Answer {
        std::vector<CLPlacemarkPtr> placemarks;
        std::optional<NSError> error;
    };
    using Provider = std::function<Answer(const CLLocation&)>;
    // None restores the default, which finds nothing (kCLErrorGeocodeFoundNoResult).
    static void setProvider(Provider provider, double answerDelay = 0);
    // How many reverse-geocoding requests were made since the last reset.
    static int requestCount();
    static void resetForTesting();

    // Exactly one answer per request. The provider is asked when the answer is due; an empty answer
    // without an error reports kCLErrorGeocodeFoundNoResult.
    void reverseGeocodeLocation(const CLLocation& location, CompletionHandler completionHandler);
    // Requests still waiting answer kCLErrorGeocodeCanceled, in a later turn.
    void cancelGeocode();
    bool isGeocoding() const { return !pending_.empty(); }

  private:
    void answer(std::uint64_t id);

    struct Pending {
        std::uint64_t id;
        CLLocation location;
        CompletionHandler handler;
        bool cancelled = false;
    };
    std::vector<Pending> pending_;
    std::uint64_t nextId_ = 1;
};
using CLGeocoderPtr = std::shared_ptr<CLGeocoder>;

}  // namespace fv
