#pragma once
// Opening the card-to-bank road the way a host does, for the tests of this folder.
#include <memory>

#include "core/DataModel.h"
#include "core/SDKManager.h"
#include "platform/testing/TestHost.h"
#include "transfers/CardToBankTransferViewController.h"

namespace fv::transfers_test {

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

}  // namespace fv::transfers_test
