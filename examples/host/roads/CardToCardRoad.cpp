#include "examples/host/roads/CardToCardRoad.h"

#include "core/DataModel.h"
#include "core/ScreenNames.h"
#include "examples/host/Walkthrough.h"
#include "examples/host/roads/TransferSteps.h"
#include "platform/foundation/Log.h"
#include "platform/testing/UserDriver.h"
#include "platform/ui/UISearchBar.h"

namespace fv {

namespace {

std::string openRecipients(const Walkthrough& walk) {
    const auto screen = walk.topScreen();
    if (!screen) return "no screen is showing";
    auto selector = UserDriver::controlWiredTo(screen->view(), screen.get(), "recipientSelectionPressed:");
    if (auto problem = UserDriver::tap(selector, "the recipient selector"); !problem.empty()) return problem;
    if (auto problem = walk.reach(screen::RecipientListViewController); !problem.empty()) return problem;
    if (!topmostRow(std::dynamic_pointer_cast<UITableView>(topOutlet(walk, "tbl_recipient"))))
        return "the list shows no recipient";
    return "";
}

std::string searchFor(const Walkthrough& walk, const std::string& text) {
    auto bar = std::dynamic_pointer_cast<UISearchBar>(topOutlet(walk, "searchBar"));
    if (!bar) return "the list has no search bar";
    if (auto problem = UserDriver::type(bar->searchField(), text, "the search field"); !problem.empty())
        return problem;
    auto table = std::dynamic_pointer_cast<UITableView>(topOutlet(walk, "tbl_recipient"));
    if (!table || table->numberOfRowsInSection(0) != 1)
        return "the search for \"" + text + "\" does not show one recipient";
    // The search button closes the keyboard; the match stays.
    walk.topScreen()->view()->endEditing(true);
    return "";
}

std::string chooseFirstRecipient(const Walkthrough& walk) {
    auto first = topmostRow(std::dynamic_pointer_cast<UITableView>(topOutlet(walk, "tbl_recipient")));
    if (!first) return "the list shows no recipient";
    if (auto problem = UserDriver::tap(first, "the first recipient"); !problem.empty()) return problem;
    if (auto problem = walk.reach(screen::CardToCardTransferViewController); !problem.empty()) return problem;
    const auto recipient = DataModel::sharedInstance()->selectedRecipient();
    if (!recipient) return "no recipient was chosen";
    const std::string shown = topOutlet(walk, "lbl_selectedRecipient")->valueForKey("text").stringValue();
    if (shown != recipient->Recipient()) return "the transfer screen shows \"" + shown + "\"";
    print("   chose " + recipient->Recipient() + " (" + recipient->nickname() + ")");
    return "";
}

std::string openConfirmation(const Walkthrough& walk) {
    if (auto problem = UserDriver::tap(topOutlet(walk, "btn_Next"), "Next"); !problem.empty()) return problem;
    return walk.reach(screen::TransferConfirmationViewController);
}

}  // namespace

bool walkCardToCard(Walkthrough& walk, const std::string& search, const std::string& amount) {
    const Walkthrough& w = walk;
    return walk.run({
        {"cardtocard", "\"Card to card\" shows the card-to-card transfer (DataModel cardToCardTransNavView)",
         [&] { return w.openRoad("cardtocard", screen::CardToCardTransferViewController); }},
        {"recipients", "the recipient selector opens the recipient list", [&] { return openRecipients(w); }},
        {"search", "the search \"" + search + "\" narrows the list to one recipient",
         [&] { return searchFor(w, search); }},
        {"recipient", "the recipient is chosen and shown on the transfer screen",
         [&] { return chooseFirstRecipient(w); }},
        {"amount", "the amount " + amount + " is typed", [&] { return typeAmount(w, amount); }},
        {"confirmation", "Next opens the confirmation", [&] { return openConfirmation(w); }},
        {"slide", "the knob slid to the end unlocks the slider", [&] { return slideToConfirm(w); }},
        {"success", "the success screen follows",
         [&] { return w.reach(screen::TransferSuccessViewController); }},
        {"back", "Continue returns to the host's first screen", [&] { return continueToHost(w); }},
    });
}

}  // namespace fv
