#pragma once
// Opening the card-to-bank road the way a host does, up to its confirmation, for the tests of this
// folder.
#include <memory>
#include <string>

#include "core/BankAccountModel.h"
#include "core/DataModel.h"
#include "core/SDKManager.h"
#include "platform/testing/TestHost.h"
#include "transfers/CardToBankTransferConfirmationViewController.h"
#include "transfers/CardToBankTransferViewController.h"

namespace fv::transfers_test {

// The back (or side-menu) button of the transfer screens and their confirmations, in window coordinates.
inline constexpr CGPoint kBackButton{32, 42};

class TransferRoadTest : public TestHostFixture {
  protected:
    void SetUp() override {
        DataModel::sharedInstance()->setSelectedBankAccount(nullptr);
        // Hosts hide their own bar: the framework's screens draw their own header.
        host.navigationController()->setNavigationBarHidden(true);
    }

    // SDKManager.OpenMyCards on the host's navigation controller, the push played out.
    std::shared_ptr<CardToBankTransferViewController> openMyCards() {
        SDKManager::sharedInstance()->OpenMyCards(host.navigationController());
        settle();
        return std::dynamic_pointer_cast<CardToBankTransferViewController>(host.topViewController());
    }

    // Lets an animated push or pop finish.
    void settle() { host.advance(0.5); }

    UITextFieldPtr amountField(const std::shared_ptr<CardToBankTransferViewController>& screen) {
        return screen->tfAmount.get();
    }
};

class CardToBankRoadTest : public TransferRoadTest {
  protected:
    using Confirmation = CardToBankTransferConfirmationViewController;

    std::shared_ptr<Confirmation> openConfirmation() {
        auto screen = openMyCards();
        if (!screen) return nullptr;
        host.tap(screen->btn_Next.get());
        settle();
        return std::dynamic_pointer_cast<Confirmation>(host.topViewController());
    }

    // Drags the knob from its rest position by `distance` points, then lets the slide play out.
    void slide(const std::shared_ptr<Confirmation>& screen, CGFloat distance) {
        auto slider = screen->btn_slider.get();
        const CGFloat x = slider->dragPointWidth() / 2, y = slider->bounds().size.height / 2;
        ASSERT_TRUE(host.drag(slider, {x, y}, {x + distance, y}, 400));
    }

    // What the picker stores when the user chooses an account.
    static void selectHarborPointAccount() {
        auto account = std::make_shared<BankAccountModel>();
        account->setBankName("Harbor Point Bank");
        account->setAccountNumber("XXXXXX4821");
        DataModel::sharedInstance()->setSelectedBankAccount(account);
    }

    // The transfer as the pictures show it: an account chosen and an amount typed.
    static void fillIn(const std::shared_ptr<CardToBankTransferViewController>& screen) {
        selectHarborPointAccount();
        screen->setDefaultSelection();
        screen->tfAmount.get()->setText(std::string("250.00"));
    }

    // The confirmation of a filled-in transfer, as the pictures show it.
    std::shared_ptr<Confirmation> openFilledInConfirmation() {
        auto screen = openMyCards();
        if (!screen) return nullptr;
        fillIn(screen);
        host.tap(screen->btn_Next.get());
        settle();
        return std::dynamic_pointer_cast<Confirmation>(host.topViewController());
    }

    // Advances in small steps until the slider goes inert; false if it never does within `limit`.
    bool waitForUnlock(const std::shared_ptr<Confirmation>& screen, double limit = 1.0) {
        for (double t = 0; t < limit; t += 0.01) {
            if (!screen->btn_slider.get()->isUserInteractionEnabled()) return true;
            host.advance(0.01);
        }
        return false;
    }
};

}  // namespace fv::transfers_test
