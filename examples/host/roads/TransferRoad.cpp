#include "examples/host/roads/TransferRoad.h"

#include <algorithm>

#include "core/DataModel.h"
#include "core/ScreenNames.h"
#include "examples/host/Walkthrough.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/testing/UserDriver.h"
#include "platform/ui/UITableView.h"

namespace fv {

namespace {

UIViewPtr outlet(const Walkthrough& walk, const std::string& name) {
    return UserDriver::outlet(walk.topScreen(), name);
}

std::string openPicker(const Walkthrough& walk) {
    const auto screen = walk.topScreen();
    if (!screen) return "no screen is showing";
    auto selector = UserDriver::controlWiredTo(screen->view(), screen.get(), "bankAccountSelectionPressed:");
    if (auto problem = UserDriver::tap(selector, "the bank-account selector"); !problem.empty()) return problem;
    if (auto problem = walk.reach(screen::BankAccountsListViewController); !problem.empty()) return problem;
    auto table = std::dynamic_pointer_cast<UITableView>(outlet(walk, "tbl_bankAccs"));
    if (!table || table->visibleCells().empty()) return "the picker lists no account";
    return "";
}

// The picker lists verified accounts only; its first row is the first verified account.
std::string chooseFirstAccount(const Walkthrough& walk) {
    auto table = std::dynamic_pointer_cast<UITableView>(outlet(walk, "tbl_bankAccs"));
    auto cells = table ? table->visibleCells() : std::vector<UITableViewCellPtr>{};
    if (cells.empty()) return "the picker lists no account";
    auto first = *std::min_element(cells.begin(), cells.end(), [](const auto& a, const auto& b) {
        return a->frame().origin.y < b->frame().origin.y;
    });
    if (auto problem = UserDriver::tap(first, "the first account"); !problem.empty()) return problem;
    if (auto problem = walk.reach(screen::CardToBankTransferViewController); !problem.empty()) return problem;
    const auto account = DataModel::sharedInstance()->selectedBankAccount();
    if (!account) return "no account was chosen";
    if (account->status() != "Verified") return "the chosen account is not verified";
    print("   chose " + account->bankName() + " (" + account->nickName() + ")");
    return "";
}

// Keystrokes go to whatever the tap made first responder, as a keyboard's would.
std::string typeAmount(const Walkthrough& walk, const std::string& amount) {
    auto field = outlet(walk, "tfAmount");
    if (auto problem = UserDriver::type(field, amount, "the amount field"); !problem.empty()) return problem;
    const std::string typed = field->valueForKey("text").stringValue();
    if (typed != amount) return "the amount field reads \"" + typed + "\"";
    return "";
}

std::string openConfirmation(const Walkthrough& walk) {
    if (auto problem = UserDriver::tap(outlet(walk, "btn_Next"), "Next"); !problem.empty()) return problem;
    return walk.reach(screen::CardToBankTransferConfirmationViewController);
}

// A finger on the knob's visible end, moved to the far end of the track and lifted.
std::string slideToConfirm(const Walkthrough& walk) {
    auto slider = outlet(walk, "btn_slider");
    if (!slider || !slider->window() || !UserDriver::isShown(slider.get()))
        return "the slider is not on the screen";
    RunLoop::main().runUntilIdle();
    const CGRect b = slider->bounds();
    const double knob = slider->valueForKey("dragPointWidth").asReal().value_or(70.0);
    const CGPoint from = slider->convertPointToView({knob / 2, CGRectGetMidY(b)}, nullptr);
    const CGPoint to = slider->convertPointToView({b.size.width - knob / 2, CGRectGetMidY(b)}, nullptr);
    if (auto problem = UserDriver::drag(from, to, 0.6, 12); !problem.empty()) return "the knob: " + problem;
    if (!UserDriver::waitFor([&] { return slider->valueForKey("unlocked").boolValue(); }, 5.0))
        return "the slider did not unlock";
    // The knob's slide over the track, so that the picture shows the unlocked look.
    RunLoop::main().advance(0.25);
    return "";
}

std::string continueToHost(const Walkthrough& walk) {
    if (auto problem = UserDriver::tap(outlet(walk, "btn_continue"), "Continue"); !problem.empty()) return problem;
    return walk.awaitHost();
}

}  // namespace

bool walkTransfer(Walkthrough& walk, const std::string& amount) {
    const Walkthrough& w = walk;
    return walk.run({
        {"transfer", "\"Transfer to bank\" opens the card-to-bank transfer (SDKManager OpenMyCards)",
         [&] { return w.openRoad("transfer", screen::CardToBankTransferViewController); }},
        {"picker", "the bank-account selector opens the picker of verified accounts", [&] { return openPicker(w); }},
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
