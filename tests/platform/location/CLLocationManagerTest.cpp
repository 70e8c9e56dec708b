#include "LocationTestSupport.h"

namespace fv {
namespace {

using Events = std::vector<std::string>;

class LocationManagerTest : public LocationTest {
  protected:
    void SetUp() override {
        LocationTest::SetUp();
        manager = CLLocationManager::create();
        delegate = std::make_shared<RecordingLocationDelegate>();
        manager->setDelegate(delegate);
    }
    void authorise() {
        device()->setAuthorizationStatus(kCLAuthorizationStatusAuthorizedWhenInUse);
        host.runUntilIdle();
        delegate->events.clear();
    }

    CLLocationManagerPtr manager;
    std::shared_ptr<RecordingLocationDelegate> delegate;
};

struct PromptCase {
    bool always;
    LocationProvider::PromptAnswer answer;
    CLAuthorizationStatus expected;
};

class PromptAnswers : public LocationManagerTest, public ::testing::WithParamInterface<PromptCase> {};

TEST_P(PromptAnswers, ComeLaterFromTheSimulatedUser) {
    const auto& c = GetParam();
    device()->setPromptAnswer(c.answer);
    device()->setAnswerDelay(2.0);
    c.always ? manager->requestAlwaysAuthorization() : manager->requestWhenInUseAuthorization();
    EXPECT_TRUE(device()->isPromptShown());
    EXPECT_EQ(c.always ? device()->alwaysPromptCount() : device()->whenInUsePromptCount(), 1);
    EXPECT_EQ(c.always ? manager->counters().requestAlwaysAuthorization
                       : manager->counters().requestWhenInUseAuthorization,
              1);
    host.advance(1.9);
    EXPECT_EQ(CLLocationManager::authorizationStatus(), kCLAuthorizationStatusNotDetermined);
    EXPECT_TRUE(delegate->events.empty());
    host.advance(0.2);
    EXPECT_EQ(CLLocationManager::authorizationStatus(), c.expected);
    EXPECT_EQ(delegate->events, (Events{"authorization " + std::to_string(static_cast<int>(c.expected))}));
    EXPECT_TRUE(delegate->allOnMain);
    EXPECT_FALSE(device()->isPromptShown());

    // Settled: asking again shows nothing and changes nothing.
    manager->requestWhenInUseAuthorization();
    manager->requestAlwaysAuthorization();
    host.advance(5);
    EXPECT_EQ(device()->alwaysPromptCount() + device()->whenInUsePromptCount(), 1);
    EXPECT_EQ(delegate->events.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, PromptAnswers,
    ::testing::Values(
        PromptCase{false, LocationProvider::PromptAnswer::Allow, kCLAuthorizationStatusAuthorizedWhenInUse},
        PromptCase{true, LocationProvider::PromptAnswer::Allow, kCLAuthorizationStatusAuthorizedAlways},
        PromptCase{false, LocationProvider::PromptAnswer::Deny, kCLAuthorizationStatusDenied},
        PromptCase{true, LocationProvider::PromptAnswer::Deny, kCLAuthorizationStatusDenied}));

TEST_F(LocationManagerTest, IgnoredPromptStaysOpenUntilAnswered) {
    device()->setPromptAnswer(LocationProvider::PromptAnswer::Ignore);
    manager->requestWhenInUseAuthorization();
    host.advance(600);
    EXPECT_EQ(CLLocationManager::authorizationStatus(), kCLAuthorizationStatusNotDetermined);
    EXPECT_TRUE(device()->isPromptShown());
    device()->answerPrompt(kCLAuthorizationStatusRestricted);
    EXPECT_TRUE(delegate->events.empty()) << "the delegate hears it in a later turn";
    host.runUntilIdle();
    EXPECT_EQ(delegate->events, (Events{"authorization 1"}));
}

TEST_F(LocationManagerTest, EveryManagerHearsAPermissionChange) {
    auto other = CLLocationManager::create();
    auto otherDelegate = std::make_shared<RecordingLocationDelegate>();
    other->setDelegate(otherDelegate);
    device()->setAuthorizationStatus(kCLAuthorizationStatusDenied);
    device()->setAuthorizationStatus(kCLAuthorizationStatusDenied);
    host.runUntilIdle();
    EXPECT_EQ(delegate->events, (Events{"authorization 2"}));
    EXPECT_EQ(otherDelegate->events, (Events{"authorization 2"}));
}

TEST_F(LocationManagerTest, FixesArriveOnlyWhileUpdatingAndAuthorised) {
    device()->deliverLocation(CLLocation(1, 2));
    manager->startUpdatingLocation();
    device()->deliverLocation(CLLocation(1, 2));
    host.runUntilIdle();
    EXPECT_TRUE(delegate->events.empty()) << "not authorised yet";

    authorise();
    device()->deliverLocations({CLLocation(1, 2), CLLocation(3, 4)});
    EXPECT_TRUE(delegate->events.empty()) << "never inside the call";
    host.runUntilIdle();
    EXPECT_EQ(delegate->events, (Events{"locations 2"}));
    EXPECT_EQ(delegate->last->coordinate(), CLLocationCoordinate2DMake(3, 4)) << "newest last";
    EXPECT_EQ(manager->location()->coordinate(), CLLocationCoordinate2DMake(3, 4));
    device()->deliverLocations({});
    host.runUntilIdle();
    EXPECT_EQ(delegate->events.size(), 1u) << "an empty list is no update";

    // A fix already on its way when updates stop is not delivered.
    device()->deliverLocation(CLLocation(5, 6));
    manager->stopUpdatingLocation();
    host.runUntilIdle();
    EXPECT_EQ(delegate->events.size(), 1u);
    EXPECT_EQ(manager->counters().startUpdatingLocation, 1);
    EXPECT_EQ(manager->counters().stopUpdatingLocation, 1);
    EXPECT_TRUE(delegate->allOnMain);
}

TEST_F(LocationManagerTest, PermissionThenFixedPositionInThatOrder) {
    device()->setFixedLocation(CLLocation(48.8566, 2.3522));
    manager->startUpdatingLocation();
    manager->requestWhenInUseAuthorization();
    host.advance(1.0);
    host.runUntilIdle();
    EXPECT_EQ(delegate->events, (Events{"authorization 4", "locations 1"}));
    EXPECT_EQ(delegate->last->coordinate(), CLLocationCoordinate2DMake(48.8566, 2.3522));
    EXPECT_DOUBLE_EQ(delegate->last->timestamp().secondsSince1970, RunLoop::main().wallTime());

    // Starting again while authorised brings the fixed position at once, in a later turn.
    manager->stopUpdatingLocation();
    manager->startUpdatingLocation();
    host.runUntilIdle();
    EXPECT_EQ(delegate->events.size(), 3u);
}

TEST_F(LocationManagerTest, AScriptedRouteArrivesStepByStep) {
    authorise();
    manager->startUpdatingLocation();
    device()->scheduleLocations({{1.0, CLLocation(10, 20)}, {3.0, CLLocation(10.001, 20)}});
    host.advance(0.9);
    EXPECT_TRUE(delegate->events.empty());
    host.advance(0.2);
    ASSERT_EQ(delegate->events.size(), 1u);
    EXPECT_EQ(delegate->last->coordinate(), CLLocationCoordinate2DMake(10, 20));
    EXPECT_NEAR(delegate->last->timestamp().secondsSince1970, RunLoop::main().wallTime() - 0.1, 1e-6)
        << "stamped when it arrived, 1.0 s in";
    host.advance(2.0);
    EXPECT_EQ(delegate->events.size(), 2u);
    EXPECT_EQ(delegate->last->coordinate(), CLLocationCoordinate2DMake(10.001, 20));
}

struct RefusalCase {
    bool servicesOn;
    CLAuthorizationStatus status;
};

class Refusals : public LocationManagerTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusals, StartingFailsWithDenied) {
    device()->setLocationServicesEnabled(GetParam().servicesOn);
    device()->setAuthorizationStatus(GetParam().status);
    device()->setFixedLocation(CLLocation(1, 1));
    host.runUntilIdle();
    delegate->events.clear();
    manager->startUpdatingLocation();
    device()->deliverLocation(CLLocation(1, 2));
    host.runUntilIdle();
    EXPECT_EQ(delegate->events, (Events{"error 1"}));
    EXPECT_EQ(CLLocationManager::locationServicesEnabled(), GetParam().servicesOn);
}

INSTANTIATE_TEST_SUITE_P(States, Refusals,
                         ::testing::Values(RefusalCase{true, kCLAuthorizationStatusDenied},
                                           RefusalCase{true, kCLAuthorizationStatusRestricted},
                                           RefusalCase{false, kCLAuthorizationStatusAuthorizedAlways}));

TEST_F(LocationManagerTest, SignificantChangesHeadingsAndFailures) {
    authorise();
    manager->startMonitoringSignificantLocationChanges();
    device()->deliverLocation(CLLocation(1, 2));
    device()->deliverHeading(CLHeading(90, 5));
    device()->failWithError(NSError{kCLErrorDomain, kCLErrorLocationUnknown, "unknown", {}});
    host.runUntilIdle();
    EXPECT_EQ(delegate->events, (Events{"locations 1", "error 0"}));
    EXPECT_TRUE(manager->isMonitoringSignificantLocationChanges());
    EXPECT_FALSE(manager->isUpdatingLocation());

    delegate->events.clear();
    manager->stopMonitoringSignificantLocationChanges();
    manager->startUpdatingHeading();
    device()->deliverHeading(CLHeading(270, 5));
    device()->deliverLocation(CLLocation(1, 2));
    device()->failWithError(NSError{kCLErrorDomain, kCLErrorLocationUnknown, "unknown", {}});
    host.runUntilIdle();
    EXPECT_EQ(delegate->events, (Events{"heading 270"}));
    EXPECT_EQ(manager->heading()->trueHeading(), 270);

    device()->setHeadingAvailable(false);
    EXPECT_FALSE(CLLocationManager::headingAvailable());
    device()->deliverHeading(CLHeading(10, 5));
    host.runUntilIdle();
    EXPECT_EQ(delegate->events.size(), 1u);
    const auto& c = manager->counters();
    EXPECT_EQ(c.startMonitoringSignificantLocationChanges, 1);
    EXPECT_EQ(c.stopMonitoringSignificantLocationChanges, 1);
    EXPECT_EQ(c.startUpdatingHeading, 1);
}

TEST_F(LocationManagerTest, AccuracyConstantsOrderAndWritesAreCounted) {
    EXPECT_LT(kCLLocationAccuracyBestForNavigation, kCLLocationAccuracyBest);
    EXPECT_LT(kCLLocationAccuracyBest, kCLLocationAccuracyNearestTenMeters);
    EXPECT_LT(kCLLocationAccuracyNearestTenMeters, kCLLocationAccuracyHundredMeters);
    EXPECT_LT(kCLLocationAccuracyHundredMeters, kCLLocationAccuracyKilometer);
    EXPECT_LT(kCLLocationAccuracyKilometer, kCLLocationAccuracyThreeKilometers);
    EXPECT_EQ(manager->desiredAccuracy(), kCLLocationAccuracyBest);
    manager->setDesiredAccuracy(kCLLocationAccuracyThreeKilometers);
    manager->setDesiredAccuracy(kCLLocationAccuracyKilometer);
    EXPECT_EQ(manager->desiredAccuracy(), kCLLocationAccuracyKilometer);
    EXPECT_EQ(manager->counters().desiredAccuracyWrites, 2);
    manager->setAllowsBackgroundLocationUpdates(true);
    EXPECT_TRUE(manager->allowsBackgroundLocationUpdates());
}

TEST_F(LocationManagerTest, AGoneDelegateHearsNothing) {
    authorise();
    manager->startUpdatingLocation();
    device()->deliverLocation(CLLocation(1, 2));
    delegate.reset();
    host.runUntilIdle();
    EXPECT_TRUE(manager->location().has_value()) << "the manager still takes the fix";
}

TEST_F(LocationManagerTest, AGoneManagerIsNotReached) {
    authorise();
    manager->startUpdatingLocation();
    device()->deliverLocation(CLLocation(1, 2));
    host.runUntilIdle();
    std::weak_ptr<CLLocationManager> watch = manager;
    manager.reset();
    EXPECT_TRUE(watch.expired());
    device()->deliverLocation(CLLocation(1, 2));
    host.runUntilIdle();
    EXPECT_EQ(delegate->events, (Events{"locations 1"}));
}

}  // namespace
}  // namespace fv
