#pragma once
// Fixtures for the location services' tests: a fresh simulated device per test, fixes of a chosen age
// and accuracy, and a record of what completions heard.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "locations/LocationRequestTypes.h"
#include "platform/foundation/RunLoop.h"
#include "platform/location/LocationProvider.h"
#include "platform/testing/TestHost.h"

namespace fv {

class LocationsTest : public TestHostFixture {
  protected:
    static std::shared_ptr<LocationProvider> device() { return LocationProvider::current(); }
    static double now() { return RunLoop::main().wallTime(); }
    // A fix near Portland, `age` seconds old, good to `accuracy` metres.
    static CLLocation fix(double age, double accuracy, double latitude = 45.5231,
                          double longitude = -122.6765) {
        return CLLocation(CLLocationCoordinate2DMake(latitude, longitude), 12.0, accuracy, Date{now() - age});
    }
    void authorise(CLAuthorizationStatus status = kCLAuthorizationStatusAuthorizedWhenInUse) {
        device()->setAuthorizationStatus(status);
        host.runUntilIdle();
    }
};

struct Answer {
    std::optional<CLLocation> location;
    LocationAccuracy accuracy = 0;
    LocationRequestStatus status = -1;
    bool onMain = false;
};

// Completions that write down each answer, in order.
class Answers {
  public:
    LocationRequestBlock block() {
        return [this](const std::optional<CLLocation>& location, LocationAccuracy accuracy,
                      LocationRequestStatus status) {
            list.push_back({location, accuracy, status, RunLoop::main().isMainThread()});
        };
    }
    std::vector<Answer> list;
};

}  // namespace fv
