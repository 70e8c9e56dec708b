#include <gtest/gtest.h>

#include <cstdlib>

#include "core/DataModel.h"
#include "core/ServiceAddresses.h"
#include "core/ServiceConstants.h"
#include "core/ServiceManager.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/ResetHooks.h"

namespace fv {
namespace {

class ServiceAddressesTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetHooks::runAll(); }
    void TearDown() override {
        for (OutsideService s : kAll) ::unsetenv(ServiceAddresses::environmentVariable(s).c_str());
        ResetHooks::runAll();
    }
    static constexpr OutsideService kAll[] = {
        OutsideService::Backend,      OutsideService::BankLink,     OutsideService::Geolocation0,
        OutsideService::Geolocation1, OutsideService::Geolocation2, OutsideService::Geolocation3,
        OutsideService::Geolocation4, OutsideService::Geolocation5, OutsideService::Geolocation6,
    };
};

TEST_F(ServiceAddressesTest, CodeWinsOverTheEnvironmentWhichWinsOverTheBuiltInAddress) {
    for (OutsideService service : kAll) {
        const std::string variable = ServiceAddresses::environmentVariable(service);
        SCOPED_TRACE(variable);
        EXPECT_EQ(ServiceAddresses::baseURL(service), ServiceAddresses::defaultBaseURL(service));
        ::setenv(variable.c_str(), "http://127.0.0.1:8001/", 1);
        EXPECT_EQ(ServiceAddresses::baseURL(service), "http://127.0.0.1:8001") << "read at each use";
        ASSERT_TRUE(ServiceAddresses::setBaseURL(service, "https://127.0.0.1:8002/base"));
        EXPECT_EQ(ServiceAddresses::baseURL(service), "https://127.0.0.1:8002/base");
        ASSERT_TRUE(ServiceAddresses::setBaseURL(service, std::nullopt));
        EXPECT_EQ(ServiceAddresses::baseURL(service), "http://127.0.0.1:8001");
        ServiceAddresses::setBaseURL(service, "https://127.0.0.1:8003");
        ServiceAddresses::reset();
        ::unsetenv(variable.c_str());
        EXPECT_EQ(ServiceAddresses::baseURL(service), ServiceAddresses::defaultBaseURL(service));
    }
}

TEST_F(ServiceAddressesTest, EachServiceHasItsOwnVariable) {
    EXPECT_EQ(ServiceAddresses::environmentVariable(OutsideService::Backend), "FERNVAULT_SERVICE_URL");
    EXPECT_EQ(ServiceAddresses::environmentVariable(OutsideService::BankLink), "FERNVAULT_BANKLINK_URL");
    EXPECT_EQ(ServiceAddresses::environmentVariable(OutsideService::Geolocation6),
              "FERNVAULT_GEOLOCATION_SERVICE_6_URL");
    ::setenv("FERNVAULT_BANKLINK_URL", "http://127.0.0.1:9000", 1);
    EXPECT_EQ(ServiceAddresses::baseURL(OutsideService::Backend), SERVICE_URL);
    EXPECT_EQ(ServiceAddresses::baseURL(OutsideService::BankLink), "http://127.0.0.1:9000");
}

class UnacceptableAddress : public ServiceAddressesTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(UnacceptableAddress, IsRefusedInCodeAndIgnoredWithOneLineFromTheEnvironment) {
    EXPECT_FALSE(ServiceAddresses::setBaseURL(OutsideService::BankLink, std::string(GetParam())));
    EXPECT_EQ(ServiceAddresses::baseURL(OutsideService::BankLink), BANKLINK_SERVICE_URL);

