#include "platform/kits/DeviceInfo.h"

#include <gtest/gtest.h>

#include "KitTestSupport.h"
#include "platform/foundation/ResetHooks.h"
#include "platform/ui/UIDevice.h"
#include "platform/ui/UIScreen.h"

namespace fv {
namespace {

struct ScreenCase {
    CGSize size;
    UIUserInterfaceIdiom idiom;
    int code;
};

class DeviceInfoTest : public KitTest {
  protected:
    void TearDown() override {
        UIScreen::mainScreen()->reset();
        UIDevice::currentDevice()->reset();
        KitTest::TearDown();
    }
};

class DeviceInfoScreenTest : public DeviceInfoTest, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(DeviceInfoScreenTest, CodeFollowsTheScreen) {
    UIScreen::mainScreen()->setBounds({{0, 0}, GetParam().size});
    UIDevice::currentDevice()->setUserInterfaceIdiom(GetParam().idiom);
    EXPECT_EQ(DeviceInfo::deviceSize(), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Screens, DeviceInfoScreenTest,
                         ::testing::Values(ScreenCase{{320, 480}, UIUserInterfaceIdiomPhone, 0},
                                           ScreenCase{{320, 568}, UIUserInterfaceIdiomPhone, 1},
                                           ScreenCase{{375, 667}, UIUserInterfaceIdiomPhone, 2},
                                           ScreenCase{{667, 375}, UIUserInterfaceIdiomPhone, 2},
                                           ScreenCase{{414, 736}, UIUserInterfaceIdiomPhone, 3},
                                           ScreenCase{{375, 812}, UIUserInterfaceIdiomPhone, 4},
                                           ScreenCase{{414, 896}, UIUserInterfaceIdiomPhone, 4},
                                           ScreenCase{{768, 1024}, UIUserInterfaceIdiomPad, 5}));

TEST_F(DeviceInfoTest, TestsMayFixTheCodeUntilReset) {
    DeviceInfo::setDeviceSize(4);
    EXPECT_EQ(DeviceInfo::deviceSize(), 4);
    DeviceInfo::setDeviceSize(std::nullopt);
    EXPECT_EQ(DeviceInfo::deviceSize(), DeviceInfo::screen4Dot7Inch);
    DeviceInfo::setDeviceSize(1);
    DeviceInfo::reset();
    EXPECT_EQ(DeviceInfo::deviceSize(), DeviceInfo::screen4Dot7Inch);
}

TEST_F(DeviceInfoTest, TheTestHostsResetHooksPutEveryKitBack) {
    DeviceInfo::setDeviceSize(4);
    DropList::appearance().setTextFont(UIFont::systemFontOfSize(30));
    auto anchor = UIView::create({{0, 100}, {100, 40}});
    host.rootScreen()->view()->addSubview(anchor);
    auto list = DropList::create();
    list->setAnchorView(anchor);
    list->dataSource = {"One"};
    ASSERT_TRUE(list->show());
    auto popup = DatePickerPopup::create(nullptr, nullptr, nullptr, "", true);
    popup->show("T", "Done", "Cancel", Date{0}, std::nullopt, std::nullopt, DatePickerPopup::Mode::date,
                nullptr);
    BankLinkViewController::setScriptedOutcome(BankLinkViewController::Outcome::exit());

    ResetHooks::runAll();
    EXPECT_EQ(DeviceInfo::deviceSize(), DeviceInfo::screen4Dot7Inch);
    EXPECT_EQ(DropList::appearance().textFont()->pointSize(), 15);
    EXPECT_EQ(DropList::visibleList(), nullptr);
    EXPECT_EQ(DatePickerPopup::visiblePopup(), nullptr);
    EXPECT_TRUE(host.overlayWindows().empty());
    // No script left: a link screen waits for the user.
    auto screen = UIViewController::create();
    host.show(screen);
    auto link = BankLinkViewController::create({}, nullptr);
    screen->presentViewController(link, false);
    host.advance(1);
    EXPECT_FALSE(link->hasReported());
}

}  // namespace
}  // namespace fv
