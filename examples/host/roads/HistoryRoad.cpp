#include "examples/host/roads/HistoryRoad.h"

#include "core/ScreenNames.h"
#include "examples/host/Walkthrough.h"
#include "examples/host/roads/TransferSteps.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/testing/UserDriver.h"
#include "platform/ui/UISegmentedControl.h"

namespace fv {

namespace {

// The days and transfers the table shows, for the walk's console line.
std::string tableCounts(const UITableViewPtr& table) {
    long rows = 0;
    const long sections = table->numberOfSections();
    for (long s = 0; s < sections; ++s) rows += table->numberOfRowsInSection(s);
    return std::to_string(sections) + " days, " + std::to_string(rows) + " transfers";
}

std::string chooseSegment(const Walkthrough& walk, long index) {
    auto control = std::dynamic_pointer_cast<UISegmentedControl>(topOutlet(walk, "typesSegmentCtrl"));
    auto table = std::dynamic_pointer_cast<UITableView>(topOutlet(walk, "tbl"));
    if (!control || !table) return "the history has no filter or no list";
    const CGRect b = control->bounds();
    const CGFloat width = b.size.width / static_cast<CGFloat>(control->numberOfSegments());
    const CGPoint at =
        control->convertPointToView({width * (static_cast<CGFloat>(index) + 0.5), CGRectGetMidY(b)}, nullptr);
    if (auto problem = UserDriver::tapAt(at); !problem.empty()) return problem;
    if (control->selectedSegmentIndex() != index)
        return "the filter did not take segment " + std::to_string(index);
    print("   shows " + tableCounts(table));
    return "";
}

std::string openDetail(const Walkthrough& walk) {
    auto first = topmostRow(std::dynamic_pointer_cast<UITableView>(topOutlet(walk, "tbl")));
    if (!first) return "the history shows no transfer";
    if (auto problem = UserDriver::tap(first, "the first transfer"); !problem.empty()) return problem;
    auto detail = topOutlet(walk, "view_transactionDetail");
    auto root = walk.topScreen()->view();
    if (!UserDriver::waitFor(
            [&] { return detail && CGRectGetMaxY(detail->frame()) <= root->bounds().size.height; }))
        return "the detail did not slide up";
    // The slide and the dimming, so that the picture shows them done.
    RunLoop::main().advance(0.3);
    return "";
}

std::string closeDetail(const Walkthrough& walk) {
    auto dim = topOutlet(walk, "view_darkView");
    if (!dim || dim->isHidden()) return "the screen is not dimmed";
    if (auto problem =
            UserDriver::tapAt(dim->convertPointToView({CGRectGetMidX(dim->bounds()), 150}, nullptr));
        !problem.empty())
        return problem;
    if (!UserDriver::waitFor([&] { return dim->isHidden(); })) return "the detail did not close";
    return "";
}

std::string hostTakesBack(const Walkthrough& walk) {
    walk.app().navigationController()->popToRootViewControllerAnimated(true);
    return walk.awaitHost();
}

}  // namespace

bool walkHistory(Walkthrough& walk) {
    const Walkthrough& w = walk;
    return walk.run({
        {"history", "\"Transfer history\" shows the transfer history (DataModel fundsTransferHistoryNavView)",
         [&] { return w.openRoad("history", screen::FundTransferHistoryViewController); }},
        {"cardtocard", "the filter shows card-to-card transfers only", [&] { return chooseSegment(w, 1); }},
        {"cardtobank", "the filter shows card-to-bank transfers only", [&] { return chooseSegment(w, 2); }},
        {"all", "the filter shows every transfer again", [&] { return chooseSegment(w, 0); }},
        {"detail", "a tap on the first transfer slides its detail up", [&] { return openDetail(w); }},
        {"closed", "a tap on the dim area slides the detail away", [&] { return closeDetail(w); }},
        {"back", "the host takes its first screen back", [&] { return hostTakesBack(w); }},
    });
}

}  // namespace fv
