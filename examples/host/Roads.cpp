#include "examples/host/Roads.h"

#include "core/DataModel.h"
#include "core/SDKManager.h"
#include "examples/host/roads/BankAccountsRoad.h"
#include "examples/host/roads/CardToCardRoad.h"
#include "examples/host/roads/HistoryRoad.h"
#include "examples/host/roads/LocationsRoad.h"
#include "examples/host/roads/MyCardsRoad.h"
#include "examples/host/roads/NewCardRoad.h"
#include "examples/host/roads/TransferRoad.h"
#include "examples/host/roads/TransferSteps.h"

namespace fv {

const std::vector<Road>& roads() {
    static const std::vector<Road> all = {
        {"transfer", "HOST_TRANSFER_BUTTON",
         [](const UINavigationControllerPtr& stack) { SDKManager::sharedInstance()->OpenMyCards(stack); },
         [](Walkthrough& walk) { return walkTransfer(walk); }},
        {"newcard", "HOST_NEWCARD_BUTTON",
         [](const UINavigationControllerPtr& stack) { SDKManager::sharedInstance()->GetNewCard(stack); },
         [](Walkthrough& walk) { return walkNewCard(walk); }},
        {"mycards", "HOST_MYCARDS_BUTTON", openMyCards, [](Walkthrough& walk) { return walkMyCards(walk); }},
        // Card-to-card transfers and the transfer history: destinations the host shows from DataModel.
        {"cardtocard", "HOST_CARDTOCARD_BUTTON",
         [](const UINavigationControllerPtr& stack) {
             SDKManager::sharedInstance()->initAllView();
             showFrameworkRoot(stack, DataModel::sharedInstance()->cardToCardTransNavView());
         },
         [](Walkthrough& walk) { return walkCardToCard(walk); }},
        {"history", "HOST_HISTORY_BUTTON",
         [](const UINavigationControllerPtr& stack) {
             SDKManager::sharedInstance()->initAllView();
             showFrameworkRoot(stack, DataModel::sharedInstance()->fundsTransferHistoryNavView());
         },
         [](Walkthrough& walk) { return walkHistory(walk); }},
        {"locations", "HOST_LOCATIONS_BUTTON", openLocations,
         [](Walkthrough& walk) { return walkLocations(walk); }},
        // Bank accounts and funding
        {"bankaccounts", "HOST_BANKACCOUNTS_BUTTON", openBankAccounts,
         [](Walkthrough& walk) { return walkBankAccounts(walk); }},
    };
    return all;
}

const Road* roadNamed(const std::string& name) {
    for (const auto& road : roads())
        if (road.name == name) return &road;
    return nullptr;
}

}  // namespace fv
