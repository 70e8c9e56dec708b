#pragma once
// The card-to-card confirmation as its transfer screen leaves it, and its slider pushed to the end, for
// the tests of the confirmation and of the success screen after it.
#include <gtest/gtest.h>

#include <memory>

#include "core/ScreenRegistry.h"
#include "core/ThemeManager.h"
#include "platform/testing/TestHost.h"
#include "transfers/TransferConfirmationViewController.h"

namespace fv::transfers_test {

class CardToCardConfirmationTest : public TestHostFixture {
  protected:
    void SetUp() override { host.navigationController()->setNavigationBarHidden(true); }

    // The confirmation as the card-to-card transfer screen leaves it: one screen above the root.
    std::shared_ptr<TransferConfirmationViewController> openConfirmation() {
        host.show(UIViewController::create());
        auto screen = std::dynamic_pointer_cast<TransferConfirmationViewController>(
            ScreenRegistry::screenNamed(screen::TransferConfirmationViewController));
        if (screen) host.show(screen);
        return screen;
    }

    void slideToTheEnd(const std::shared_ptr<TransferConfirmationViewController>& screen) {
        auto slider = screen->btn_slider.get();
        const CGFloat x = slider->dragPointWidth() / 2, y = slider->bounds().size.height / 2;
        ASSERT_TRUE(host.drag(slider, {x, y}, {x + 320, y}, 400));
        for (int i = 0; i < 100 && slider->isUserInteractionEnabled(); ++i) host.advance(0.01);
        ASSERT_FALSE(slider->isUserInteractionEnabled());
    }

    static bool isHeaderColor(const UIColorPtr& color) {
        return colorsEqual(color, ThemeManager::sharedInstance()->header_color()) &&
               !colorsEqual(color, ThemeManager::sharedInstance()->main_color());
    }
};

}  // namespace fv::transfers_test
