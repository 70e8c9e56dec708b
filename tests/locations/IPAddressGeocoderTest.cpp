#include "locations/IPAddressGeocoder.h"

#include <array>
#include <atomic>
#include <mutex>

#include "core/ServiceAddresses.h"
#include "locations/IPGeocoding.h"
#include "platform/foundation/Locale.h"
#include "platform/testing/LoopbackServer.h"
#include "platform/testing/TestHost.h"

namespace fv {
namespace {

constexpr std::array<const char*, 7> kPaths = {"/json/", "/json/",  "/json/", "/",
                                               "/api/",  "/geoip/", "/geoip/"};

// What each service says about the same address in Lisbon, in its own shape.
const std::array<const char*, 7> kReplies = {
    R"({"ip":"203.0.113.7","latitude":38.7223,"longitude":-9.1393,"city":"Lisbon","country_name":"Portugal","country_code":"PT"})",
    R"({"query":"203.0.113.7","lat":38.7223,"lon":-9.1393,"city":"Lisbon","country":"Portugal","countryCode":"PT"})",
    R"({"ip":"203.0.113.7","loc":"38.7223,-9.1393","city":"Lisbon","country":"PT"})",
    R"({"data":{"ipv4":"203.0.113.7","latitude":38.7223,"longitude":-9.1393,"city_name":"Lisbon","country_name":"Portugal"}})",
    R"({"ip":"203.0.113.7","location":{"latitude":38.7223,"longitude":-9.1393},"city":"Lisbon","country":{"name":"Portugal","code":"PT"}})",
    R"({"ip":"203.0.113.7","latitude":"38.7223","longitude":"-9.1393","city":"Lisbon","country":"Portugal","country_code":"PT"})",
    R"({"latitude":38.7223,"longitude":-9.1393,"country":"Portugal","country_code":"PT"})",
};

struct Reply {
    int status = 200;
    std::string body;
};

// Seven loopback services, HTTPS where the real ones are, each answering what the test set.
class GeolocationServices {
  public:
    GeolocationServices() {
        for (std::size_t n = 0; n < 7; ++n) {
            auto scheme =
                (n == 2 || n == 3) ? test::LoopbackServer::Scheme::HTTPS : test::LoopbackServer::Scheme::HTTP;
            servers[n] = std::make_unique<test::LoopbackServer>(scheme);
            replies[n] = {200, kReplies[n]};
            servers[n]->server.Get(kPaths[n],
                                   [this, n](const httplib::Request& request, httplib::Response& response) {
                                       servers[n]->record(request);
                                       Reply reply;
                                       {
                                           std::lock_guard lock(mutex);
                                           asked.push_back(n);
                                           reply = replies[n];
                                       }
                                       if (holding[n]) servers[n]->hold();
                                       response.status = reply.status;
                                       response.set_content(reply.body, "application/json");
                                   });
            servers[n]->start();
            ServiceAddresses::setBaseURL(*ServiceAddresses::geolocationService(n), servers[n]->origin());
        }
        test::LoopbackServer::trustTestAuthority();
    }
    void set(std::size_t n, Reply reply) {
        std::lock_guard lock(mutex);
        replies[n] = std::move(reply);
    }
    void failAll() {
        for (std::size_t n = 0; n < 7; ++n) set(n, {500, "{}"});
    }
    std::vector<std::size_t> askedInOrder() {
        std::lock_guard lock(mutex);
        return asked;
    }

    std::array<std::unique_ptr<test::LoopbackServer>, 7> servers;
    std::array<std::atomic<bool>, 7> holding{};

  private:
    std::mutex mutex;
    std::array<Reply, 7> replies;
    std::vector<std::size_t> asked;
};

// The completion runs on the geocoder's queue: the test reads it under a lock.
class Outcome {
  public:
    IPAddressGeocoder::CompletionHandler handler() {
        return [this](bool success) {
            std::lock_guard lock(mutex);
            results.push_back(success);
        };
    }
    bool waitForCount(std::size_t n) {
        return test::waitFor([&] { return count() >= n; }, 10.0);
    }
    std::size_t count() {
        std::lock_guard lock(mutex);
        return results.size();
    }
    bool at(std::size_t i) {
        std::lock_guard lock(mutex);
        return results.at(i);
    }

