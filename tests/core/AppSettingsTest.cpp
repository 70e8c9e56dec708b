#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>

#include "core/AppSettings.h"
#include "platform/foundation/UserDefaults.h"

namespace fv {
namespace {

class AppSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("fv-settings-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        ::setenv("FERNVAULT_DEFAULTS_PATH", (dir_ / "defaults.plist").c_str(), 1);
        NSUserDefaults::resetStandardUserDefaultsForTesting();
    }
    void TearDown() override {
        NSUserDefaults::resetStandardUserDefaultsForTesting();
        std::filesystem::remove_all(dir_);
    }
    std::filesystem::path dir_;
};

TEST_F(AppSettingsTest, CardDetailsFollowTheHostSetting) {
    auto& defaults = NSUserDefaults::standardUserDefaults();
    EXPECT_FALSE(AppSettings::isCardDetailActive());
    defaults.setBool(true, kCardDetailActiveDefaultsKey);
    EXPECT_TRUE(AppSettings::isCardDetailActive());
    defaults.setObject(Value("NO"), kCardDetailActiveDefaultsKey);
    EXPECT_FALSE(AppSettings::isCardDetailActive());
    defaults.setObject(Value(1), kCardDetailActiveDefaultsKey);
    EXPECT_TRUE(AppSettings::isCardDetailActive());
    defaults.removeObjectForKey(kCardDetailActiveDefaultsKey);
    EXPECT_FALSE(AppSettings::isCardDetailActive());
}

}  // namespace
}  // namespace fv
