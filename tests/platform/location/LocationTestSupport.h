#pragma once
// Fixtures for location tests: a fresh simulated device for each test, and a delegate that writes
// down what it hears, in order, and whether it heard it on the main thread.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/foundation/RunLoop.h"
#include "platform/location/CLGeocoder.h"
#include "platform/location/LocationProvider.h"
#include "platform/testing/TestHost.h"

namespace fv {

class LocationTest : public TestHostFixture {
  protected:
    void SetUp() override {
        CLLocationManager::resetForTesting();
        CLGeocoder::resetForTesting();
    }
    void TearDown() override {
        CLLocationManager::resetForTesting();
        CLGeocoder::resetForTesting();
        TestHostFixture::TearDown();
    }
    static std::shared_ptr<LocationProvider> device() { return LocationProvider::current(); }
};

class RecordingLocationDelegate : public CLLocationManagerDelegate {
  public:
    void locationManagerDidUpdateLocations(CLLocationManager&,
                                           const std::vector<CLLocation>& locations) override {
        note("locations " + std::to_string(locations.size()));
        last = locations.back();
    }
    void locationManagerDidUpdateHeading(CLLocationManager&, const CLHeading& heading) override {
        note("heading " + std::to_string(static_cast<int>(heading.trueHeading())));
    }
    void locationManagerDidFailWithError(CLLocationManager&, const NSError& error) override {
        note("error " + std::to_string(error.code));
    }
    void locationManagerDidChangeAuthorizationStatus(CLLocationManager&,
                                                     CLAuthorizationStatus status) override {
        note("authorization " + std::to_string(static_cast<int>(status)));
    }

    std::vector<std::string> events;
    std::optional<CLLocation> last;
    bool allOnMain = true;

  private:
    void note(std::string event) {
        allOnMain = allOnMain && RunLoop::main().isMainThread();
        events.push_back(std::move(event));
    }
};

}  // namespace fv