    LogCapture capture;
    ::setenv("FERNVAULT_BANKLINK_URL", GetParam(), 1);
    EXPECT_EQ(ServiceAddresses::baseURL(OutsideService::BankLink), BANKLINK_SERVICE_URL);
    EXPECT_EQ(ServiceAddresses::baseURL(OutsideService::BankLink), BANKLINK_SERVICE_URL);
    ASSERT_EQ(capture.lines().size(), 1u);
    EXPECT_NE(capture.lines()[0].find("FERNVAULT_BANKLINK_URL"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Texts, UnacceptableAddress,
                         ::testing::Values("127.0.0.1:8000", "ftp://127.0.0.1/", "file:///etc/passwd",
                                           "https://", "https://host/path?query=1", "https://host/#part",
                                           "https://exa mple.test", "/relative/path"));

TEST_F(ServiceAddressesTest, ResolveMovesOnlyAddressesUnderABuiltInBase) {
    ServiceAddresses::setBaseURL(OutsideService::Backend, "http://127.0.0.1:7000/api");
    ServiceAddresses::setBaseURL(OutsideService::BankLink, "http://127.0.0.1:7001");
    EXPECT_EQ(ServiceAddresses::resolve(SERVICE_URL + SERVICE_ACTION_CREATE_CARD),
              "http://127.0.0.1:7000/api/create_cardholder");
    EXPECT_EQ(ServiceAddresses::resolve(SERVICE_URL), "http://127.0.0.1:7000/api");
    EXPECT_EQ(ServiceAddresses::resolve(SERVICE_URL + "?q=1"), "http://127.0.0.1:7000/api?q=1");
    EXPECT_EQ(ServiceAddresses::resolve(SERVICE_URL + "X/create"), SERVICE_URL + "X/create");
    EXPECT_EQ(ServiceAddresses::resolve(BANKLINK_SERVICE_URL + BANKLINK_PATH_AUTH),
              "http://127.0.0.1:7001/auth/get");
    EXPECT_EQ(ServiceAddresses::resolve("https://other.example/x"), "https://other.example/x");
}

struct GeolocationCase {
    std::uint64_t service;
    const char* path;
    const char* scheme;
};

class GeolocationAddress : public ServiceAddressesTest,
                           public ::testing::WithParamInterface<GeolocationCase> {};

TEST_P(GeolocationAddress, IsTheBaseFollowedByTheServicesFixedPath) {
    const auto& c = GetParam();
    auto url = ServiceAddresses::geolocationServiceURL(c.service);
    ASSERT_TRUE(url);
    EXPECT_EQ(url->substr(0, url->find(':')), c.scheme);
    EXPECT_EQ(url->substr(url->size() - std::string(c.path).size()), c.path);
    auto service = ServiceAddresses::geolocationService(c.service);
    ASSERT_TRUE(service);
    ServiceAddresses::setBaseURL(*service, "http://127.0.0.1:7100");
    EXPECT_EQ(ServiceAddresses::geolocationServiceURL(c.service),
              std::string("http://127.0.0.1:7100") + c.path);
}

INSTANTIATE_TEST_SUITE_P(
    Services, GeolocationAddress,
    ::testing::Values(GeolocationCase{0, "/json/", "http"}, GeolocationCase{1, "/json/", "http"},
                      GeolocationCase{2, "/json/", "https"}, GeolocationCase{3, "/", "https"},
                      GeolocationCase{4, "/api/", "http"}, GeolocationCase{5, "/geoip/", "http"},
                      GeolocationCase{6, "/geoip/", "http"}));

TEST_F(ServiceAddressesTest, ThereAreSevenGeolocationServices) {
    EXPECT_FALSE(ServiceAddresses::geolocationService(7));
    EXPECT_FALSE(ServiceAddresses::geolocationServiceURL(7));
    EXPECT_FALSE(ServiceAddresses::geolocationServiceURL(UINT64_MAX));
}

TEST(FrameworkResetTest, TheFrameworksSingletonsStartEachTestAfresh) {
    ServiceAddresses::setBaseURL(OutsideService::Backend, "http://127.0.0.1:7200");
    ServiceManager::sharedInstance()->setTimeoutIntervalForTesting(0.5);
    auto model = DataModel::sharedInstance();
    model->setVerificationEmail("someone@example.com");
    model->setSelectedBankAccount(std::make_shared<BankAccountModel>());
    model->setUserLocation(CLLocation(1, 2));
    ResetHooks::runAll();
    EXPECT_EQ(ServiceAddresses::baseURL(OutsideService::Backend), SERVICE_URL);
    EXPECT_EQ(ServiceManager::sharedInstance()->timeoutInterval(), 30.0);
    EXPECT_EQ(model->verificationEmail(), "");
    EXPECT_EQ(model->selectedBankAccount(), nullptr);
    EXPECT_FALSE(model->UserLocation().has_value());
}

}  // namespace
}  // namespace fv
