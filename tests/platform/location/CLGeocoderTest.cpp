#include "LocationTestSupport.h"
#include "platform/foundation/ResetHooks.h"

namespace fv {
namespace {

struct Heard {
    std::vector<CLPlacemarkPtr> places;
    std::optional<NSError> error;
    int calls = 0;
    bool onMain = false;
};

CLGeocoder::CompletionHandler recordInto(Heard& heard) {
    return [&heard](std::vector<CLPlacemarkPtr> places, std::optional<NSError> error) {
        heard.places = std::move(places);
        heard.error = std::move(error);
        ++heard.calls;
        heard.onMain = RunLoop::main().isMainThread();
    };
}

using GeocoderTest = LocationTest;

TEST_F(GeocoderTest, TheTestHostResetsTheDeviceAndTheGeocoder) {
    device()->setAuthorizationStatus(kCLAuthorizationStatusDenied);
    CLGeocoder::setProvider([](const CLLocation&) { return CLGeocoder::Answer{}; });
    CLGeocoder::create()->reverseGeocodeLocation(CLLocation(1, 2), nullptr);
    ResetHooks::runAll();
    EXPECT_EQ(CLLocationManager::authorizationStatus(), kCLAuthorizationStatusNotDetermined);
    EXPECT_EQ(CLGeocoder::requestCount(), 0);
}

TEST_F(GeocoderTest, FindsNothingByDefault) {
    auto geocoder = CLGeocoder::create();
    Heard heard;
    geocoder->reverseGeocodeLocation(CLLocation(1, 2), recordInto(heard));
    EXPECT_EQ(heard.calls, 0) << "never inside the call";
    EXPECT_TRUE(geocoder->isGeocoding());
    host.runUntilIdle();
    EXPECT_EQ(heard.calls, 1);
    EXPECT_TRUE(heard.onMain);
    EXPECT_TRUE(heard.places.empty());
    ASSERT_TRUE(heard.error);
    EXPECT_EQ(heard.error->code, kCLErrorGeocodeFoundNoResult);
    EXPECT_FALSE(geocoder->isGeocoding());
}

TEST_F(GeocoderTest, AnswersWithTheProvidersPlacesAfterItsDelay) {
    CLLocation asked;
    CLGeocoder::setProvider(
        [&asked](const CLLocation& location) {
            asked = location;
            auto place = std::make_shared<CLPlacemark>();
            place->name = "1 Harbour Road";
            place->thoroughfare = "Harbour Road";
            place->locality = "Portwell";
            place->postalCode = "PW1 2AB";
            place->country = "Fernland";
            place->addressDictionary = Value::Dictionary{{"City", Value("Portwell")}};
            return CLGeocoder::Answer{{place}, std::nullopt};
        },
        0.5);
    auto geocoder = CLGeocoder::create();
    Heard heard;
    geocoder->reverseGeocodeLocation(CLLocation(51.5, -0.12), recordInto(heard));
    host.advance(0.4);
    EXPECT_EQ(heard.calls, 0);
    host.advance(0.2);
    ASSERT_EQ(heard.calls, 1);
    EXPECT_FALSE(heard.error);
    ASSERT_EQ(heard.places.size(), 1u);
    EXPECT_EQ(heard.places[0]->locality, "Portwell");
    EXPECT_FALSE(heard.places[0]->administrativeArea) << "absent parts stay absent";
    EXPECT_EQ(asked.coordinate(), CLLocationCoordinate2DMake(51.5, -0.12));
    EXPECT_EQ(CLGeocoder::requestCount(), 1);
}

TEST_F(GeocoderTest, ProviderErrorsPassThrough) {
    CLGeocoder::setProvider([](const CLLocation&) {
        return CLGeocoder::Answer{{}, NSError{kCLErrorDomain, kCLErrorNetwork, "offline", {}}};
    });
    auto geocoder = CLGeocoder::create();
    Heard heard;
    geocoder->reverseGeocodeLocation(CLLocation(1, 2), recordInto(heard));
    host.runUntilIdle();
    ASSERT_TRUE(heard.error);
    EXPECT_EQ(heard.error->code, kCLErrorNetwork);
}

TEST_F(GeocoderTest, CancelAnswersEachWaitingRequestOnce) {
    CLGeocoder::setProvider([](const CLLocation&) { return CLGeocoder::Answer{}; }, 1.0);
    auto geocoder = CLGeocoder::create();
    Heard first, second;
    geocoder->reverseGeocodeLocation(CLLocation(1, 2), recordInto(first));
    geocoder->reverseGeocodeLocation(CLLocation(3, 4), recordInto(second));
    geocoder->cancelGeocode();
    geocoder->cancelGeocode();
    EXPECT_EQ(first.calls, 0);
    host.advance(5);
    EXPECT_EQ(first.calls, 1);
    EXPECT_EQ(second.calls, 1);
    EXPECT_EQ(first.error->code, kCLErrorGeocodeCanceled);
    EXPECT_FALSE(geocoder->isGeocoding());
}

}  // namespace
}  // namespace fv
