#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/foundation/Locale.h"
#include "platform/foundation/ResetHooks.h"

namespace fv {
namespace {

TEST(ResetHooksTest, RunsEveryHookInTheOrderOfFirstRegistrationAndALaterOneReplaces) {
    std::vector<std::string> ran;
    ResetHooks::add("test.first", [&] { ran.push_back("first"); });
    ResetHooks::add("test.second", [&] { ran.push_back("second"); });
    ResetHooks::add("test.first", [&] { ran.push_back("first again"); });
    ResetHooks::runAll();
    auto first = std::find(ran.begin(), ran.end(), "first again");
    auto second = std::find(ran.begin(), ran.end(), "second");
    ASSERT_NE(first, ran.end());
    ASSERT_NE(second, ran.end());
    EXPECT_LT(first, second);
    EXPECT_EQ(std::count(ran.begin(), ran.end(), "first"), 0);

    auto names = ResetHooks::names();
    EXPECT_EQ(std::count(names.begin(), names.end(), "test.first"), 1);
    // Cleared so the captured vector is never reached after this test.
    ResetHooks::add("test.first", nullptr);
    ResetHooks::add("test.second", nullptr);
    ResetHooks::runAll();
}

TEST(ResetHooksTest, AHookMayRegisterAnotherWhileRunning) {
    int inner = 0;
    ResetHooks::add("test.outer", [&] { ResetHooks::add("test.inner", [&] { ++inner; }); });
    ResetHooks::runAll();
    ResetHooks::runAll();
    EXPECT_EQ(inner, 1);
    ResetHooks::add("test.outer", nullptr);
    ResetHooks::add("test.inner", nullptr);
}

TEST(ResetHooksTest, FoundationPutsBackTheLocaleAndTheMainBundle) {
    auto names = ResetHooks::names();
    for (const char* name : {"foundation.locale", "foundation.mainBundle"})
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
    std::string fromEnvironment = NSLocale::currentLocaleIdentifier();
    NSLocale::setCurrentLocaleIdentifier("fr_CA");
    ResetHooks::runAll();
    EXPECT_EQ(NSLocale::currentLocaleIdentifier(), fromEnvironment);
}

}  // namespace
}  // namespace fv
