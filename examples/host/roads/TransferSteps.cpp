#include "examples/host/roads/TransferSteps.h"

#include <algorithm>

#include "platform/foundation/RunLoop.h"
#include "platform/testing/UserDriver.h"

namespace fv {

UIViewPtr topOutlet(const Walkthrough& walk, const std::string& name) {
    return UserDriver::outlet(walk.topScreen(), name);
}

UITableViewCellPtr topmostRow(const UITableViewPtr& table) {
    const auto cells = table ? table->visibleCells() : std::vector<UITableViewCellPtr>{};
    if (cells.empty()) return nullptr;
    return *std::min_element(cells.begin(), cells.end(), [](const auto& a, const auto& b) {
        return a->frame().origin.y < b->frame().origin.y;
    });
}

void showFrameworkRoot(const UINavigationControllerPtr& hostStack,
                       const UINavigationControllerPtr& frameworkStack) {
    if (!hostStack || !frameworkStack || frameworkStack->viewControllers().empty()) return;
    const auto screen = frameworkStack->viewControllers().front();
    // A screen lives on one stack at a time.
    auto others = frameworkStack->viewControllers();
    std::erase(others, screen);
    frameworkStack->setViewControllers(others, false);
    hostStack->pushViewController(screen, true);
}

// Keystrokes go to whatever the tap made first responder, as a keyboard's would.
std::string typeAmount(const Walkthrough& walk, const std::string& amount) {
    auto field = topOutlet(walk, "tfAmount");
    if (auto problem = UserDriver::type(field, amount, "the amount field"); !problem.empty()) return problem;
    const std::string typed = field->valueForKey("text").stringValue();
    if (typed != amount) return "the amount field reads \"" + typed + "\"";
    return "";
}

// From the knob's visible end to the far end of the track.
std::string slideToConfirm(const Walkthrough& walk) {
    auto slider = topOutlet(walk, "btn_slider");
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
    if (auto problem = UserDriver::tap(topOutlet(walk, "btn_continue"), "Continue"); !problem.empty())
        return problem;
    return walk.awaitHost();
}

}  // namespace fv
