#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "core/FrameworkResources.h"
#include "core/ScreenRegistry.h"
#include "platform/foundation/Bundle.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UINib.h"

namespace fv {

void PrintTo(const ScreenName& name, std::ostream* out) {
    *out << name.className;
}

namespace {

namespace fs = std::filesystem;

std::string readText(const fs::path& path) {
    std::ifstream in(path);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The class names the framework bundle's interface files are named after.
std::vector<std::string> interfaceFileNames() {
    std::vector<std::string> names;
    if (auto bundle = frameworkBundle())
        for (const auto& path : bundle->pathsForResourcesOfType("xml"))
            names.push_back(std::filesystem::path(path).stem().string());
    return names;
}

std::string loadErrorText() {
    std::string text;
    for (const auto& error : UINib::loadErrors()) text += "\n  " + error;
    return text;
}

class InterfaceFileTest : public TestHostFixture, public ::testing::WithParamInterface<std::string> {};

// A file whose class forgot to register itself, or whose outlets and actions drifted from the code,
// would only show up when a user reaches that screen.
TEST_P(InterfaceFileTest, BelongsToARegisteredClassAndLoadsWithoutErrors) {
    const std::string& name = GetParam();
    UINib::clearLoadErrors();
    ASSERT_NE(ClassRegistry::find(name), nullptr) << name << " is not registered";

    if (ScreenRegistry::isRegistered(ScreenName{name.c_str()})) {
        auto screen = ScreenRegistry::screenNamed(ScreenName{name.c_str()});
        ASSERT_NE(screen, nullptr);
        host.show(screen);
        EXPECT_EQ(host.topViewController(), screen);
        screen->view()->layoutIfNeeded();
    } else {
        ASSERT_TRUE(ClassRegistry::isSubclass(name, "UITableViewCell") ||
                    ClassRegistry::isSubclass(name, "UICollectionViewCell"))
            << name << " is neither a screen nor a cell";
        auto nib = UINib::nibWithNibName(name, frameworkBundle());
        ASSERT_NE(nib, nullptr);
        const auto objects = nib->instantiateWithOwner(nullptr);
        ASSERT_EQ(objects.size(), 1u);
        EXPECT_EQ(objects.front()->className(), name);
    }
    EXPECT_TRUE(UINib::loadErrors().empty()) << loadErrorText();
}

INSTANTIATE_TEST_SUITE_P(FrameworkBundle, InterfaceFileTest, ::testing::ValuesIn(interfaceFileNames()),
                         [](const auto& info) { return info.param; });

bool hasInterfaceFile(const std::string& name) {
    auto bundle = frameworkBundle();
    return bundle && bundle->pathForResource(name, "xml").has_value();
}

// The classes a framework class derives from, nearest first, read from the headers named after them.
std::vector<std::string> basesOf(const std::string& className) {
    static const std::vector<std::string> folders = {"core",       "screenkit", "controls",  "cards",
                                                     "onboarding", "banking",   "transfers", "locations"};
    std::vector<std::string> bases;
    for (std::string name = className; bases.size() < 8;) {
        std::string text;
        for (const auto& folder : folders)
            for (const auto& entry : fs::recursive_directory_iterator(fs::path(FV_SOURCE_DIR) / folder))
                if (entry.path().filename() == name + ".h") text = readText(entry.path());
        std::smatch m;
        const std::regex declaration("class\\s+" + name + "\\s*(?:final\\s*)?:\\s*public\\s+(\\w+)");
        if (text.empty() || !std::regex_search(text, m, declaration)) break;
        name = m[1];
        bases.push_back(name);
    }
    return bases;
}

// Where a screen's tests are found: "<Class>Test.cpp", or "<Base>ScreensTest.cpp" naming the screen
// for screens sharing a base, the base's trailing "Base" or "ViewController" left out too ("TitleBarBase"
// gives "TitleBarScreensTest.cpp", "CameraCaptureViewController" "CameraCaptureScreensTest.cpp").
bool hasTestNamedAfterIt(const std::string& className) {
    std::set<std::string> accepted;
    for (const auto& base : basesOf(className)) {
        accepted.insert(base + "ScreensTest.cpp");
        for (const std::string suffix : {"Base", "ViewController"})
            if (base.size() > suffix.size() && base.ends_with(suffix))
                accepted.insert(base.substr(0, base.size() - suffix.size()) + "ScreensTest.cpp");
    }
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(FV_SOURCE_DIR) / "tests")) {
        const std::string file = entry.path().filename().string();
        if (file == className + "Test.cpp") return true;
        if (accepted.count(file) && readText(entry.path()).find(className) != std::string::npos) return true;
    }
    return false;
}

class ScreenNameTest : public ::testing::TestWithParam<ScreenName> {};

// A named screen that lost its class, its file or its tests would leave a stack empty, a push refused
// or a screen unchecked only when a user gets there.
TEST_P(ScreenNameTest, IsRegisteredWithAnInterfaceFileAndATestNamedAfterIt) {
    const std::string name = GetParam().className;
    EXPECT_TRUE(ScreenRegistry::isRegistered(GetParam())) << name << " is not a registered screen";
    EXPECT_TRUE(hasInterfaceFile(name)) << name << " has no interface file";
    EXPECT_TRUE(hasTestNamedAfterIt(name))
        << name << " has no " << name << "Test.cpp, nor a screens test of its base naming it";
}

INSTANTIATE_TEST_SUITE_P(ScreenNames, ScreenNameTest, ::testing::ValuesIn(kScreenNames),
                         [](const auto& info) { return std::string(info.param.className); });

TEST(ScreenNamesTest, EveryScreenInTheBundleIsNamed) {
    for (const auto& file : interfaceFileNames()) {
        if (!ClassRegistry::isSubclass(file, UIViewController::staticClassName())) continue;
        bool named = false;
        for (const auto& name : kScreenNames) named = named || file == name.className;
        EXPECT_TRUE(named) << file << " is missing from core/ScreenNames.h";
    }
}

}  // namespace
}  // namespace fv
