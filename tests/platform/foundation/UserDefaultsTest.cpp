#include "platform/foundation/UserDefaults.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "DataTestDir.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PropertyList.h"

namespace fv {
namespace {

class UserDefaultsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"FERNVAULT_DEFAULTS_PATH", "XDG_DATA_HOME", "HOME"})
            if (const char* v = std::getenv(name)) saved_[name] = v;
        ::setenv("FERNVAULT_DEFAULTS_PATH", file().c_str(), 1);
        NSUserDefaults::resetStandardUserDefaultsForTesting();
    }
    void TearDown() override {
        for (const char* name : {"FERNVAULT_DEFAULTS_PATH", "XDG_DATA_HOME", "HOME"}) {
            if (saved_.count(name))
                ::setenv(name, saved_[name].c_str(), 1);
            else
                ::unsetenv(name);
        }
        NSUserDefaults::resetStandardUserDefaultsForTesting();
    }
    std::string file() const { return dir_ / "defaults.plist"; }
    NSUserDefaults& defaults() { return NSUserDefaults::standardUserDefaults(); }

    std::vector<std::string> filesInDir() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir_.path()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    testing::DataTestDir dir_;
    std::map<std::string, std::string> saved_;
};

TEST_F(UserDefaultsTest, ValuesPersistAcrossReloadsOnlyAfterSynchronize) {
    const Value::Bytes archive = NSKeyedArchiver::archivedDataWithRootObject(Value(Value::Array{"card"}));
    defaults().setObject(archive, "CARD_CONTROL_DATA");
    defaults().setBool(true, "is_card_detail_active");
    defaults().setObject("hello", "greeting");
    defaults().setObject(7, "count");
    EXPECT_EQ(defaults().dataForKey("CARD_CONTROL_DATA"), archive);

    NSUserDefaults::resetStandardUserDefaultsForTesting();
    EXPECT_TRUE(defaults().objectForKey("greeting").isNull());  // never synchronized

    defaults().setObject(archive, "CARD_CONTROL_DATA");
    defaults().setBool(true, "is_card_detail_active");
    defaults().setObject(7, "count");
    ASSERT_TRUE(defaults().synchronize());
    NSUserDefaults::resetStandardUserDefaultsForTesting();
    EXPECT_EQ(defaults().dataForKey("CARD_CONTROL_DATA"), archive);
    EXPECT_TRUE(defaults().boolForKey("is_card_detail_active"));
    EXPECT_TRUE(defaults().objectForKey("is_card_detail_active").isBool());
    EXPECT_EQ(defaults().integerForKey("count"), 7);
    EXPECT_EQ(defaults().stringForKey("count"), "7");
}

TEST_F(UserDefaultsTest, TypedReadsAndRemoval) {
    defaults().setObject("YES", "s");
    defaults().setObject(0, "zero");
    defaults().setObject(Value::Array{1}, "list");
    EXPECT_TRUE(defaults().boolForKey("s"));
    EXPECT_FALSE(defaults().boolForKey("zero"));
    EXPECT_FALSE(defaults().boolForKey("absent"));
    EXPECT_FALSE(defaults().dataForKey("s"));
    EXPECT_FALSE(defaults().stringForKey("list"));
    EXPECT_EQ(defaults().integerForKey("list"), 0);

    defaults().setObject(Value(), "s");
    defaults().removeObjectForKey("zero");
    EXPECT_TRUE(defaults().objectForKey("s").isNull());
    EXPECT_TRUE(defaults().objectForKey("zero").isNull());

    // Values a property list cannot hold are refused, the old value kept.
    EXPECT_FALSE(defaults().setObject(Value::Array{Value()}, "list"));
    EXPECT_EQ(defaults().objectForKey("list"), Value(Value::Array{1}));
    ASSERT_TRUE(defaults().synchronize());
    EXPECT_EQ(PropertyList::readDictionary(file()), Value(Value::Dictionary{{"list", Value::Array{1}}}));
}

TEST_F(UserDefaultsTest, CorruptFileIsMovedAsideNotOverwritten) {
    const std::string damaged = "<plist><dict><key>CARD_CONTROL_DATA</key>";
    dir_.write("defaults.plist", damaged);
    LogCapture capture;
    NSUserDefaults::resetStandardUserDefaultsForTesting();
    EXPECT_TRUE(defaults().objectForKey("CARD_CONTROL_DATA").isNull());
    EXPECT_TRUE(capture.contains("defaults.plist"));

    // Reading and an unchanged synchronize leave the damaged file where it is.
    EXPECT_TRUE(defaults().synchronize());
    EXPECT_EQ(testing::DataTestDir::read(file()), damaged);

    defaults().setBool(true, "flag");
    ASSERT_TRUE(defaults().synchronize());
    const auto names = filesInDir();
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0], "defaults.plist");
    EXPECT_EQ(names[1].rfind("defaults.plist.corrupt-", 0), 0u);
    EXPECT_EQ(testing::DataTestDir::read(dir_ / names[1]), damaged);
    EXPECT_TRUE(capture.contains(names[1]));
    EXPECT_EQ(PropertyList::readDictionary(file()), Value(Value::Dictionary{{"flag", true}}));
}

TEST_F(UserDefaultsTest, WrongRootTypeCountsAsDamaged) {
    dir_.write("defaults.plist", "<plist version=\"1.0\"><array/></plist>");
    NSUserDefaults::resetStandardUserDefaultsForTesting();
    defaults().setObject("v", "k");
    ASSERT_TRUE(defaults().synchronize());
    EXPECT_EQ(filesInDir().size(), 2u);
}

TEST_F(UserDefaultsTest, FailedWriteReportsFailureAndKeepsChanges) {
    ::setenv("FERNVAULT_DEFAULTS_PATH", (dir_ / "blocker/defaults.plist").c_str(), 1);
    dir_.write("blocker", "a file where a folder should be");
    NSUserDefaults::resetStandardUserDefaultsForTesting();
    defaults().setObject("v", "k");
    EXPECT_FALSE(defaults().synchronize());
    EXPECT_EQ(defaults().stringForKey("k"), "v");
}

TEST_F(UserDefaultsTest, LocationFollowsTheEnvironment) {
    ::unsetenv("FERNVAULT_DEFAULTS_PATH");
    ::setenv("XDG_DATA_HOME", (dir_ / "data").c_str(), 1);
    NSUserDefaults::resetStandardUserDefaultsForTesting();
    EXPECT_EQ(defaults().path(), dir_ / "data/fernvault/defaults.plist");
    defaults().setObject(1, "k");
    ASSERT_TRUE(defaults().synchronize());  // creates the folders
    EXPECT_TRUE(std::filesystem::exists(dir_ / "data/fernvault/defaults.plist"));

    ::unsetenv("XDG_DATA_HOME");
    ::setenv("HOME", (dir_ / "home").c_str(), 1);
    NSUserDefaults::resetStandardUserDefaultsForTesting();
    EXPECT_EQ(defaults().path(), dir_ / "home/.local/share/fernvault/defaults.plist");
}

}  // namespace
}  // namespace fv
