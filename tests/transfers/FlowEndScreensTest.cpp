#include <gtest/gtest.h>

#include <memory>

#include "CardToCardConfirmationTestSupport.h"
#include "TransferTestSupport.h"
#include "core/ThemeManager.h"
#include "platform/testing/TestHost.h"
#include "transfers/CardToBankTransferSuccessViewController.h"
#include "transfers/TransferSuccessViewController.h"

namespace fv::transfers_test {
namespace {

// ---- CardToBankTransferSuccessViewController, reached by sliding its confirmation ----

class CardToBankSuccessTest : public CardToBankRoadTest {
  protected:
    std::shared_ptr<CardToBankTransferSuccessViewController> slideThrough(
        const std::shared_ptr<Confirmation>& confirmation) {
        if (!confirmation) return nullptr;
        slide(confirmation, 320);
        if (!waitForUnlock(confirmation)) return nullptr;
        host.advance(1.5);
        return std::dynamic_pointer_cast<CardToBankTransferSuccessViewController>(host.topViewController());
    }
};

TEST_F(CardToBankSuccessTest, ShowsTheMainColourAndContinueEndsTheFlow) {
    auto success = slideThrough(openConfirmation());
    ASSERT_TRUE(success);
    EXPECT_TRUE(colorsEqual(success->view_navbar.get()->backgroundColor(),
                            ThemeManager::sharedInstance()->main_color()));

    ASSERT_TRUE(host.tap(success->btn_continue.get()));
    settle();
    ASSERT_EQ(host.navigationStack().size(), 1u);
    EXPECT_EQ(host.topViewController(), host.rootScreen());
}

TEST_F(CardToBankSuccessTest, LooksAsDesigned) {
    ASSERT_TRUE(slideThrough(openFilledInConfirmation()));
    EXPECT_TRUE(host.snapshot("card_to_bank_success"));
}

// ---- TransferSuccessViewController, reached by sliding its confirmation ----

class CardToCardSuccessTest : public CardToCardConfirmationTest {
  protected:
    std::shared_ptr<TransferSuccessViewController> openSuccess() {
        auto confirmation = openConfirmation();
        if (!confirmation) return nullptr;
        slideToTheEnd(confirmation);
        host.advance(1.1);
        auto success = std::dynamic_pointer_cast<TransferSuccessViewController>(host.topViewController());
        host.advance(0.5);
        return success;
    }
};

TEST_F(CardToCardSuccessTest, ShowsTheHeaderColourAndAClearButtonAndContinueEndsTheFlow) {
    auto success = openSuccess();
    ASSERT_TRUE(success);
    EXPECT_TRUE(isHeaderColor(success->view_navbar.get()->backgroundColor()));
    EXPECT_TRUE(colorsEqual(success->btn_continue.get()->backgroundColor(), UIColor::clearColor()));
    EXPECT_TRUE(host.snapshot("card_to_card_success"));

    ASSERT_TRUE(host.tap(success->btn_continue.get()));
    host.advance(0.5);
    ASSERT_EQ(host.navigationStack().size(), 1u);
    EXPECT_EQ(host.topViewController(), host.rootScreen());
}

}  // namespace
}  // namespace fv::transfers_test
