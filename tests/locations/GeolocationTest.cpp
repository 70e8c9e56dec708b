#include "locations/Geolocation.h"

#include "LocationsTestSupport.h"
#include "locations/GeoLocationManager.h"
#include "platform/testing/MainBundleFixture.h"

namespace fv {
namespace {

class RecordingGeolocationDelegate : public GeolocationDelegate {
  public:
    void currentLocationFound(const std::optional<CLLocation>& location) override {
        events.push_back(location ? "found" : "found none");
        found = location;
    }
    void currentLocationErrorOccured(const std::string& message) override { events.push_back(message); }
    void newLocationUpdate(const std::optional<CLLocation>&, LocationAccuracy accuracy) override {
        events.push_back("update " + std::to_string(accuracy));
    }
    void newLocationErrorOccured(const std::string& message) override {
        events.push_back("update " + message);
    }
    void GotNewHeading(const std::optional<CLHeading>& heading) override {
        events.push_back("heading " +
                         std::to_string(static_cast<int>(heading ? heading->trueHeading() : -1)));
    }
    void FailedToGotNewHeading() override { events.push_back("no heading"); }

    std::vector<std::string> events;
    std::optional<CLLocation> found;
};

class GeolocationTest : public LocationsTest {
  protected:
    void SetUp() override {
        facade = Geolocation::sharedInstance();
        delegate = std::make_shared<RecordingGeolocationDelegate>();
        facade->setDelegate(delegate);
    }
    GeoLocationRequestPtr onlyRequest() {
        auto requests = GeoLocationManager::sharedInstance()->locationRequests();
        return requests.size() == 1 ? requests[0] : nullptr;
    }

