#include "core/DataModel.h"
#include "examples/host/roads/LocationsRoad.h"
#include "platform/location/LocationProvider.h"
#include "platform/ui/UIApplication.h"
#include "tests/examples/HostTestFixture.h"

namespace fv {
namespace {

class LocationsRoad : public HostTest {
  protected:
    void SetUp() override {
        HostTest::SetUp();
        LocationProvider::resetForTesting();
        DataModel::sharedInstance()->setUserLocation(std::nullopt);
    }
    void TearDown() override {
        LocationProvider::resetForTesting();
        HostTest::TearDown();
    }
};

TEST_F(LocationsRoad, ShowsThePlacesAroundTheSimulatedPositionAndHandsARouteToAppleMaps) {
    const auto out = dir_ / "out";
    HostApplication app(fast());
    Walkthrough walk(app, out.string());
    LogCapture console;
    ASSERT_TRUE(walkLocations(walk)) << ::testing::PrintToString(console.lines());

    ASSERT_EQ(app.navigationController()->viewControllers().size(), 1u);
    const auto fix = DataModel::sharedInstance()->UserLocation();
    ASSERT_TRUE(fix);
    EXPECT_EQ(fix->coordinate(), kHostSimulatedPosition);
    // The second cash machine of "locations.plist", from where the user stands.
    EXPECT_EQ(UIApplication::sharedApplication()->openedURLs().back(),
              "https://maps.apple.com/?saddr=45.518634,-122.681172&daddr=45.523800,-122.682600");
    EXPECT_TRUE(console.contains("picked Pearl District ATM"));
    EXPECT_TRUE(
        console.contains("handed to the application: https://maps.apple.com/?saddr=45.51…,-122.68…&daddr="));
    expectConsoleNeverShows(console, {"45.5186"});

    expectPicturesOfSteps(walk, console, out,
                          {"locations", "position", "reload", "map", "heading-east", "heading-south", "list",
                           "row", "directions", "route", "back"});
}

}  // namespace
}  // namespace fv
