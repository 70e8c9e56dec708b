#include "examples/host/roads/MyCardsRoad.h"

#include "core/DataModel.h"
#include "core/SDKManager.h"
#include "examples/host/Walkthrough.h"
#include "examples/host/roads/MyCardsControlsSteps.h"
#include "platform/foundation/RunLoop.h"
#include "platform/testing/UserDriver.h"
#include "platform/ui/UICollectionView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UITableView.h"

namespace fv {

namespace {

// One card follows the next every 320 points.
constexpr CGFloat kCardPitch = 320;
// Long enough for a snap and the cross-fade between the wallets and the table.
constexpr double kSettle = 1.0;

UIViewPtr outlet(const Walkthrough& walk, const std::string& name) {
    return UserDriver::outlet(walk.topScreen(), name);
}

std::string textOf(const UIViewPtr& view) {
    return view ? view->valueForKey("text").stringValue() : std::string();
}

// A finger on the carousel's centre, moved `by` points sideways and lifted.
std::string dragCarousel(const Walkthrough& walk, CGFloat by) {
    auto carousel = outlet(walk, "collectionView");
    if (!carousel || !UserDriver::isShown(carousel.get())) return "the carousel is not on the screen";
    const CGRect b = carousel->bounds();
    const CGPoint from = carousel->convertPointToView({CGRectGetMidX(b), CGRectGetMidY(b)}, nullptr);
    if (auto problem = UserDriver::drag(from, {from.x + by, from.y}, 0.3, 10); !problem.empty())
        return "the carousel: " + problem;
    RunLoop::main().advance(kSettle);
    return "";
}

std::string snappedTo(const Walkthrough& walk, int card) {
    auto carousel = std::dynamic_pointer_cast<UICollectionView>(outlet(walk, "collectionView"));
    if (!carousel) return "no carousel";
    if (carousel->contentOffset().x != kCardPitch * card)
        return "the carousel rests at " + std::to_string(carousel->contentOffset().x);
    auto pages = outlet(walk, "outlet_PageControl");
    if (!pages || pages->valueForKey("progress").asReal().value_or(-1) != card)
        return "the page control does not mark card " + std::to_string(card + 1);
    return "";
}

std::string toSecondCard(const Walkthrough& walk) {
    if (auto problem = dragCarousel(walk, -180); !problem.empty()) return problem;
    return snappedTo(walk, 1);
}

std::string walletsShown(const Walkthrough& walk) {
    auto wallets = outlet(walk, "walletView");
    auto strip = std::dynamic_pointer_cast<UICollectionView>(outlet(walk, "walletsCollVIew"));
    if (!wallets || !strip || !UserDriver::isShown(wallets.get())) return "the wallet strip is not shown";
    strip->layoutIfNeeded();
    if (strip->visibleCells().size() < 2) return "the second card shows fewer than two wallets";
    if (UserDriver::isShown(outlet(walk, "tbl").get())) return "the table still shows";
    return "";
}

std::string toFirstCard(const Walkthrough& walk) {
    if (auto problem = dragCarousel(walk, 180); !problem.empty()) return problem;
    if (auto problem = snappedTo(walk, 0); !problem.empty()) return problem;
    auto table = std::dynamic_pointer_cast<UITableView>(outlet(walk, "tbl"));
    if (!table || !UserDriver::isShown(table.get())) return "the first card's transactions are not shown";
    if (table->visibleCells().empty()) return "the table lists no transaction";
    return "";
}

std::string openDetail(const Walkthrough& walk) {
    auto table = std::dynamic_pointer_cast<UITableView>(outlet(walk, "tbl"));
    auto row = table ? table->cellForRowAtIndexPath(NSIndexPath::indexPathForRow(1, 0)) : nullptr;
    if (auto problem = UserDriver::tap(row, "the second transaction"); !problem.empty()) return problem;
    RunLoop::main().advance(kSettle);
    if (!UserDriver::isShown(outlet(walk, "view_darkView").get())) return "the screen is not dimmed";
    if (textOf(outlet(walk, "lbl_bottomView_Title")).empty()) return "the pop-up shows no title";
    if (textOf(outlet(walk, "lbl_bottomView_description")).empty()) return "the pop-up shows no reference";
    return "";
}

std::string closeDetail(const Walkthrough& walk) {
    if (auto problem = UserDriver::tap(outlet(walk, "view_darkView"), "the dimmed screen"); !problem.empty())
        return problem;
    RunLoop::main().advance(kSettle);
    if (UserDriver::isShown(outlet(walk, "view_darkView").get())) return "the screen is still dimmed";
    return "";
}

std::string openHistory(const Walkthrough& walk, UIViewControllerPtr& home) {
    home = walk.topScreen();
    if (auto problem = UserDriver::tap(outlet(walk, "lbl_TotalAmount"), "the balance"); !problem.empty())
        return problem;
    if (auto problem = walk.reach(screen::TransactionsViewController); !problem.empty()) return problem;
    auto table = std::dynamic_pointer_cast<UITableView>(outlet(walk, "tbl"));
    if (!table || table->visibleCells().empty()) return "the history lists no transaction";
    return "";
}

std::string leaveHistory(const Walkthrough& walk, const UIViewControllerPtr& home) {
    const auto screen = walk.topScreen();
    auto back = UserDriver::controlWiredTo(screen->view(), screen.get(), "backPressed:");
    if (auto problem = UserDriver::tap(back, "the back arrow"); !problem.empty()) return problem;
    if (!UserDriver::waitFor([&] { return walk.topScreen() == home; })) return "back did not return home";
    return "";
}

std::string leaveHome(const Walkthrough& walk) {
    walk.app().navigationController()->popToRootViewControllerAnimated(true);
    return walk.awaitHost();
}

}  // namespace

void openMyCards(const UINavigationControllerPtr& hostStack) {
    SDKManager::sharedInstance()->initAllView();
    const auto stack = DataModel::sharedInstance()->homeNavView();
    if (!hostStack || !stack || stack->viewControllers().empty()) return;
    // A screen is on one stack at a time: pushing moves it from the one DataModel made.
    hostStack->pushViewController(stack->viewControllers().front(), true);
}

bool walkMyCards(Walkthrough& walk) {
    const Walkthrough& w = walk;
    auto home = std::make_shared<UIViewControllerPtr>();
    std::vector<Walkthrough::Step> steps = {
        {"mycards", "\"My cards\" opens the home screen of cards (DataModel homeNavView)",
         [&] { return w.openRoad("mycards", screen::MyCardsViewController); }},
        {"second-card", "the carousel dragged left snaps to the second card",
         [&] { return toSecondCard(w); }},
        {"wallets", "the second card's wallets show in place of the transactions",
         [&] { return walletsShown(w); }},
        {"first-card", "dragged back, the first card shows its transactions", [&] { return toFirstCard(w); }},
        {"detail", "a transaction's detail pop-up slides up over the dimmed screen",
         [&] { return openDetail(w); }},
        {"detail-closed", "a tap on the dimmed screen closes it", [&] { return closeDetail(w); }},
        {"history", "the balance opens the transaction history", [&, home] { return openHistory(w, *home); }},
        {"history-back", "its back arrow returns home", [&, home] { return leaveHistory(w, *home); }},
    };
    for (auto& step : myCardsControlsSteps(walk)) steps.push_back(std::move(step));
    steps.push_back({"back", "the host leaves the home screen", [&] { return leaveHome(w); }});
    return walk.run(steps);
}

}  // namespace fv
