#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/ScreenRegistry.h"
#include "platform/foundation/Bundle.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UINib.h"

namespace fv {
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

    if (ScreenRegistry::isRegistered(name)) {
        auto screen = ScreenRegistry::screenNamed(name);
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

}  // namespace
}  // namespace fv