    GeolocationPtr facade;
    std::shared_ptr<RecordingGeolocationDelegate> delegate;
};

struct AskCase {
    LocationAccuracy accuracy;
    double timeout;
    LocationAccuracy managerLevel;
    double managerTimeout;
};

class Asking : public GeolocationTest, public ::testing::WithParamInterface<AskCase> {};

TEST_P(Asking, TurnsTheCallIntoOneManagerRequest) {
    const auto& c = GetParam();
    authorise();
    facade->GetUserCurrentLocation(c.accuracy, c.timeout);
    auto request = onlyRequest();
    ASSERT_TRUE(request);
    EXPECT_EQ(request->desiredAccuracy(), c.managerLevel);
    EXPECT_DOUBLE_EQ(request->timeout(), c.managerTimeout);
    EXPECT_EQ(facade->locationRequestID(), request->requestID());
}

INSTANTIATE_TEST_SUITE_P(Calls, Asking,
                         ::testing::Values(AskCase{0, 0.0, 1, 15.0}, AskCase{1, 60.0, 1, 60.0},
                                           AskCase{7, 5.0, 1, 5.0}, AskCase{4, -2.0, 4, -2.0},
                                           AskCase{5, 0.5, 5, 0.5}));

TEST_F(GeolocationTest, TheScreensCallWaitsForPermissionThenHearsTheFix) {
    test::MainBundleFixture bundle;
    bundle.setInfo("NSLocationWhenInUseUsageDescription", Value("To show cash machines near you"));
    device()->setFixedLocation(fix(0, 65));
    device()->setAnswerDelay(90.0);
    facade->GetUserCurrentLocation(1, 60.0);
    EXPECT_FALSE(onlyRequest()->hasTimeoutTimer());
    host.advance(89);
    EXPECT_TRUE(delegate->events.empty());
    host.advance(2);
    EXPECT_EQ(delegate->events, (std::vector<std::string>{"found"}));
    EXPECT_EQ(facade->locationRequestID(), Geolocation::kNoRequest);
    EXPECT_EQ(facade->userCurrentLocation(), delegate->found);
}

TEST_F(GeolocationTest, ATimeOutIsFoundWithWhateverFixIsHeldOrNone) {
    authorise();
    facade->GetUserCurrentLocation(5, 3.0);
    host.advance(3.5);
    EXPECT_EQ(delegate->events, (std::vector<std::string>{"found none"}));
}

struct ErrorCase {
    LocationRequestStatus status;
    const char* text;
};

class ErrorTexts : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ErrorTexts, WordEachFailure) {
    EXPECT_EQ(Geolocation::getLocationErrorDescription(GetParam().status), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, ErrorTexts,
    ::testing::Values(
        ErrorCase{2, "Error: User has not responded to the permissions alert."},
        ErrorCase{3, "Error: User has denied this app permissions to access device location."},
        ErrorCase{4, "Error: User is restricted from using location services by a usage policy."},
        ErrorCase{5, "Error: Location services are turned off for all apps on this device."},
        ErrorCase{6,
                  "An unknown error occurred.\n(Are you using iOS Simulator with location set to 'None'?)"},
        ErrorCase{42,
                  "An unknown error occurred.\n(Are you using iOS Simulator with location set to 'None'?)"}));

TEST_F(GeolocationTest, RefusalsAndFailuresReachTheDelegateAsTexts) {
    authorise(kCLAuthorizationStatusDenied);
    facade->GetUserCurrentLocation(1, 60.0);
    EXPECT_TRUE(delegate->events.empty());
    host.runUntilIdle();
    authorise();
    facade->GetUserCurrentLocation(1, 60.0);
    device()->failWithError(NSError{kCLErrorDomain, kCLErrorLocationUnknown, "no fix", {}});
    host.runUntilIdle();
    EXPECT_EQ(delegate->events, (std::vector<std::string>{Geolocation::getLocationErrorDescription(3),
                                                          Geolocation::getLocationErrorDescription(6)}));
}

TEST_F(GeolocationTest, AnUnansweredPromptKeepsTheRequestOutstanding) {
    device()->setPromptAnswer(LocationProvider::PromptAnswer::Ignore);
    facade->GetUserCurrentLocation(1, 60.0);
    host.advance(600);
    EXPECT_TRUE(delegate->events.empty());
    EXPECT_NE(facade->locationRequestID(), Geolocation::kNoRequest);
}

TEST_F(GeolocationTest, AGoneDelegateHearsNothing) {
    authorise();
    facade->GetUserCurrentLocation(1, 1.0);
    delegate.reset();
    host.advance(2);
    EXPECT_EQ(facade->locationRequestID(), Geolocation::kNoRequest);
}

TEST_F(GeolocationTest, AccuracyIsKeptOnlyWithinZeroToFive) {
    facade->setAccuracy(3);
    facade->setAccuracy(6);
    facade->setAccuracy(-1);
    EXPECT_EQ(facade->desiredAccuracy(), 3);
    EXPECT_EQ(Geolocation::ConvertAccuracy(5), 5);
    EXPECT_EQ(Geolocation::ConvertAccuracy(6), 0);
    EXPECT_EQ(Geolocation::ConvertAccuracy(-1), 0);
}

TEST_F(GeolocationTest, ContinuousUpdatesAndHeadingsReachTheOptionalCalls) {
    authorise();
    facade->GetContinuousLocation();
    facade->StartHeadingRequest();
    device()->deliverLocation(fix(0, 4));
    device()->deliverHeading(CLHeading(270.0, 10.0));
    device()->deliverHeading(CLHeading(-1.0, 10.0));
    host.runUntilIdle();
    EXPECT_EQ(delegate->events, (std::vector<std::string>{"update 5", "heading 270", "no heading"}));
    facade->cancelRequest();
    EXPECT_EQ(facade->locationRequestID(), Geolocation::kNoRequest);
    EXPECT_EQ(facade->headingRequestID(), Geolocation::kNoRequest);
    EXPECT_TRUE(GeoLocationManager::sharedInstance()->locationRequests().empty());
    EXPECT_FALSE(GeoLocationManager::sharedInstance()->isUpdatingHeading());
}

TEST_F(GeolocationTest, ForceCompletingEndsTheOutstandingRequestAsFound) {
    authorise();
    device()->deliverLocation(fix(0, 10));
    facade->GetUserCurrentLocation(5, 0);
    facade->forceCompleteLocationRequest();
    EXPECT_EQ(facade->locationRequestID(), Geolocation::kNoRequest);
    host.runUntilIdle();
    EXPECT_EQ(delegate->events, (std::vector<std::string>{"found none"}));
}

TEST_F(GeolocationTest, DistancesAreGreatCircleMetres) {
    CLLocation portland(45.5231, -122.6765), seattle(47.6062, -122.3321);
    EXPECT_NEAR(Geolocation::GetDistanceInMetersBetween(portland, seattle), 233'000, 2'000);
}

}  // namespace
}  // namespace fv
