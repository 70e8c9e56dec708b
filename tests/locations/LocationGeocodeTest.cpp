#include "locations/LocationGeocode.h"

#include "LocationsTestSupport.h"

namespace fv {
namespace {

class RecordingAddressDelegate : public LocationGeocodeDelegate {
  public:
    void GeoAddressFound(const Value& record) override { records.push_back(record); }
    std::vector<Value> records;
};

class LocationGeocodeTest : public LocationsTest {
  protected:
    void SetUp() override {
        delegate = std::make_shared<RecordingAddressDelegate>();
        LocationGeocode::sharedInstance()->setDelegate(delegate);
    }
    std::shared_ptr<RecordingAddressDelegate> delegate;
    CLLocation asked{CLLocationCoordinate2DMake(45.5231, -122.6765), 15.0, 10.0, Date{}};
};

TEST_F(LocationGeocodeTest, TheFirstPlaceFoundBecomesAFlatRecord) {
    CLGeocoder::setProvider([](const CLLocation&) {
        CLPlacemark first;
        first.name = "Pioneer Courthouse Square";
        first.thoroughfare = "SW Broadway";
        first.locality = "Portland";
        first.administrativeArea = "OR";
        first.postalCode = "97205";
        first.country = "United States";
        first.addressDictionary = Value::Dictionary{{"City", "Portland"}};
        CLPlacemark second;
        second.name = "Elsewhere";
        return CLGeocoder::Answer{
            {std::make_shared<CLPlacemark>(first), std::make_shared<CLPlacemark>(second)}, {}};
    });
    LocationGeocode::sharedInstance()->getGeoCodeAtLocation(asked);
    EXPECT_TRUE(delegate->records.empty());
    host.runUntilIdle();
    ASSERT_EQ(delegate->records.size(), 1u);
    const Value& r = delegate->records[0];
    EXPECT_DOUBLE_EQ(r["latitude"].doubleValue(), 45.5231);
    EXPECT_DOUBLE_EQ(r["longitude"].doubleValue(), -122.6765);
    EXPECT_DOUBLE_EQ(r["altitude"].doubleValue(), 15.0);
    EXPECT_EQ(r["address_name"].stringValue(), "Pioneer Courthouse Square");
    EXPECT_EQ(r["address_street"].stringValue(), "SW Broadway");
    EXPECT_EQ(r["address_city"].stringValue(), "Portland");
    EXPECT_EQ(r["address_state"].stringValue(), "OR");
    EXPECT_EQ(r["address_county"].stringValue("absent"), "");
    EXPECT_EQ(r["address_zipcode"].stringValue(), "97205");
    EXPECT_EQ(r["address_country"].stringValue(), "United States");
    EXPECT_EQ(r["address_full_dictionary"]["City"].stringValue(), "Portland");
    EXPECT_EQ(LocationGeocode::sharedInstance()->lastKnownGeocodeAddress(), r);
}

class NothingFound : public LocationGeocodeTest, public ::testing::WithParamInterface<bool> {};

TEST_P(NothingFound, GivesTheUnknownRecord) {
    bool withError = GetParam();
    CLGeocoder::setProvider([withError](const CLLocation&) {
        CLGeocoder::Answer answer;
        if (withError) answer.error = NSError{kCLErrorDomain, kCLErrorNetwork, "offline", {}};
        return answer;
    });
    LocationGeocode::sharedInstance()->getGeoCodeAtLocation(asked);
    host.runUntilIdle();
    ASSERT_EQ(delegate->records.size(), 1u);
    const Value& r = delegate->records[0];
    EXPECT_EQ(r["latitude"].doubleValue(-1), 0.0);
    EXPECT_EQ(r["altitude"].doubleValue(-1), 0.0);
    for (const char* key : {"address_name", "address_street", "address_city", "address_state",
                            "address_county", "address_zipcode", "address_country"}) {
        EXPECT_EQ(r[key].stringValue(), "Unknown") << key;
    }
    ASSERT_TRUE(r["address_full_dictionary"].asDictionary());
    EXPECT_TRUE(r["address_full_dictionary"].asDictionary()->empty());
}

INSTANTIATE_TEST_SUITE_P(EmptyOrFailed, NothingFound, ::testing::Bool());

TEST_F(LocationGeocodeTest, WithoutADelegateTheRecordIsStillKept) {
    LocationGeocode::sharedInstance()->setDelegate(nullptr);
    LocationGeocode::sharedInstance()->getGeoCodeAtLocation(asked);
    host.runUntilIdle();
    EXPECT_EQ(LocationGeocode::sharedInstance()->lastKnownGeocodeAddress()["address_city"].stringValue(),
              "Unknown");
    EXPECT_EQ(CLGeocoder::requestCount(), 1);
}

}  // namespace
}  // namespace fv
