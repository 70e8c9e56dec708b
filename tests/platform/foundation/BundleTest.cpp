#include "platform/foundation/Bundle.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/foundation/Log.h"
#include "tests/support/DataTestDir.h"

namespace fv {
namespace {

// Sets environment variables for one test and restores them afterwards.
class EnvGuard {
  public:
    ~EnvGuard() {
        for (const auto& [name, value] : saved_) {
            if (value)
                ::setenv(name.c_str(), value->c_str(), 1);
            else
                ::unsetenv(name.c_str());
        }
    }
    void set(const std::string& name, const char* value) {
        if (!saved_.count(name)) {
            const char* old = std::getenv(name.c_str());
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        if (value)
            ::setenv(name.c_str(), value, 1);
        else
            ::unsetenv(name.c_str());
    }

  private:
    std::map<std::string, std::optional<std::string>> saved_;
};

class BundleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) env_.set(name, nullptr);
        env_.set("FERNVAULT_MAIN_BUNDLE", dir_.path().c_str());
    }
    EnvGuard env_;
    testing::DataTestDir dir_;
};

TEST_F(BundleTest, PreferredLanguages) {
    EXPECT_EQ(NSBundle::preferredLanguages(), std::vector<std::string>{"en"});
    env_.set("LANG", "de_DE.UTF-8");
    EXPECT_EQ(NSBundle::preferredLanguages(), (std::vector<std::string>{"de-DE", "de", "en"}));
    env_.set("LANGUAGE", "fr_CA:pt");
    env_.set("LC_ALL", "C");
    EXPECT_EQ(NSBundle::preferredLanguages(), (std::vector<std::string>{"fr-CA", "fr", "pt", "en"}));
}

TEST_F(BundleTest, ResourceLookup) {
    dir_.write("theme.plist", "x");
    dir_.write("usadata.plist", "x");
    dir_.write("notes.txt", "x");
    dir_.write("Base.lproj/Screen.xml", "x");
    dir_.write("de.lproj/Screen.xml", "x");
    dir_.write("de.lproj/only.png", "x");
    NSBundle bundle(dir_.path());
    EXPECT_EQ(bundle.pathForResource("theme", "plist"), dir_ / "theme.plist");
    EXPECT_EQ(bundle.pathForResource("theme", ".plist"), dir_ / "theme.plist");
    EXPECT_EQ(bundle.pathForResource("theme.plist", ""), dir_ / "theme.plist");
    EXPECT_FALSE(bundle.pathForResource("theme", "xml"));
    EXPECT_FALSE(bundle.pathForResource(
        "../" + std::filesystem::path(dir_.path()).filename().string() + "/theme", "plist"));
    EXPECT_FALSE(bundle.pathForResource("", "plist"));
    for (const char* outside : {"..", "Base.lproj/../../x", "de.lproj/..", "/etc/passwd"})
        EXPECT_FALSE(bundle.pathForResource(outside, "")) << outside;
    EXPECT_EQ(bundle.pathForResource("Base.lproj/Screen", "xml"), dir_ / "Base.lproj/Screen.xml");
    EXPECT_EQ(bundle.pathForResource("Screen", "xml"), dir_ / "Base.lproj/Screen.xml");
    EXPECT_FALSE(bundle.pathForResource("only", "png"));
    env_.set("LANG", "de_AT.UTF-8");
    EXPECT_EQ(bundle.pathForResource("Screen", "xml"), dir_ / "de.lproj/Screen.xml");
    EXPECT_EQ(bundle.pathForResource("only", "png"), dir_ / "de.lproj/only.png");
    EXPECT_EQ(bundle.pathsForResourcesOfType("plist"),
              (std::vector<std::string>{dir_ / "theme.plist", dir_ / "usadata.plist"}));
}

TEST_F(BundleTest, LocalizedStringsFallBackByLanguageThenKey) {
    dir_.write("de.lproj/Localizable.strings", "\"Done\" = \"Fertig\";");
    dir_.write("en.lproj/Localizable.strings", "\"Done\" = \"Done!\"; \"Back\" = \"Go back\";");
    dir_.write("Base.lproj/Localizable.strings", "\"Base only\" = \"from base\";");
    dir_.write("Localizable.strings", "\"Root only\" = \"from root\";");
    dir_.write("en.lproj/PasswordKit.strings", "\"weak\" = \"Weak password\";");
    dir_.write("en.lproj/Broken.strings", "\"weak\" = ");
    env_.set("LANG", "de_DE.UTF-8");
    auto bundle = NSBundle::mainBundle();
    EXPECT_EQ(NSLocalizedString("Done", ""), "Fertig");
    EXPECT_EQ(NSLocalizedString("Back", ""), "Go back");
    EXPECT_EQ(NSLocalizedString("Base only", ""), "from base");
    EXPECT_EQ(NSLocalizedString("Root only", ""), "from root");
    EXPECT_EQ(NSLocalizedString("Missing key", "a comment"), "Missing key");
    EXPECT_EQ(bundle->localizedStringForKey("Missing key", "Fallback", ""), "Fallback");
    EXPECT_EQ(bundle->localizedStringForKey("weak", "", "PasswordKit"), "Weak password");
    EXPECT_EQ(bundle->localizedStringForKey("weak", "", "NoSuchTable"), "weak");
    EXPECT_EQ(bundle->localizedStringForKey("weak", "", "Broken"), "weak");
}

