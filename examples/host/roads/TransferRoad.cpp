#include "examples/host/roads/TransferRoad.h"

#include "core/DataModel.h"
#include "core/ScreenNames.h"
#include "examples/host/Walkthrough.h"
#include "examples/host/roads/TransferSteps.h"
#include "platform/foundation/Log.h"
#include "platform/testing/UserDriver.h"
#include "platform/ui/UITableView.h"

namespace fv {

namespace {

std::string openPicker(const Walkthrough& walk) {
    const auto screen = walk.topScreen();
    if (!screen) return "no screen is showing";
    auto selector = UserDriver::controlWiredTo(screen->view(), screen.get(), "bankAccountSelectionPressed:");
    if (auto problem = UserDriver::tap(selector, "the bank-account selector"); !problem.empty())
        return problem;
    if (auto problem = walk.reach(screen::BankAccountsListViewController); !problem.empty()) return problem;
    auto table = std::dynamic_pointer_cast<UITableView>(topOutlet(walk, "tbl_bankAccs"));
    if (!table || table->visibleCells().empty()) return "the picker lists no account";
    return "";
}

// The picker lists verified accounts only; its first row is the first verified account.
std::string chooseFirstAccount(const Walkthrough& walk) {
    auto table = std::dynamic_pointer_cast<UITableView>(topOutlet(walk, "tbl_bankAccs"));
    auto first = topmostRow(table);
    if (!first) return "the picker lists no account";
    if (auto problem = UserDriver::tap(first, "the first account"); !problem.empty()) return problem;
    if (auto problem = walk.reach(screen::CardToBankTransferViewController); !problem.empty()) return problem;
    const auto account = DataModel::sharedInstance()->selectedBankAccount();
    if (!account) return "no account was chosen";
    if (account->status() != "Verified") return "the chosen account is not verified";
    print("   chose " + account->bankName() + " (" + account->nickName() + ")");
    return "";
}

std::string openConfirmation(const Walkthrough& walk) {
    if (auto problem = UserDriver::tap(topOutlet(walk, "btn_Next"), "Next"); !problem.empty()) return problem;
    return walk.reach(screen::CardToBankTransferConfirmationViewController);
}

}  // namespace

bool walkTransfer(Walkthrough& walk, const std::string& amount) {
    const Walkthrough& w = walk;
    return walk.run({
        {"transfer", "\"Transfer to bank\" opens the card-to-bank transfer (SDKManager OpenMyCards)",
         [&] { return w.openRoad("transfer", screen::CardToBankTransferViewController); }},
        {"picker", "the bank-account selector opens the picker of verified accounts",
         [&] { return openPicker(w); }},
        {"account", "the first verified account is chosen and shown on the transfer screen",
         [&] { return chooseFirstAccount(w); }},
        {"amount", "the amount " + amount + " is typed", [&] { return typeAmount(w, amount); }},
        {"confirmation", "Next opens the confirmation", [&] { return openConfirmation(w); }},
        {"slide", "the knob slid to the end unlocks the slider", [&] { return slideToConfirm(w); }},
        {"success", "the success screen follows",
         [&] { return w.reach(screen::CardToBankTransferSuccessViewController); }},
        {"back", "Continue returns to the host's first screen", [&] { return continueToHost(w); }},
    });
}

}  // namespace fv
