#include <gtest/gtest.h>

#include "platform/net/URL.h"
#include "platform/net/URLRequest.h"

namespace fv {
namespace {

class RejectedURLText : public ::testing::TestWithParam<const char*> {};

TEST_P(RejectedURLText, GivesNoURL) {
    EXPECT_FALSE(NSURL::URLWithString(GetParam())) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Strictness, RejectedURLText,
                         ::testing::Values("", "http://a b.com/", "http://host/a b",
                                           "sygic://|coordinate|1|2|show", "http://host/%zz",
                                           "http://host/100%", "http://host/\"q\"", "http://host/<x>",
                                           "http://host/{x}", "http://host/a\\b", "http://h\xC3\xA9.com/",
                                           "http://host/a#b#c", "http://host:80x/", "http://host:99999/",
                                           "http://host/\n", "http://[::1/"));

TEST(NSURLTest, ReadsTheParts) {
    auto url = NSURL::URLWithString("HTTPS://user@Example.COM:8443/a/b.json?x=1&y=%20#frag");
    ASSERT_TRUE(url);
    EXPECT_EQ(url->scheme(), "https");
    EXPECT_EQ(url->host(), "example.com");
    EXPECT_EQ(url->port(), 8443);
    EXPECT_EQ(url->path(), "/a/b.json");
    EXPECT_EQ(url->query(), "x=1&y=%20");
    EXPECT_EQ(url->fragment(), "frag");
    EXPECT_EQ(url->absoluteString(), "HTTPS://user@Example.COM:8443/a/b.json?x=1&y=%20#frag");

    auto app = NSURL::URLWithString("waze://?ll=1.000000,2.000000&navigate=yes");
    ASSERT_TRUE(app);
    EXPECT_EQ(app->scheme(), "waze");
    EXPECT_EQ(app->host(), "");
    EXPECT_EQ(app->path(), "");
    EXPECT_EQ(app->query(), "ll=1.000000,2.000000&navigate=yes");
    EXPECT_FALSE(app->port());

    auto v6 = NSURL::URLWithString("http://[::1]:8080/x");
    ASSERT_TRUE(v6);
    EXPECT_EQ(v6->host(), "::1");
    EXPECT_EQ(v6->port(), 8080);
}

struct Resolution {
    const char* base;
    const char* reference;
    const char* expected;  // nullptr: no URL
};

class RelativeURL : public ::testing::TestWithParam<Resolution> {};

TEST_P(RelativeURL, ResolvesAgainstTheBase) {
    auto base = NSURL::URLWithString(GetParam().base);
    ASSERT_TRUE(base);
    auto url = NSURL::URLWithString(GetParam().reference, *base);
    if (!GetParam().expected) {
        EXPECT_FALSE(url);
        return;
    }
    ASSERT_TRUE(url) << GetParam().reference;
    EXPECT_EQ(url->absoluteString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Resolution, RelativeURL,
                         ::testing::Values(Resolution{"http://h:1/api/", "create", "http://h:1/api/create"},
                                           Resolution{"http://h:1/api/v1", "create", "http://h:1/api/create"},
                                           Resolution{"http://h:1/api/", "/root?x=1", "http://h:1/root?x=1"},
                                           Resolution{"http://h:1/api/", "https://other/x",
                                                      "https://other/x"},
                                           Resolution{"http://h:1", "x", "http://h:1/x"},
                                           Resolution{"http://h/a/b/", "../c", "http://h/a/c"},
                                           Resolution{"http://h/a/", "../../../etc", "http://h/etc"},
                                           Resolution{"http://h/a/", "//other/p", "http://other/p"},
                                           Resolution{"http://h/a/", "bad path", nullptr}));

TEST(PercentEscapeTest, KeepsURLCharactersAndEscapesTheRest) {
    EXPECT_EQ(percentEscape("sygic://|coordinate|1.500000|-2.250000|show"),
              "sygic://%7Ccoordinate%7C1.500000%7C-2.250000%7Cshow");
    EXPECT_EQ(percentEscape("a b%c\"<>"), "a%20b%25c%22%3C%3E");
    EXPECT_EQ(percentEscape("caf\xC3\xA9"), "caf%C3%A9");
    EXPECT_EQ(percentEscape("http://h/p?q=1&r=2#f"), "http://h/p?q=1&r=2#f");
    // An escaped text always forms a URL.
    EXPECT_TRUE(NSURL::URLWithString(percentEscape("sygic://|a b|{c}")));
}

TEST(NSURLRequestTest, HeaderFieldsIgnoreLetterCase) {
    NSURLRequest request(NSURL::URLWithString("http://h/"));
    EXPECT_EQ(request.timeoutInterval(), 60.0);
    EXPECT_EQ(request.HTTPMethod(), "GET");
    request.setValueForHTTPHeaderField("text/plain", "content-type");
    request.setValueForHTTPHeaderField("application/json", "Content-Type");
    EXPECT_EQ(request.allHTTPHeaderFields().size(), 1u);
    EXPECT_EQ(request.valueForHTTPHeaderField("CONTENT-TYPE"), "application/json");
}

TEST(NSHTTPURLResponseTest, ReasonPhrases) {
    EXPECT_EQ(NSHTTPURLResponse::localizedStringForStatusCode(500), "internal server error");
    EXPECT_EQ(NSHTTPURLResponse::localizedStringForStatusCode(404), "not found");
    EXPECT_EQ(NSHTTPURLResponse::localizedStringForStatusCode(599), "server error");
    EXPECT_EQ(NSHTTPURLResponse::localizedStringForStatusCode(499), "client error");
}

}  // namespace
}  // namespace fv
