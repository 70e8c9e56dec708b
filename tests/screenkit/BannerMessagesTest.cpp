#include <gtest/gtest.h>

#include "SampleBaseScreen.h"
#include "platform/testing/TestHost.h"
#include "screenkit/BannerMessages.h"

namespace fv {
namespace {

class BannerMessagesTest : public TestHostFixture {};

// Banners waiting behind one whose window was torn down belong to screens that are gone: a stale
// "Changes Saved" must not stand in front of the next screen's own banner.
TEST_F(BannerMessagesTest, BannersOfATornDownWindowNeverShowLater) {
    auto screen = SampleBaseScreen::make();
    host.show(screen);
    screen->CreateNotification("Changes Saved", std::nullopt, BannerMessageTypeSuccess);
    screen->CreateNotification("Card Locked", std::nullopt, BannerMessageTypeInfo);
    host.advance(BannerMessages::kSlideDuration);
    ASSERT_EQ(BannerMessages::waitingCount(), 1u);
    screen.reset();
    host.finish();

    TestHost next;
    auto again = SampleBaseScreen::make();
    next.show(again);
    again->CreateNotification("Changes Not Saved", std::nullopt, BannerMessageTypeError);
    std::vector<std::string> shown;
    for (int step = 0; step < 40; ++step) {
        for (const auto& banner : BannerMessages::visibleBanners()) {
            if (shown.empty() || shown.back() != banner.title) shown.push_back(banner.title);
        }
        next.advance(BannerMessages::kSlideDuration);
    }
    EXPECT_EQ(shown, std::vector<std::string>{"Changes Not Saved"});
    EXPECT_EQ(BannerMessages::waitingCount(), 0u);
    EXPECT_TRUE(next.overlayWindows().empty());
}

}  // namespace
}  // namespace fv
