#include <gtest/gtest.h>

#include "SampleBaseScreen.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UITableView.h"
#include "screenkit/ViewModel.h"

namespace fv {
namespace {

class PushScreenTest : public TestHostFixture {
  protected:
    std::shared_ptr<SampleBaseScreen> open() {
        auto screen = SampleBaseScreen::make();
        host.show(screen);
        return screen;
    }
};

TEST_F(PushScreenTest, OpensTheNamedScreenWithWhatItIsHanded) {
    auto screen = open();
    auto next = screen->pushScreen(screen::CardToBankTransferViewController,
                                   ScreenSetup().value("cameFrom", Value(kCameFromMyBankAccounts)));
    ASSERT_NE(next, nullptr);
    host.advance(UIViewControllerTransitionDuration);
    EXPECT_EQ(host.topViewController(), next);
    EXPECT_EQ(next->className(), "CardToBankTransferViewController");
    EXPECT_EQ(next->valueForKey("cameFrom"), Value(kCameFromMyBankAccounts));
}

struct RefusedPush {
    const char* name;
    ScreenName screen;
    ScreenSetup setup;
    const char* fault;
};

class RefusedPushTest : public PushScreenTest, public ::testing::WithParamInterface<RefusedPush> {};

// A push that cannot be done as written is a fault at once, and nothing half-configured is shown.
TEST_P(RefusedPushTest, IsAFaultAndOpensNothing) {
    auto screen = open();
    const auto before = host.navigationStack();
    EXPECT_EQ(screen->pushScreen(GetParam().screen, GetParam().setup), nullptr);
    host.advance(UIViewControllerTransitionDuration);
    EXPECT_EQ(host.navigationStack(), before);
    const auto faults = host.faults().faults();
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_NE(faults[0].find(GetParam().fault), std::string::npos) << faults[0];
    host.faults().clear();
}

// A name no screen of the framework carries, so the case holds whatever screens land.
constexpr ScreenName kUnbuiltScreen{"UnbuiltSampleViewController"};

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedPushTest,
    ::testing::Values(
        RefusedPush{"unregistered", kUnbuiltScreen, {}, "no screen class UnbuiltSampleViewController"},
        RefusedPush{"unknownSetting", screen::CardToBankTransferSuccessViewController,
                    ScreenSetup().value("cameFrom", Value("X")), "takes no \"cameFrom\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PushScreenTest, AScreenAlreadyPoppedOpensNothing) {
    auto screen = SampleBaseScreen::make();
    EXPECT_EQ(screen->pushScreen(screen::CardToBankTransferSuccessViewController), nullptr);
    EXPECT_TRUE(host.faults().faults().empty());
}

TEST(ViewModelTest, KeepsItsDelegateAndRootViewWeakly) {
    auto model = std::make_shared<ViewModel>();
    auto screen = SampleBaseScreen::make();
    model->setDelegate(screen);
    model->setRootView(screen->view());
    EXPECT_EQ(model->delegateAs<LinkLabelDelegate>().get(), static_cast<LinkLabelDelegate*>(screen.get()));
    EXPECT_EQ(model->delegateAs<UITableViewDelegate>(), nullptr);
    EXPECT_EQ(model->rootView(), screen->view());
    screen.reset();
    EXPECT_EQ(model->delegate(), nullptr);
    EXPECT_EQ(model->rootView(), nullptr);
}

}  // namespace
}  // namespace fv