  private:
    std::mutex mutex;
    std::vector<bool> results;
};

class IPAddressGeocoderTest : public TestHostFixture {
  protected:
    GeolocationServices services;
};

struct ServiceCase {
    IPAddressGeocoder::Service service;
    bool hasIP, hasCity, hasCountryCode;
};

class Services : public IPAddressGeocoderTest, public ::testing::WithParamInterface<ServiceCase> {};

TEST_P(Services, ReadTheirOwnReplyShape) {
    const auto& c = GetParam();
    NSLocale::setCurrentLocaleIdentifier("en_US");
    auto geocoder = IPAddressGeocoder::initWithService(c.service);
    Outcome outcome;
    geocoder->geocode(outcome.handler());
    ASSERT_TRUE(outcome.waitForCount(1));
    EXPECT_TRUE(outcome.at(0)) << (geocoder->error() ? geocoder->error()->description() : "");
    EXPECT_FALSE(geocoder->isGeocoding());
    ASSERT_TRUE(geocoder->location());
    EXPECT_NEAR(geocoder->location()->coordinate().latitude, 38.7223, 1e-5);
    EXPECT_NEAR(geocoder->location()->coordinate().longitude, -9.1393, 1e-5);
    EXPECT_EQ(geocoder->locationCountry(), std::optional<std::string>("Portugal"));
    EXPECT_EQ(geocoder->locationCity().has_value(), c.hasCity);
    EXPECT_EQ(geocoder->locationCountryCode().has_value(), c.hasCountryCode);

    auto info = geocoder->locationInfo();
    ASSERT_TRUE(info);
    EXPECT_EQ((*info)["ip"].asString().has_value(), c.hasIP);
    if (c.hasIP) {
        EXPECT_EQ((*info)["ip"].stringValue(), "203.0.113.7");
    }
    EXPECT_EQ((*info)["city"].isNull(), !c.hasCity);
    EXPECT_EQ((*info)["country"].stringValue(), "Portugal");
    EXPECT_TRUE((*info)["raw"].isDictionary());
    EXPECT_FALSE((*info)["latitude"].isNull());
    EXPECT_EQ(services.servers[c.service]->requests().size(), 1u);
    EXPECT_EQ(services.servers[c.service]->last().method, "GET");
}

INSTANTIATE_TEST_SUITE_P(All, Services,
                         ::testing::Values(ServiceCase{0, true, true, true}, ServiceCase{1, true, true, true},
                                           ServiceCase{2, true, true, true},
                                           ServiceCase{3, true, true, false},
                                           ServiceCase{4, true, true, true}, ServiceCase{5, true, true, true},
                                           ServiceCase{6, false, false, true}));

TEST_F(IPAddressGeocoderTest, TheCommaJoinedLocationIsReadInSinglePrecision) {
    auto geocoder = IPAddressGeocoder::initWithService(2);
    Outcome outcome;
    geocoder->geocode(outcome.handler());
    ASSERT_TRUE(outcome.waitForCount(1));
    auto info = geocoder->locationInfo();
    ASSERT_TRUE(info);
    EXPECT_EQ((*info)["latitude"].asReal(), static_cast<double>(38.7223f));
    EXPECT_EQ((*info)["countryCode"].stringValue(), "PT");
}

struct FailureCase {
    const char* name;
    Reply reply;
    const char* domain;
    std::int64_t code;
};

class Failures : public IPAddressGeocoderTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(Failures, EndTheLookupWithAnError) {
    const auto& c = GetParam();
    services.set(0, c.reply);
    auto geocoder = IPAddressGeocoder::initWithService(0);
    Outcome outcome;
    geocoder->geocode(outcome.handler());
    ASSERT_TRUE(outcome.waitForCount(1));
    EXPECT_FALSE(outcome.at(0));
    ASSERT_TRUE(geocoder->error());
    EXPECT_EQ(geocoder->error()->domain, c.domain);
    EXPECT_EQ(geocoder->error()->code, c.code);
    EXPECT_FALSE(geocoder->location());
    EXPECT_FALSE(geocoder->locationInfo());
    EXPECT_FALSE(geocoder->isGeocoding());
}

INSTANTIATE_TEST_SUITE_P(
    Replies, Failures,
    ::testing::Values(FailureCase{"NotFound", {404, "{}"}, "", 2},
                      FailureCase{"ServerError", {500, kReplies[0]}, "", 2},
                      FailureCase{"NotJSON", {200, "<html>busy</html>"}, NSCocoaErrorDomain, 3840},
                      FailureCase{"NotAnObject", {200, "[38.7, -9.1]"}, "", 3},
                      FailureCase{"NoLatitude", {200, R"({"ip":"203.0.113.7","longitude":-9.1})"}, "", 3},
                      FailureCase{"NoLongitude", {200, R"({"latitude":38.7})"}, "", 3},
                      FailureCase{"TextLatitude", {200, R"({"latitude":"north","longitude":-9.1})"}, "", 3},
                      FailureCase{"OutOfRange", {200, R"({"latitude":138.7,"longitude":-9.1})"}, "", 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(IPAddressGeocoderTest, AnUnreachableServiceIsATransportError) {
    auto geocoder = IPAddressGeocoder::initWithService(
        0, "http://127.0.0.1:" + std::to_string(test::closedPort()) + "/json/");
    Outcome outcome;
    geocoder->geocode(outcome.handler());
    ASSERT_TRUE(outcome.waitForCount(1));
    EXPECT_FALSE(outcome.at(0));
    ASSERT_TRUE(geocoder->error());
    EXPECT_EQ(geocoder->error()->domain, NSURLErrorDomain);
}

TEST_F(IPAddressGeocoderTest, WithFallbackEveryOtherServiceButTheLastIsTriedOnceInOrder) {
    services.failAll();
    services.set(5, {404, "{}"});
    auto geocoder = IPAddressGeocoder::initWithService(1);
    geocoder->setCanUseOtherServicesAsFallback(true);
    Outcome outcome;
    geocoder->geocode(outcome.handler());
    ASSERT_TRUE(outcome.waitForCount(1));
    EXPECT_FALSE(outcome.at(0));
    EXPECT_EQ(services.askedInOrder(), (std::vector<std::size_t>{1, 0, 2, 3, 4, 5}));
    ASSERT_TRUE(geocoder->error());
    EXPECT_EQ(geocoder->error()->userInfo["statusCode"].integerValue(), 404);
    EXPECT_TRUE(geocoder->servicesQueue().empty());
}

TEST_F(IPAddressGeocoderTest, AReplyWithoutALocationFallsBackToTheNextService) {
    services.set(1, {200, R"({"query":"203.0.113.7","status":"fail"})"});
    services.set(0, {503, ""});
    auto geocoder = IPAddressGeocoder::initWithService(1);
    geocoder->setCanUseOtherServicesAsFallback(true);
    Outcome outcome;
    geocoder->geocode(outcome.handler());
    ASSERT_TRUE(outcome.waitForCount(1));
    EXPECT_TRUE(outcome.at(0));
    EXPECT_EQ(services.askedInOrder(), (std::vector<std::size_t>{1, 0, 2}));
    EXPECT_EQ(geocoder->service(), 2u);
    EXPECT_FALSE(geocoder->error());
    EXPECT_EQ(geocoder->locationCity(), std::optional<std::string>("Lisbon"));
}

TEST_F(IPAddressGeocoderTest, WithoutFallbackOnlyTheChosenServiceIsAsked) {
    services.failAll();
    auto geocoder = IPAddressGeocoder::initWithService(3);
    EXPECT_FALSE(geocoder->canUseOtherServicesAsFallback());
    EXPECT_EQ(geocoder->servicesQueue(), (std::set<IPAddressGeocoder::Service>{0, 1, 2, 4, 5}));
    EXPECT_DOUBLE_EQ(geocoder->serviceTimeoutInterval(), 10.0);
    Outcome outcome;
    geocoder->geocode(outcome.handler());
    ASSERT_TRUE(outcome.waitForCount(1));
    EXPECT_EQ(services.askedInOrder(), (std::vector<std::size_t>{3}));
}

TEST_F(IPAddressGeocoderTest, AFreshLocationAnswersAtOnceForAMinute) {
    auto geocoder = IPAddressGeocoder::initWithService(0);
    Outcome outcome;
    geocoder->geocode(outcome.handler());
    ASSERT_TRUE(outcome.waitForCount(1));
    geocoder->geocode(outcome.handler());
    EXPECT_EQ(outcome.count(), 2u);  // within the call
    EXPECT_TRUE(outcome.at(1));
    EXPECT_EQ(services.servers[0]->requests().size(), 1u);

    host.advance(60.5);
    geocoder->geocode(outcome.handler());
    ASSERT_TRUE(outcome.waitForCount(3));
    EXPECT_EQ(services.servers[0]->requests().size(), 2u);

    geocoder->geocode(nullptr);  // without a completion a request is always sent
    ASSERT_TRUE(test::waitFor([&] { return services.servers[0]->requests().size() == 3u; }, 10.0));
}

TEST_F(IPAddressGeocoderTest, ACancelledLookupChangesNothingAndCallsNothing) {
    services.holding[0] = true;
    auto geocoder = IPAddressGeocoder::initWithService(0);
    Outcome outcome;
    geocoder->geocode(outcome.handler());
    ASSERT_TRUE(test::waitFor([&] { return services.servers[0]->requests().size() == 1u; }, 10.0));
    EXPECT_TRUE(geocoder->isGeocoding());
    geocoder->cancelGeocode();
    EXPECT_FALSE(geocoder->isGeocoding());
    services.servers[0]->release();
    test::waitFor([] { return false; }, 0.3);
    EXPECT_EQ(outcome.count(), 0u);
    EXPECT_FALSE(geocoder->location());
    EXPECT_FALSE(geocoder->error());
}

TEST_F(IPAddressGeocoderTest, TheDefaultServiceIsSetOnceAndServesTheSharedGeocoder) {
    EXPECT_FALSE(IPAddressGeocoder::sharedGeocoderLazy(true));
    IPAddressGeocoder::setDefaultService(4);
    IPAddressGeocoder::setDefaultService(6, std::string("http://127.0.0.1:1/geoip/"));
    auto shared = IPAddressGeocoder::sharedGeocoder();
    EXPECT_EQ(shared, IPAddressGeocoder::sharedGeocoderLazy(true));
    EXPECT_EQ(shared->service(), 4u);
    EXPECT_EQ(shared->serviceURL(), services.servers[4]->url("/api/"));
    EXPECT_TRUE(shared->canUseOtherServicesAsFallback());
    EXPECT_FALSE(IPAddressGeocoder::getDefaultServiceURLForService(7));
}

// ---- the shared runner ----

class RecordingIPDelegate : public IPGeocodingDelegate {
  public:
    void GotGeoResultFromIP(const Value& info) override {
        std::lock_guard lock(mutex);
        results.push_back(info["city"].stringValue("(none)"));
    }
    void FailedGeocodeFromIP(const std::optional<NSError>& error) override {
        std::lock_guard lock(mutex);
        results.push_back("failed " + std::to_string(error ? error->code : -1));
    }
    std::vector<std::string> heard() {
        std::lock_guard lock(mutex);
        return results;
    }

  private:
    std::mutex mutex;
    std::vector<std::string> results;
};

TEST_F(IPAddressGeocoderTest, TheRunnerAsksServiceOneAndTellsTheDelegate) {
    auto delegate = std::make_shared<RecordingIPDelegate>();
    IPGeocoding::sharedInstance()->setDelegate(delegate);
    IPGeocoding::sharedInstance()->GetGeoFromIP();
    ASSERT_TRUE(test::waitFor([&] { return !delegate->heard().empty(); }, 10.0));
    EXPECT_EQ(delegate->heard(), (std::vector<std::string>{"Lisbon"}));
    EXPECT_EQ(services.askedInOrder(), (std::vector<std::size_t>{1}));

    services.failAll();
    IPGeocoding::sharedInstance()->GetGeoFromIP();
    ASSERT_TRUE(test::waitFor([&] { return delegate->heard().size() == 2; }, 10.0));
    EXPECT_EQ(delegate->heard().back(), "failed 2");
}

TEST_F(IPAddressGeocoderTest, ASupersededLookupTellsNobody) {
    services.holding[1] = true;
    auto delegate = std::make_shared<RecordingIPDelegate>();
    IPGeocoding::sharedInstance()->setDelegate(delegate);
    IPGeocoding::sharedInstance()->GetGeoFromIP();
    ASSERT_TRUE(test::waitFor([&] { return services.servers[1]->requests().size() == 1u; }, 10.0));
    auto first = IPGeocoding::sharedInstance()->ipGeoCoder();
    services.holding[1] = false;
    services.set(
        1,
        {200, R"({"query":"203.0.113.8","lat":41.1579,"lon":-8.6291,"city":"Porto","country":"Portugal"})"});
    IPGeocoding::sharedInstance()->GetGeoFromIP();
    services.servers[1]->release();
    ASSERT_TRUE(test::waitFor([&] { return !delegate->heard().empty(); }, 10.0));
    test::waitFor([] { return false; }, 0.3);
    EXPECT_EQ(delegate->heard(), (std::vector<std::string>{"Porto"}));
    EXPECT_FALSE(first->isGeocoding());
    EXPECT_FALSE(first->location());
}

}  // namespace
}  // namespace fv
