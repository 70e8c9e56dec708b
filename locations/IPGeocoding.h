#pragma once
// The shared runner of IP lookups for a host: each lookup asks service 1 with fallback to the others
// and tells the delegate the result. The delegate hears on the geocoder's own operation queue, not the
// main thread; a delegate that touches the screen moves to the main queue first. Only the latest
// lookup's result is told.
#include <memory>
#include <mutex>
#include <optional>

#include "locations/IPAddressGeocoder.h"

namespace fv {

class IPGeocodingDelegate {
  public:
    virtual ~IPGeocodingDelegate() = default;
    // The geocoder's locationInfo.
    virtual void GotGeoResultFromIP(const Value& locationInfo) = 0;
    virtual void FailedGeocodeFromIP(const std::optional<NSError>& error) = 0;
};

class IPGeocoding : public std::enable_shared_from_this<IPGeocoding> {
  public:
    static std::shared_ptr<IPGeocoding> sharedInstance();

    std::shared_ptr<IPGeocodingDelegate> delegate() const;
    void setDelegate(const std::shared_ptr<IPGeocodingDelegate>& delegate);
    // The geocoder of the latest lookup, or none before the first.
    IPAddressGeocoderPtr ipGeoCoder() const;

    // Starts a lookup, cancelling one still running.
    void GetGeoFromIP();

    // Drops the shared instance; the test host's reset calls this.
    static void resetForTesting();

  private:
    mutable std::mutex mutex_;
    IPAddressGeocoderPtr ipGeoCoder_;
    std::weak_ptr<IPGeocodingDelegate> delegate_;
};

}  // namespace fv
