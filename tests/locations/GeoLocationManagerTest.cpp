#include "locations/GeoLocationManager.h"

#include <cmath>
#include <limits>

#include "LocationsTestSupport.h"
#include "locations/GeoRequestIDGenerator.h"
#include "platform/foundation/FoundationVersion.h"
#include "platform/testing/MainBundleFixture.h"

namespace fv {
namespace {

class GeoLocationManagerTest : public LocationsTest {
  protected:
    GeoLocationManagerPtr manager() { return GeoLocationManager::sharedInstance(); }
    const CLLocationManagerCounters& counters() { return manager()->locationManager()->counters(); }
};

// ---- accuracy levels ----

struct LevelCase {
    LocationAccuracy level;
    double age, accuracy;
    bool satisfied;
};

class AccuracyLevels : public GeoLocationManagerTest, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(AccuracyLevels, AFixSatisfiesAOneShotRequestWithinBothLimitsInclusive) {
    const auto& c = GetParam();
    authorise();
    Answers answers;
    manager()->requestLocationWithDesiredAccuracy(c.level, 30.0, answers.block());
    device()->deliverLocation(fix(c.age, c.accuracy));
    host.runUntilIdle();
    if (!c.satisfied) {
        EXPECT_TRUE(answers.list.empty());
        EXPECT_EQ(manager()->locationRequests().size(), 1u);
        return;
    }
    ASSERT_EQ(answers.list.size(), 1u);
    EXPECT_EQ(answers.list[0].status, LocationRequestStatusSuccess);
    EXPECT_TRUE(manager()->locationRequests().empty());
}

INSTANTIATE_TEST_SUITE_P(Levels, AccuracyLevels,
                         ::testing::Values(LevelCase{1, 600.0, 5000.0, true},
                                           LevelCase{1, 600.5, 10.0, false}, LevelCase{1, 1.0, 5000.5, false},
                                           LevelCase{0, 600.0, 5000.0, true},
                                           LevelCase{2, 300.0, 1000.0, true},
                                           LevelCase{2, 10.0, 1001.0, false}, LevelCase{3, 60.0, 100.0, true},
                                           LevelCase{3, 61.0, 50.0, false}, LevelCase{4, 15.0, 15.0, true},
                                           LevelCase{4, 10.0, 20.0, false}, LevelCase{5, 5.0, 5.0, true},
                                           LevelCase{5, 5.5, 1.0, false}, LevelCase{7, 0.0, 1.0, false},
                                           LevelCase{1, 1.0, std::numeric_limits<double>::quiet_NaN(), false},
                                           LevelCase{1, 1.0, -1.0, false}));

struct AchievedCase {
    double age, accuracy;
    LocationAccuracy achieved;
};

class AchievedAccuracy : public GeoLocationManagerTest, public ::testing::WithParamInterface<AchievedCase> {};

TEST_P(AchievedAccuracy, IsTheStrictestLevelTheFixMeets) {
    const auto& c = GetParam();
    EXPECT_EQ(GeoLocationManager::achievedAccuracyForLocation(fix(c.age, c.accuracy)), c.achieved);
}

INSTANTIATE_TEST_SUITE_P(Table, AchievedAccuracy,
                         ::testing::Values(AchievedCase{5, 5, 5}, AchievedCase{10, 20, 3},
                                           AchievedCase{15, 15, 4}, AchievedCase{60, 100, 3},
                                           AchievedCase{300, 1000, 2}, AchievedCase{600, 5000, 1},
                                           AchievedCase{601, 1, 0}, AchievedCase{1, -5, 0},
                                           AchievedCase{1, std::numeric_limits<double>::quiet_NaN(), 0}));

TEST_F(GeoLocationManagerTest, NoFixHasNoAccuracy) {
    EXPECT_EQ(GeoLocationManager::achievedAccuracyForLocation(std::nullopt), 0);
}

// ---- answering ----

TEST_F(GeoLocationManagerTest, AHeldFixAnswersANewRequestInALaterTurnWithoutWaiting) {
    authorise();
    Answers first, second;
    manager()->requestLocationWithDesiredAccuracy(3, 10.0, first.block());
    device()->deliverLocation(fix(0, 50));
    host.runUntilIdle();
    ASSERT_EQ(first.list.size(), 1u);
    EXPECT_EQ(first.list[0].accuracy, 3);

    manager()->requestLocationWithDesiredAccuracy(2, 10.0, second.block());
    EXPECT_TRUE(second.list.empty());
    host.runUntilIdle();
    ASSERT_EQ(second.list.size(), 1u);
    EXPECT_EQ(second.list[0].status, LocationRequestStatusSuccess);
    EXPECT_TRUE(second.list[0].onMain);
    EXPECT_NEAR(second.list[0].location->coordinate().latitude, 45.5231, 1e-9);
}

TEST_F(GeoLocationManagerTest, CompletionsRunInTheOrderRequestsWereSatisfied) {
    authorise();
    std::vector<int> order;
    manager()->requestLocationWithDesiredAccuracy(4, 0, [&](auto&, auto, auto) { order.push_back(4); });
    manager()->requestLocationWithDesiredAccuracy(1, 0, [&](auto&, auto, auto) { order.push_back(1); });
    manager()->requestLocationWithDesiredAccuracy(2, 0, [&](auto&, auto, auto) { order.push_back(2); });
    device()->deliverLocation(fix(0, 500));
    host.runUntilIdle();
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    device()->deliverLocation(fix(0, 10));
    host.runUntilIdle();
    EXPECT_EQ(order, (std::vector<int>{1, 2, 4}));
}

TEST_F(GeoLocationManagerTest, AFixAtZeroZeroCountsAsNoFix) {
    authorise();
    Answers answers;
    manager()->requestLocationWithDesiredAccuracy(1, 5.0, answers.block());
    device()->deliverLocation(fix(0, 5, 0.0, 0.0));
    host.runUntilIdle();
    EXPECT_TRUE(answers.list.empty());
    EXPECT_FALSE(manager()->currentLocation());
    host.advance(5.1);
    ASSERT_EQ(answers.list.size(), 1u);
    EXPECT_EQ(answers.list[0].status, LocationRequestStatusTimedOut);
    EXPECT_FALSE(answers.list[0].location);
}

// ---- time limits ----

TEST_F(GeoLocationManagerTest, ATimeLimitEndsTheRequestWithTheBestFixHeld) {
    authorise();
    Answers answers;
    manager()->requestLocationWithDesiredAccuracy(5, 10.0, answers.block());
    device()->deliverLocation(fix(0, 80));
    host.advance(9.9);
    EXPECT_TRUE(answers.list.empty());
    host.advance(0.2);
    ASSERT_EQ(answers.list.size(), 1u);
    EXPECT_EQ(answers.list[0].status, LocationRequestStatusTimedOut);
    EXPECT_EQ(answers.list[0].accuracy, 3);
    ASSERT_TRUE(answers.list[0].location);
    EXPECT_DOUBLE_EQ(answers.list[0].location->horizontalAccuracy(), 80);
    EXPECT_FALSE(manager()->isUpdatingLocation());
    EXPECT_EQ(counters().stopUpdatingLocation, 1);
}

class NoTimeLimit : public GeoLocationManagerTest, public ::testing::WithParamInterface<double> {};

TEST_P(NoTimeLimit, NeverExpiresAndRunsNoTimer) {
    authorise();
    Answers answers;
    manager()->requestLocationWithDesiredAccuracy(5, GetParam(), answers.block());
    ASSERT_EQ(manager()->locationRequests().size(), 1u);
    EXPECT_FALSE(manager()->locationRequests().front()->hasTimeoutTimer());
    host.advance(3600);
    device()->deliverLocation(fix(0, 500));
    host.advance(1);
    EXPECT_TRUE(answers.list.empty());
    ASSERT_EQ(manager()->locationRequests().size(), 1u);
    EXPECT_FALSE(manager()->locationRequests().front()->hasTimedOut());
    device()->deliverLocation(fix(0, 3));
    host.runUntilIdle();
    ASSERT_EQ(answers.list.size(), 1u);
    EXPECT_EQ(answers.list[0].status, LocationRequestStatusSuccess);
}

INSTANTIATE_TEST_SUITE_P(ZeroNegativeOrNotFinite, NoTimeLimit,
                         ::testing::Values(0.0, -3.0, std::numeric_limits<double>::quiet_NaN(),
                                           std::numeric_limits<double>::infinity(),
                                           -std::numeric_limits<double>::infinity()));

TEST_F(GeoLocationManagerTest, ALevelAboveFiveEndsOnlyByItsTimeLimitAndLeavesTheDeviceAccuracy) {
    authorise();
    Answers answers;
    manager()->requestLocationWithDesiredAccuracy(9, 4.0, answers.block());
    EXPECT_EQ(counters().desiredAccuracyWrites, 0);
    device()->deliverLocation(fix(0, 1));
    host.advance(4.1);
    ASSERT_EQ(answers.list.size(), 1u);
    EXPECT_EQ(answers.list[0].status, LocationRequestStatusTimedOut);
    EXPECT_EQ(answers.list[0].accuracy, 5);
}

// ---- permission ----

struct RefusalCase {
    CLAuthorizationStatus authorization;
    bool servicesOn;
    LocationRequestStatus status;
};

class Refusals : public GeoLocationManagerTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusals, CompleteARequestAtOnceWithoutStartingTheDevice) {
    const auto& c = GetParam();
    authorise(c.authorization);
    device()->setLocationServicesEnabled(c.servicesOn);
    Answers answers;
    manager()->requestLocationWithDesiredAccuracy(1, 60.0, true, answers.block());
    EXPECT_TRUE(answers.list.empty());
    host.runUntilIdle();
    ASSERT_EQ(answers.list.size(), 1u);
    EXPECT_EQ(answers.list[0].status, c.status);
    EXPECT_EQ(counters().startUpdatingLocation, 0);
    EXPECT_TRUE(manager()->locationRequests().empty());
}

INSTANTIATE_TEST_SUITE_P(States, Refusals,
                         ::testing::Values(RefusalCase{kCLAuthorizationStatusDenied, true, 3},
                                           RefusalCase{kCLAuthorizationStatusRestricted, true, 4},
                                           RefusalCase{kCLAuthorizationStatusAuthorizedAlways, false, 5}));

TEST_F(GeoLocationManagerTest, ADelayedTimeLimitStartsWhenPermissionIsGranted) {
    test::MainBundleFixture bundle;
    bundle.setInfo("NSLocationWhenInUseUsageDescription", Value("To find cash machines near you"));
    device()->setAnswerDelay(30.0);
    Answers answers;
    manager()->requestLocationWithDesiredAccuracy(1, 10.0, true, answers.block());
    EXPECT_EQ(device()->whenInUsePromptCount(), 1);
    auto request = manager()->locationRequests().at(0);
    EXPECT_FALSE(request->hasTimeoutTimer());
    host.advance(29.0);
    EXPECT_TRUE(answers.list.empty());
    host.advance(1.5);  // the user allows
    EXPECT_TRUE(request->hasTimeoutTimer());
    host.advance(9.0);
    EXPECT_TRUE(answers.list.empty());
    host.advance(1.0);
    ASSERT_EQ(answers.list.size(), 1u);
    EXPECT_EQ(answers.list[0].status, LocationRequestStatusTimedOut);
}

TEST_F(GeoLocationManagerTest, RefusingTheDelayedPromptCompletesWithDenied) {
    test::MainBundleFixture bundle;
    bundle.setInfo("NSLocationWhenInUseUsageDescription", Value("To find cash machines near you"));
    device()->setPromptAnswer(LocationProvider::PromptAnswer::Deny);
    Answers answers;
    manager()->requestLocationWithDesiredAccuracy(1, 10.0, true, answers.block());
    host.advance(1.5);
    ASSERT_EQ(answers.list.size(), 1u);
    EXPECT_EQ(answers.list[0].status, LocationRequestStatusServicesDenied);
}

TEST_F(GeoLocationManagerTest, AnUnansweredPromptTimesOutAsNotDeterminedWhenNotDelayed) {
    device()->setPromptAnswer(LocationProvider::PromptAnswer::Ignore);
    Answers answers;
    manager()->requestLocationWithDesiredAccuracy(1, 10.0, answers.block());
    EXPECT_EQ(device()->alwaysPromptCount() + device()->whenInUsePromptCount(), 0);  // no usage keys
    host.advance(10.5);
    ASSERT_EQ(answers.list.size(), 1u);
    EXPECT_EQ(answers.list[0].status, LocationRequestStatusServicesNotDetermined);
}

TEST_F(GeoLocationManagerTest, GrantingLaterStartsTheDeviceAndTheFixArrives) {
    device()->setPromptAnswer(LocationProvider::PromptAnswer::Ignore);
    Answers answers;
    manager()->requestLocationWithDesiredAccuracy(2, 60.0, true, answers.block());
    host.advance(20);
    EXPECT_TRUE(answers.list.empty());
    device()->setFixedLocation(fix(0, 30));
    authorise();
    host.advance(0.1);
    ASSERT_EQ(answers.list.size(), 1u);
    EXPECT_EQ(answers.list[0].status, LocationRequestStatusSuccess);
}

struct PromptKeyCase {
    double foundationVersion;
    const char* key;
    bool always;
};

class PromptKeys : public GeoLocationManagerTest, public ::testing::WithParamInterface<PromptKeyCase> {};

TEST_P(PromptKeys, ChooseTheAlwaysKeyOfThePlatformRelease) {
    const auto& c = GetParam();
    setNSFoundationVersionNumber(c.foundationVersion);
    test::MainBundleFixture bundle;
    bundle.setInfo(c.key, Value("Used to find cash machines"));
    manager()->requestLocationWithDesiredAccuracy(1, 0, nullptr);
    EXPECT_EQ(counters().requestAlwaysAuthorization, c.always ? 1 : 0);
    EXPECT_EQ(counters().requestWhenInUseAuthorization, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, PromptKeys,
    ::testing::Values(PromptKeyCase{1299.0, "NSLocationAlwaysUsageDescription", true},
                      PromptKeyCase{1048.0, "NSLocationAlwaysUsageDescription", true},
                      PromptKeyCase{1047.9, "NSLocationAlwaysUsageDescription", false},
                      PromptKeyCase{1300.0, "NSLocationAlwaysUsageDescription", false},
                      PromptKeyCase{kNSFoundationVersionNumberCurrent,
                                    "NSLocationAlwaysAndWhenInUseUsageDescription", true},
                      PromptKeyCase{1200.0, "NSLocationAlwaysAndWhenInUseUsageDescription", false}));

TEST_F(GeoLocationManagerTest, BackgroundUpdatesFollowTheHostsBackgroundModes) {
    test::MainBundleFixture bundle;
    bundle.setInfo("UIBackgroundModes", Value(Value::Array{Value("audio"), Value("location")}));
    EXPECT_TRUE(manager()->locationManager()->allowsBackgroundLocationUpdates());
    manager()->setBackgroundLocationUpdate(false);
    EXPECT_FALSE(manager()->locationManager()->allowsBackgroundLocationUpdates());
}

// ---- the device ----

TEST_F(GeoLocationManagerTest, TheDeviceRunsAtTheStrictestActiveLevelAndStopsWhenNoneRemain) {
    authorise();
    auto coarse = manager()->requestLocationWithDesiredAccuracy(1, 0, nullptr);
    EXPECT_EQ(manager()->locationManager()->desiredAccuracy(), kCLLocationAccuracyThreeKilometers);
    auto fine = manager()->requestLocationWithDesiredAccuracy(4, 0, nullptr);
    EXPECT_EQ(manager()->locationManager()->desiredAccuracy(), kCLLocationAccuracyNearestTenMeters);
    manager()->requestLocationWithDesiredAccuracy(2, 0, nullptr);
    EXPECT_EQ(counters().desiredAccuracyWrites, 2);
    EXPECT_EQ(counters().startUpdatingLocation, 1);
    EXPECT_TRUE(manager()->isUpdatingLocation());

    manager()->cancelLocationRequest(fine);
    EXPECT_EQ(manager()->locationManager()->desiredAccuracy(), kCLLocationAccuracyKilometer);
    manager()->cancelLocationRequest(coarse);
    manager()->cancelLocationRequest(manager()->locationRequests().at(0)->requestID());
    EXPECT_FALSE(manager()->isUpdatingLocation());
    EXPECT_EQ(counters().stopUpdatingLocation, 1);
    host.advance(1);
}

TEST_F(GeoLocationManagerTest, SignificantChangesRunTheirOwnMonitoring) {
    authorise();
    Answers answers;
    auto id = manager()->subscribeToSignificantLocationChangesWithBlock(answers.block());
    EXPECT_TRUE(manager()->isMonitoringSignificantLocationChanges());
    EXPECT_FALSE(manager()->isUpdatingLocation());
    device()->deliverLocation(fix(0, 900));
    device()->deliverLocation(fix(0, 800));
    host.runUntilIdle();
    EXPECT_EQ(answers.list.size(), 2u);
    manager()->cancelLocationRequest(id);
    EXPECT_FALSE(manager()->isMonitoringSignificantLocationChanges());
    EXPECT_EQ(counters().stopMonitoringSignificantLocationChanges, 1);
}

TEST_F(GeoLocationManagerTest, AFailureEndsOneShotRequestsAndReachesSubscriptionsUntilTheNextFix) {
    authorise();
    Answers once, every;
    manager()->requestLocationWithDesiredAccuracy(5, 30, once.block());
    manager()->subscribeToLocationUpdatesWithBlock(every.block());
    device()->failWithError(NSError{kCLErrorDomain, kCLErrorLocationUnknown, "no fix", {}});
    host.runUntilIdle();
    ASSERT_EQ(once.list.size(), 1u);
    EXPECT_EQ(once.list[0].status, LocationRequestStatusError);
    ASSERT_EQ(every.list.size(), 1u);
    EXPECT_EQ(every.list[0].status, LocationRequestStatusError);
    EXPECT_TRUE(manager()->updateFailed());

    device()->deliverLocation(fix(0, 3000));
    host.runUntilIdle();
    ASSERT_EQ(every.list.size(), 2u);
    EXPECT_EQ(every.list[1].status, LocationRequestStatusSuccess);
    EXPECT_EQ(every.list[1].accuracy, 1);
    EXPECT_FALSE(manager()->updateFailed());
}

TEST_F(GeoLocationManagerTest, ForceCompletingTimesOutAOneShotAndSilentlyCancelsASubscription) {
    authorise();
    Answers once, every;
    auto single = manager()->requestLocationWithDesiredAccuracy(5, 0, once.block());
    auto subscription = manager()->subscribeToLocationUpdatesWithDesiredAccuracy(0, every.block());
    manager()->forceCompleteLocationRequest(single);
    manager()->forceCompleteLocationRequest(subscription);
    manager()->forceCompleteLocationRequest(12345);
    host.runUntilIdle();
    ASSERT_EQ(once.list.size(), 1u);
    EXPECT_EQ(once.list[0].status, LocationRequestStatusTimedOut);
    EXPECT_TRUE(every.list.empty());
    EXPECT_TRUE(manager()->locationRequests().empty());
}

TEST_F(GeoLocationManagerTest, CancellingNeverCallsTheCompletion) {
    authorise();
    Answers answers;
    auto id = manager()->requestLocationWithDesiredAccuracy(1, 2.0, answers.block());
    manager()->cancelLocationRequest(id);
    device()->deliverLocation(fix(0, 5));
    host.advance(3);
    EXPECT_TRUE(answers.list.empty());
}

TEST_F(GeoLocationManagerTest, CompletingInsideACompletionIsSafe) {
    authorise();
    Answers inner;
    std::int64_t other = 0;
    manager()->requestLocationWithDesiredAccuracy(1, 0, [&](auto&, auto, auto) {
        manager()->cancelLocationRequest(other);
        manager()->requestLocationWithDesiredAccuracy(1, 0, inner.block());
    });
    other = manager()->requestLocationWithDesiredAccuracy(5, 0, nullptr);
    device()->deliverLocation(fix(0, 100));
    host.runUntilIdle();
    EXPECT_EQ(inner.list.size(), 1u);
    EXPECT_TRUE(manager()->locationRequests().empty());
}

// ---- identifiers and headings ----

TEST_F(GeoLocationManagerTest, IdentifiersCountFromOneAcrossLocationAndHeadingRequests) {
    authorise();
    EXPECT_EQ(manager()->requestLocationWithDesiredAccuracy(1, 0, nullptr), 1);
    EXPECT_EQ(manager()->subscribeToHeadingUpdatesWithBlock(nullptr), 2);
    EXPECT_EQ(GeoRequestIDGenerator::getUniqueRequestID(), 3);
    auto a = GeoLocationRequest::initWithType(LocationRequestTypeSingle);
    EXPECT_EQ(a->requestID(), 4);
    EXPECT_EQ(a->hash(), std::hash<std::string>{}("4"));
}

TEST_F(GeoLocationManagerTest, HeadingsAreJudgedForValidityAndReadWhenTheCompletionRuns) {
    std::vector<std::pair<std::optional<CLHeading>, HeadingRequestStatus>> heard;
    auto id = manager()->subscribeToHeadingUpdatesWithBlock(
        [&](const std::optional<CLHeading>& h, HeadingRequestStatus s) { heard.emplace_back(h, s); });
    EXPECT_TRUE(manager()->isUpdatingHeading());
    device()->deliverHeading(CLHeading(0.0, 5.0));
    device()->deliverHeading(CLHeading(90.0, 5.0));
    host.runUntilIdle();
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[0].second, HeadingRequestStatusInvalid);
    EXPECT_EQ(heard[1].second, HeadingRequestStatusSuccess);
    ASSERT_TRUE(heard[1].first);
    EXPECT_DOUBLE_EQ(heard[1].first->trueHeading(), 90.0);
    manager()->cancelHeadingRequest(id);
    EXPECT_FALSE(manager()->isUpdatingHeading());
}

TEST_F(GeoLocationManagerTest, ASuccessCarriesTheHeadingItWasJudgedOnEvenIfALaterOneIsInvalid) {
    std::vector<std::pair<std::optional<CLHeading>, HeadingRequestStatus>> heard;
    manager()->subscribeToHeadingUpdatesWithBlock(
        [&](const std::optional<CLHeading>& h, HeadingRequestStatus s) { heard.emplace_back(h, s); });
    device()->deliverHeading(CLHeading(45.0, 3.0));
    device()->deliverHeading(CLHeading(45.0, -1.0));
    host.runUntilIdle();
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[0].second, HeadingRequestStatusSuccess);
    ASSERT_TRUE(heard[0].first);
    EXPECT_EQ(heard[1].second, HeadingRequestStatusInvalid);
    EXPECT_FALSE(heard[1].first);
}

TEST_F(GeoLocationManagerTest, WithoutACompassAHeadingSubscriptionHearsUnavailableOnce) {
    device()->setHeadingAvailable(false);
    std::vector<HeadingRequestStatus> heard;
    manager()->subscribeToHeadingUpdatesWithBlock([&](auto&, HeadingRequestStatus s) { heard.push_back(s); });
    EXPECT_TRUE(heard.empty());
    host.runUntilIdle();
    EXPECT_EQ(heard, (std::vector<HeadingRequestStatus>{HeadingRequestStatusUnavailable}));
    EXPECT_TRUE(manager()->headingRequests().empty());
    EXPECT_FALSE(manager()->isUpdatingHeading());
}

}  // namespace
}  // namespace fv
