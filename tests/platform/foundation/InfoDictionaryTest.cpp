#include <gtest/gtest.h>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/FoundationVersion.h"
#include "tests/support/DataTestDir.h"

namespace fv {
namespace {

constexpr const char* kInfo = R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0">
<dict>
  <key>CFBundleIdentifier</key><string>com.example.host</string>
  <key>UIBackgroundModes</key><array><string>location</string></array>
  <key>NSLocationWhenInUseUsageDescription</key><string>Find stores near you.</string>
</dict>
</plist>
)";

TEST(InfoDictionaryTest, ReadsTheBundlesInfoPlist) {
    testing::DataTestDir dir;
    dir.write("Info.plist", kInfo);
    NSBundle bundle(dir.path());
    const Value info = bundle.infoDictionary();
    ASSERT_TRUE(info.isDictionary());
    EXPECT_EQ(info["CFBundleIdentifier"].stringValue(), "com.example.host");
    EXPECT_EQ(bundle.objectForInfoDictionaryKey("UIBackgroundModes")[0].stringValue(), "location");
    EXPECT_EQ(bundle.objectForInfoDictionaryKey("NSLocationWhenInUseUsageDescription").stringValue(),
              "Find stores near you.");
    EXPECT_TRUE(bundle.objectForInfoDictionaryKey("NSLocationAlwaysUsageDescription").isNull());
}

TEST(InfoDictionaryTest, MissingOrBrokenFilesReadAsNull) {
    testing::DataTestDir dir;
    NSBundle bundle(dir.path());
    EXPECT_TRUE(bundle.infoDictionary().isNull());
    dir.write("Info.plist", "<plist><dict><key>half");
    EXPECT_TRUE(bundle.infoDictionary().isNull());
    EXPECT_TRUE(bundle.objectForInfoDictionaryKey("CFBundleIdentifier").isNull());
    // Rewritten meanwhile, the new contents count.
    dir.write("Info.plist", kInfo);
    EXPECT_EQ(bundle.objectForInfoDictionaryKey("CFBundleIdentifier").stringValue(), "com.example.host");
}

TEST(FoundationVersionTest, DefaultsToAModernReleaseAndIsSettable) {
    EXPECT_GT(NSFoundationVersionNumber(), 1299.0);
    setNSFoundationVersionNumber(1200.0);
    EXPECT_EQ(NSFoundationVersionNumber(), 1200.0);
    resetNSFoundationVersionNumber();
    EXPECT_GT(NSFoundationVersionNumber(), 1299.0);
}

}  // namespace
}  // namespace fv
