#include <gtest/gtest.h>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/ResetHooks.h"
#include "platform/net/TrustedAuthorities.h"
#include "platform/testing/LoopbackServer.h"
#include "platform/testing/MainBundleFixture.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/UIDevice.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIScreen.h"

namespace fv {
namespace {

struct ScreenCase {
    const char* name;
    TestScreen screen;
    CGFloat width, height, scale;
    UIUserInterfaceIdiom idiom;
};

class TestHostScreen : public TestHostFixture, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(TestHostScreen, ScreenDeviceAndWindowTakeTheShapeAsked) {
    const auto& c = GetParam();
    host.useScreen(c.screen);
    EXPECT_EQ(UIScreen::mainScreen()->bounds().size.width, c.width);
    EXPECT_EQ(UIScreen::mainScreen()->bounds().size.height, c.height);
    EXPECT_EQ(UIScreen::mainScreen()->scale(), c.scale);
    EXPECT_EQ(UIDevice::currentDevice()->userInterfaceIdiom(), c.idiom);
    EXPECT_EQ(host.window()->frame().size.width, c.width);
    EXPECT_EQ(host.window()->frame().size.height, c.height);
    EXPECT_EQ(host.topViewController()->view()->frame().size.width, c.width)
        << "the screens are laid out again";
}

INSTANTIATE_TEST_SUITE_P(
    Devices, TestHostScreen,
    ::testing::Values(ScreenCase{"Phone375", TestScreen::Phone375, 375, 667, 2.0, UIUserInterfaceIdiomPhone},
                      ScreenCase{"Phone320", TestScreen::Phone320, 320, 568, 2.0, UIUserInterfaceIdiomPhone},
                      ScreenCase{"Phone414", TestScreen::Phone414, 414, 896, 3.0, UIUserInterfaceIdiomPhone},
                      ScreenCase{"Pad", TestScreen::Pad, 768, 1024, 2.0, UIUserInterfaceIdiomPad}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TestHostReset, WhatOneTestChangesIsBackForTheNext) {
    std::string locale;
    {
        TestHost host;
        locale = NSLocale::currentLocaleIdentifier();
        host.useScreen(TestScreen::Pad);
        NSLocale::setCurrentLocaleIdentifier("de_DE");
        NSBundle::setMainBundlePath("/nonexistent/host");
        Keyboard::show();
        test::LoopbackServer::trustTestAuthority();
        ASSERT_TRUE(Keyboard::isVisible());
        host.finish();
    }
    TestHost next;
    EXPECT_EQ(NSLocale::currentLocaleIdentifier(), locale);
    EXPECT_NE(NSBundle::mainBundle()->bundlePath(), "/nonexistent/host");
    EXPECT_FALSE(Keyboard::isVisible());
    EXPECT_EQ(TrustedAuthorities::count(), 0u);
    EXPECT_EQ(UIScreen::mainScreen()->bounds().size.width, 375);
    EXPECT_EQ(UIDevice::currentDevice()->userInterfaceIdiom(), UIUserInterfaceIdiomPhone);
    auto names = ResetHooks::names();
    for (const char* name :
         {"foundation.locale", "foundation.mainBundle", "ui.keyboard", "net.trustedAuthorities"})
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
}

class MainBundleFixtureTest : public TestHostFixture {
  protected:
    test::MainBundleFixture bundle;
};

TEST_F(MainBundleFixtureTest, ServesTheInfoAndStringsTheTestSets) {
    bundle.setInfo("CFBundleIdentifier", Value("com.example.host"));
    bundle.setString("Service Failed", "Le \"service\" a échoué", "Localizable", "en");
    EXPECT_EQ(NSBundle::mainBundle()->bundleIdentifier(), "com.example.host");
    EXPECT_EQ(NSLocalizedString("Service Failed", ""), "Le \"service\" a échoué");
    EXPECT_EQ(NSLocalizedString("Missing key", ""), "Missing key");

    // A change after the first lookup is seen, too.
    bundle.setString("Service Failed", "Échec", "Localizable", "en");
    bundle.setString("Title", "Tabelle", "Other", "Base");
    bundle.setInfo("CFBundleIdentifier", Value("com.example.other"));
    EXPECT_EQ(NSLocalizedString("Service Failed", ""), "Échec");
    EXPECT_EQ(NSBundle::mainBundle()->localizedStringForKey("Title", "", "Other"), "Tabelle");
    EXPECT_EQ(NSBundle::mainBundle()->bundleIdentifier(), "com.example.other");

    bundle.setResource("hello.txt", "hi");
    EXPECT_TRUE(NSBundle::mainBundle()->pathForResource("hello", "txt"));
}

TEST(MainBundleFixtureEnd, PutsTheMainBundleBack) {
    std::string before = NSBundle::mainBundle()->bundlePath();
    {
        test::MainBundleFixture bundle;
        EXPECT_NE(NSBundle::mainBundle()->bundlePath(), before);
    }
    EXPECT_EQ(NSBundle::mainBundle()->bundlePath(), before);
}

}  // namespace
}  // namespace fv
