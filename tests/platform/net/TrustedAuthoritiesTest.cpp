#include <gtest/gtest.h>

#include "platform/foundation/RunLoop.h"
#include "platform/net/TrustedAuthorities.h"
#include "platform/net/URLSession.h"
#include "platform/testing/LoopbackServer.h"
#include "platform/testing/TestCertificates.h"

namespace fv {
namespace {

struct Load {
    bool done = false;
    std::optional<NSHTTPURLResponse> response;
    std::optional<NSError> error;
    std::string body;
};

Load get(const std::string& url) {
    auto load = std::make_shared<Load>();
    NSURLRequest request(NSURL::URLWithString(url), NSURLRequestCachePolicy::UseProtocolCachePolicy, 5);
    NSURLSession::create(NSOperationQueue::mainQueue())
        ->dataTaskWithRequest(request,
                              [load](const auto& data, const auto& response, const auto& error) {
                                  load->done = true;
                                  load->response = response;
                                  load->error = error;
                                  load->body.assign(data.begin(), data.end());
                              })
        ->resume();
    test::waitFor([&] { return load->done; }, 5.0);
    return *load;
}

class TrustedAuthoritiesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RunLoop::main();
        TrustedAuthorities::removeAddedAuthorities();
        server.server.Get("/hello", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("hello", "text/plain");
        });
        server.start();
    }
    void TearDown() override { TrustedAuthorities::removeAddedAuthorities(); }
    test::LoopbackServer server{test::LoopbackServer::Scheme::HTTPS};
};

TEST_F(TrustedAuthoritiesTest, ALoopbackServerIsTrustedOnlyThroughTheAddedAuthority) {
    Load untrusted = get(server.url("/hello"));
    ASSERT_TRUE(untrusted.done);
    ASSERT_TRUE(untrusted.error.has_value()) << "the system store must not know the test authority";
    EXPECT_EQ(untrusted.error->code, NSURLErrorServerCertificateUntrusted);

    ASSERT_TRUE(
        TrustedAuthorities::addCertificateAuthorityPEM(test::TestCertificates::shared().authorityPEM()));
    EXPECT_EQ(TrustedAuthorities::count(), 1u);
    Load trusted = get(server.url("/hello"));
    ASSERT_FALSE(trusted.error.has_value()) << trusted.error->description();
    EXPECT_EQ(trusted.response->statusCode, 200);
    EXPECT_EQ(trusted.body, "hello");

    Load byName = get("https://localhost:" + std::to_string(server.port()) + "/hello");
    EXPECT_FALSE(byName.error.has_value()) << "the certificate names localhost too";

    TrustedAuthorities::removeAddedAuthorities();
    Load again = get(server.url("/hello"));
    ASSERT_TRUE(again.error.has_value());
    EXPECT_EQ(again.error->code, NSURLErrorServerCertificateUntrusted);
}

struct BadPEM {
    const char* name;
    std::string text;
};

class UnreadableAuthorityTest : public ::testing::TestWithParam<BadPEM> {};

TEST_P(UnreadableAuthorityTest, IsRefusedAndAddsNothing) {
    TrustedAuthorities::removeAddedAuthorities();
    EXPECT_FALSE(TrustedAuthorities::addCertificateAuthorityPEM(GetParam().text));
    EXPECT_EQ(TrustedAuthorities::count(), 0u);
}

std::string truncatedAfterOne() {
    const std::string& pem = test::TestCertificates::shared().authorityPEM();
    return pem + pem.substr(0, pem.size() / 2);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UnreadableAuthorityTest,
    ::testing::Values(BadPEM{"Empty", ""}, BadPEM{"NotPEM", "hello"},
                      BadPEM{"DamagedBody", "-----BEGIN CERTIFICATE-----\nAAAA\n-----END CERTIFICATE-----\n"},
                      BadPEM{"SecondOneCutShort", truncatedAfterOne()},
                      BadPEM{"TooLarge", std::string(2 * 1024 * 1024, 'A')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TrustedAuthorityFileTest, AMissingFileIsRefused) {
    TrustedAuthorities::removeAddedAuthorities();
    EXPECT_FALSE(TrustedAuthorities::addCertificateAuthorityFile("/nonexistent/authority.pem"));
    EXPECT_EQ(TrustedAuthorities::count(), 0u);
}

}  // namespace
}  // namespace fv
