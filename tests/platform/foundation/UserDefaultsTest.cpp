#include "platform/foundation/UserDefaults.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PropertyList.h"
#include "tests/support/DataTestDir.h"

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

// Every write replaces the file (a new inode); setting what is already there writes nothing.
TEST_F(UserDefaultsTest, AnUnchangedValueIsNotWrittenAgain) {
    auto inode = [&] {
        struct stat st {};
        return ::stat(file().c_str(), &st) == 0 ? st.st_ino : ino_t{0};
    };
    defaults().setObject(7, "count");
    ASSERT_TRUE(defaults().synchronize());
    const ino_t first = inode();
    ASSERT_NE(first, ino_t{0});

    NSUserDefaults::resetStandardUserDefaultsForTesting();
    defaults().setObject(7, "count");
    ASSERT_TRUE(defaults().synchronize());
    EXPECT_EQ(inode(), first);

    defaults().setObject(7.0, "count");  // same number, another type: a change
    ASSERT_TRUE(defaults().synchronize());
    EXPECT_NE(inode(), first);
    NSUserDefaults::resetStandardUserDefaultsForTesting();
    EXPECT_EQ(defaults().objectForKey("count"), Value(7.0));
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

mode_t modeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 0777;
}

TEST_F(UserDefaultsTest, CardDataAtRestIsReadableByItsOwnerOnly) {
    ::setenv("FERNVAULT_DEFAULTS_PATH", (dir_ / "made/here/defaults.plist").c_str(), 1);
    NSUserDefaults::resetStandardUserDefaultsForTesting();
    defaults().setObject("4111111111111111", "CARD_CONTROL_DATA");
    ASSERT_TRUE(defaults().synchronize());
    EXPECT_EQ(modeOf(dir_ / "made"), 0700u);
    EXPECT_EQ(modeOf(dir_ / "made/here"), 0700u);
    EXPECT_EQ(modeOf(dir_ / "made/here/defaults.plist"), 0600u);

    // A file left readable by an older write is replaced by a private one.
    ASSERT_EQ(::chmod((dir_ / "made/here/defaults.plist").c_str(), 0644), 0);
    defaults().setBool(true, "flag");
    ASSERT_TRUE(defaults().synchronize());
    EXPECT_EQ(modeOf(dir_ / "made/here/defaults.plist"), 0600u);
}

TEST_F(UserDefaultsTest, OpeningRemovesWhatKilledWritesLeftBehind) {
    dir_.write("defaults.plist", PropertyList::toXML(Value(Value::Dictionary{{"k", "v"}})));
    // A process number that cannot be running (above the kernel's limit), and an old file of a
    // process that may still run under a reused number.
    const std::string dead = dir_.write("defaults.plist.tmp-2147483647-17", "partial copy");
    const std::string old = dir_.write("defaults.plist.tmp-1-99", "partial copy");
    const auto twoHoursAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(2);
    std::filesystem::last_write_time(old, twoHoursAgo);
    // A write under way in this very process, and files that are not ours.
    const std::string live = dir_.write("defaults.plist.tmp-" + std::to_string(::getpid()) + "-5", "x");
    const std::string other = dir_.write("other.plist.tmp-2147483647-1", "x");
    const std::string odd = dir_.write("defaults.plist.tmp-notanumber", "x");

    NSUserDefaults::resetStandardUserDefaultsForTesting();
    EXPECT_EQ(defaults().stringForKey("k"), "v");
    EXPECT_FALSE(std::filesystem::exists(dead));
    EXPECT_FALSE(std::filesystem::exists(old));
    EXPECT_TRUE(std::filesystem::exists(live));
    EXPECT_TRUE(std::filesystem::exists(other));
    EXPECT_TRUE(std::filesystem::exists(odd));
}

TEST_F(UserDefaultsTest, AFifoAtThePathIsAClearErrorNotAHang) {
    ASSERT_EQ(::mkfifo(file().c_str(), 0600), 0);
    LogCapture capture;
    NSUserDefaults::resetStandardUserDefaultsForTesting();
    EXPECT_TRUE(defaults().objectForKey("k").isNull());
    EXPECT_TRUE(capture.contains("is not a regular file"));
    defaults().setObject("v", "k");
    ASSERT_TRUE(defaults().synchronize());
    EXPECT_EQ(PropertyList::readDictionary(file()), Value(Value::Dictionary{{"k", "v"}}));
    EXPECT_EQ(filesInDir().size(), 2u);  // the FIFO is kept aside
}

TEST_F(UserDefaultsTest, ASymlinkedFileIsWrittenThroughToItsTarget) {
    dir_.write("real/settings.plist", PropertyList::toXML(Value(Value::Dictionary{{"k", "old"}})));
    std::filesystem::create_symlink("real/settings.plist", file());
    NSUserDefaults::resetStandardUserDefaultsForTesting();
    EXPECT_EQ(defaults().stringForKey("k"), "old");
    defaults().setObject("new", "k");
    ASSERT_TRUE(defaults().synchronize());
    EXPECT_TRUE(std::filesystem::is_symlink(file()));
    EXPECT_EQ(PropertyList::readDictionary(dir_ / "real/settings.plist"),
              Value(Value::Dictionary{{"k", "new"}}));
    EXPECT_EQ(modeOf(dir_ / "real/settings.plist"), 0600u);

    // A dangling link gets its target created.
    std::filesystem::remove(dir_ / "real/settings.plist");
    NSUserDefaults::resetStandardUserDefaultsForTesting();
    defaults().setObject("again", "k");
    ASSERT_TRUE(defaults().synchronize());
    EXPECT_TRUE(std::filesystem::is_symlink(file()));
    EXPECT_EQ(PropertyList::readDictionary(dir_ / "real/settings.plist"),
              Value(Value::Dictionary{{"k", "again"}}));
}

TEST_F(UserDefaultsTest, ALinkLoopIsAFailedWriteNotAHang) {
    std::filesystem::create_symlink("defaults.plist", file());
    NSUserDefaults::resetStandardUserDefaultsForTesting();
    defaults().setObject("v", "k");
    EXPECT_FALSE(defaults().synchronize());
    EXPECT_EQ(defaults().stringForKey("k"), "v");
}

}  // namespace
}  // namespace fv
