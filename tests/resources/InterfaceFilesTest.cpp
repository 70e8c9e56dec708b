#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/FrameworkResources.h"
#include "core/ScreenRegistry.h"
#include "platform/foundation/Bundle.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UINib.h"

namespace fv {

void PrintTo(const ScreenNameEntry& entry, std::ostream* out) {
    *out << entry.name.className << (entry.built ? " (built)" : " (not built yet)");
}

namespace {

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

class ScreenNameTest : public ::testing::TestWithParam<ScreenNameEntry> {};

// A built screen that lost its class or its file, or a screen that landed without saying so, would
// leave a stack empty or a push refused only when a user gets there.
TEST_P(ScreenNameTest, BuiltScreensAreRegisteredWithAnInterfaceFileAndOthersAreNeither) {
    const auto& entry = GetParam();
    const std::string name = entry.name.className;
    if (entry.built) {
        EXPECT_TRUE(ScreenRegistry::isRegistered(entry.name)) << name << " is not a registered screen";
        EXPECT_TRUE(hasInterfaceFile(name)) << name << " has no interface file";
    } else {
        EXPECT_FALSE(ScreenRegistry::isRegistered(entry.name)) << name << " has landed: mark it built";
        EXPECT_FALSE(hasInterfaceFile(name)) << name << " has an interface file: mark it built";
    }
}

INSTANTIATE_TEST_SUITE_P(ScreenNames, ScreenNameTest, ::testing::ValuesIn(kScreenNames),
                         [](const auto& info) { return std::string(info.param.name.className); });

TEST(ScreenNamesTest, EveryScreenInTheBundleIsNamed) {
    for (const auto& file : interfaceFileNames()) {
        if (!ClassRegistry::isSubclass(file, UIViewController::staticClassName())) continue;
        bool named = false;
        for (const auto& entry : kScreenNames) named = named || (entry.built && file == entry.name.className);
        EXPECT_TRUE(named) << file << " is missing from core/ScreenNames.h";
    }
}

}  // namespace
}  // namespace fv