TEST_F(BundleTest, MainBundleIdentityAndOverrides) {
    dir_.write("Info.plist",
               "<plist><dict><key>CFBundleIdentifier</key><string>com.example.host</string></dict></plist>");
    EXPECT_EQ(NSBundle::mainBundle()->bundleIdentifier(), "com.example.host");
    EXPECT_EQ(NSBundle::mainBundle(), NSBundle::mainBundle());  // one instance per folder

    testing::DataTestDir other;
    env_.set("FERNVAULT_MAIN_BUNDLE", nullptr);
    NSBundle::setMainBundlePath(other.path());
    EXPECT_EQ(NSBundle::mainBundle()->resourcePath(), std::filesystem::canonical(other.path()).string());
    NSBundle::setMainBundlePath("");
    EXPECT_EQ(NSBundle::mainBundle()->resourcePath(),
              std::filesystem::canonical("/proc/self/exe").parent_path().string());
}

TEST_F(BundleTest, RegisteredBundleByIdentifier) {
    const void* anchor = reinterpret_cast<const void*>(&NSBundle::preferredLanguages);
    NSBundle::registerBundle("com.example.library",
                             {"FV_TEST_LIBRARY_BUNDLE", anchor, {"no-such-folder", "resources"}});
    env_.set("FV_TEST_LIBRARY_BUNDLE", dir_.path().c_str());
    auto bundle = NSBundle::bundleWithIdentifier("com.example.library");
    ASSERT_TRUE(bundle);
    EXPECT_EQ(bundle->bundleIdentifier(), "com.example.library");
    EXPECT_EQ(bundle->resourcePath(), std::filesystem::canonical(dir_.path()).string());
    EXPECT_FALSE(NSBundle::bundleWithIdentifier("com.example.other"));
    auto all = NSBundle::allFrameworks();
    EXPECT_NE(std::find(all.begin(), all.end(), bundle), all.end());

    // A variable naming no folder finds nothing rather than falling back to another folder.
    env_.set("FV_TEST_LIBRARY_BUNDLE", (dir_ / "missing").c_str());
    EXPECT_FALSE(NSBundle::bundleWithIdentifier("com.example.library"));
    env_.set("FV_TEST_LIBRARY_BUNDLE", dir_.path().c_str());  // and back: the same bundle again
    EXPECT_EQ(NSBundle::bundleWithIdentifier("com.example.library"), bundle);

    // Without the variable the first folder that exists beside the library is found: the build
    // tree links resources/ there.
    env_.set("FV_TEST_LIBRARY_BUNDLE", nullptr);
    bundle = NSBundle::bundleWithIdentifier("com.example.library");
    ASSERT_TRUE(bundle);
    EXPECT_EQ(bundle->resourcePath(), std::filesystem::canonical(FV_SOURCE_DIR "/resources").string());

    // Registering again moves it; a bundle whose folder is missing is not among the frameworks.
    NSBundle::registerBundle("com.example.library", {"", anchor, {"no-such-folder"}});
    EXPECT_FALSE(NSBundle::bundleWithIdentifier("com.example.library"));
    all = NSBundle::allFrameworks();
    for (const auto& b : all) EXPECT_NE(b->bundleIdentifier(), "com.example.library");
}

// Every resource the framework loads looks for its bundle: a variable naming no folder is said once
// for each value it takes, not once per look, and the folder is still looked for.
TEST_F(BundleTest, AVariableNamingNoFolderIsSaidOncePerValue) {
    NSBundle::registerBundle("com.example.missing",
                             {"FV_TEST_MISSING_BUNDLE",
                              reinterpret_cast<const void*>(&NSBundle::preferredLanguages),
                              {"resources"}});
    const std::string first = dir_ / "first";
    const std::string second = dir_ / "second";
    LogCapture console;
    env_.set("FV_TEST_MISSING_BUNDLE", first.c_str());
    for (int look = 0; look < 5; ++look) EXPECT_FALSE(NSBundle::bundleWithIdentifier("com.example.missing"));
    env_.set("FV_TEST_MISSING_BUNDLE", second.c_str());
    for (int look = 0; look < 3; ++look) EXPECT_FALSE(NSBundle::bundleWithIdentifier("com.example.missing"));
    env_.set("FV_TEST_MISSING_BUNDLE", first.c_str());
    EXPECT_FALSE(NSBundle::bundleWithIdentifier("com.example.missing"));
    EXPECT_EQ(console.lines(),
              (std::vector<std::string>{"FV_TEST_MISSING_BUNDLE names no folder: " + first,
                                        "FV_TEST_MISSING_BUNDLE names no folder: " + second}));

    std::filesystem::create_directories(first);
    const auto bundle = NSBundle::bundleWithIdentifier("com.example.missing");
    ASSERT_TRUE(bundle);
    EXPECT_EQ(bundle->resourcePath(), std::filesystem::canonical(first).string());
}

void anchorInThisProgram() {}
void otherFunctionInThisProgram() {}

// Code finds its own library's bundle from any of its functions, and nothing for a library that
// registered none.
TEST_F(BundleTest, BundleForTheLibraryHoldingAnAddress) {
    NSBundle::registerBundle(
        "com.example.program",
        {"FV_TEST_PROGRAM_BUNDLE", reinterpret_cast<const void*>(&anchorInThisProgram), {}});
    env_.set("FV_TEST_PROGRAM_BUNDLE", dir_.path().c_str());
    const auto bundle =
        NSBundle::bundleForAddress(reinterpret_cast<const void*>(&otherFunctionInThisProgram));
    ASSERT_TRUE(bundle);
    EXPECT_EQ(bundle->bundleIdentifier(), "com.example.program");
    EXPECT_FALSE(NSBundle::bundleForAddress(::dlsym(RTLD_DEFAULT, "getpid")));  // the C library's
    EXPECT_FALSE(NSBundle::bundleForAddress(nullptr));
}

}  // namespace
}  // namespace fv
