#include "platform/net/CurlLibrary.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

namespace fv {
namespace {

// Opened with the first load; every function the transport uses is found in it.
TEST(CurlLibrary, IsOpenedOnDemandAndFindsEveryFunction) {
    std::string why;
    ASSERT_TRUE(curl::load(&why)) << why;
    EXPECT_NE(curl::api().easy_init, nullptr);
    EXPECT_NE(curl::api().multi_wakeup, nullptr);
    CURL* easy = curl::api().easy_init();
    ASSERT_NE(easy, nullptr);
    EXPECT_EQ(curl::api().easy_setopt(easy, CURLOPT_URL, "https://example.invalid/"), CURLE_OK);
    curl::api().easy_cleanup(easy);
}

// What cannot serve says why, and leaves nothing half set up.
TEST(CurlLibrary, ALibraryThatIsMissingOrIsNotLibcurlIsRefusedWithTheReason) {
    std::string why;
    EXPECT_FALSE(curl::loadFrom("libfernvault-no-such-library.so.9", &why));
    EXPECT_NE(why.find("could not be opened"), std::string::npos) << why;
    why.clear();
    EXPECT_FALSE(curl::loadFrom("libm.so.6", &why));
    EXPECT_EQ(why, "libcurl has no curl_global_init");
    EXPECT_TRUE(curl::load());  // the loaded library stays as it was
}

}  // namespace
}  // namespace fv
