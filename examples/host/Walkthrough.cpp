#include "examples/host/Walkthrough.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "core/DataModel.h"
#include "core/ScreenNames.h"
#include "examples/host/Roads.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/testing/UserDriver.h"
#include "platform/ui/UITableView.h"
#include "platform/ui/UIViewRendering.h"

namespace fv {

namespace fs = std::filesystem;

namespace {

// How long a step may take before the walk gives up on it.
constexpr double kStepTimeout = 5.0;

RunLoop& loop() {
    return RunLoop::main();
}

bool waitFor(const std::function<bool()>& done) {
    return UserDriver::waitFor(done, kStepTimeout);
}

std::string describe(const UIViewControllerPtr& screen) {
    return screen ? screen->className() : "no screen";
}

UIViewPtr outlet(const NSObjectPtr& owner, const std::string& name) {
    return UserDriver::outlet(owner, name);
}

std::string tap(const UIViewPtr& view, const std::string& what) {
    return UserDriver::tap(view, what);
}

bool hasAppeared(const UIViewControllerPtr& screen, ScreenName name) {
    return screen && screen->className() == name.className &&
           screen->appearance() == UIViewController::Appearance::Appeared;
}

}  // namespace

Walkthrough::Walkthrough(HostApplication& app, std::string outputDir)
    : app_(app), outputDir_(std::move(outputDir)) {}

std::string Walkthrough::savePicture(const std::string& name) {
    char file[64];
    std::snprintf(file, sizeof file, "%02d-%s.png", stepNumber_, name.c_str());
    const std::string path = (fs::path(outputDir_) / file).string();
    loop().runUntilIdle();
    app_.window()->layoutIfNeeded();
    if (!renderViewToPNG(*app_.window(), path)) return "";
    pictures_.push_back(path);
    return path;
}

bool Walkthrough::step(const std::string& name, const std::string& description,
                       const std::function<std::string()>& action) {
    ++stepNumber_;
    const std::string problem = action();
    const std::string picture = savePicture(name);
    char number[8];
    std::snprintf(number, sizeof number, "%02d", stepNumber_);
    if (!problem.empty()) {
        print(std::string(number) + " " + name + ": FAILED: " + problem +
              " (top screen: " + describe(app_.navigationController()->topViewController()) + ")");
        return false;
    }
    if (picture.empty()) {
        print(std::string(number) + " " + name + ": FAILED: cannot write the picture into " + outputDir_);
        return false;
    }
    print(std::string(number) + " " + name + ": " + description + " -> " + picture);
    return true;
}

bool Walkthrough::runAll() {
    for (const auto& road : roads())
        if (!road.walk(*this)) return false;
    return true;
}

bool Walkthrough::runTransfer(const std::string& amount) {
    std::error_code ec;
    fs::create_directories(outputDir_, ec);
    return step("host", "the host's own first screen", [&] { return awaitHost(); }) &&
           step("transfer", "\"Transfer to bank\" opens the card-to-bank transfer (SDKManager OpenMyCards)",
                [&] { return openTransfer(); }) &&
           step("picker", "the bank-account selector opens the picker of verified accounts",
                [&] { return openPicker(); }) &&
           step("account", "the first verified account is chosen and shown on the transfer screen",
                [&] { return chooseFirstAccount(); }) &&
           step("amount", "the amount " + amount + " is typed", [&] { return typeAmount(amount); }) &&
           step("confirmation", "Next opens the confirmation", [&] { return openConfirmation(); }) &&
           step("slide", "the knob slid to the end unlocks the slider", [&] { return slideToConfirm(); }) &&
           step("success", "the success screen follows",
                [&] { return reach(screen::CardToBankTransferSuccessViewController); }) &&
           step("back", "Continue returns to the host's first screen", [&] { return continueToHost(); });
}

UIViewControllerPtr Walkthrough::topScreen() const {
    return app_.navigationController()->topViewController();
}

std::string Walkthrough::reach(ScreenName screen) const {
    if (waitFor([&] { return hasAppeared(topScreen(), screen); })) return "";
    return std::string("expected ") + screen.className + " on top";
}

std::string Walkthrough::awaitHost() const {
    const auto root = app_.rootScreen();
    if (!waitFor([&] {
            return topScreen() == root && root->appearance() == UIViewController::Appearance::Appeared;
        }))
        return "the host's first screen is not showing";
    if (app_.navigationController()->viewControllers().size() != 1)
        return "screens are left above the host's first screen";
    return "";
}

std::string Walkthrough::openTransfer() const {
    if (auto problem = tap(app_.rootScreen()->buttonForRoad("transfer"), "the \"Transfer to bank\" button");
        !problem.empty())
        return problem;
    return reach(screen::CardToBankTransferViewController);
}

std::string Walkthrough::openPicker() const {
    const auto screen = topScreen();
    if (!screen) return "no screen is showing";
    auto selector = UserDriver::controlWiredTo(screen->view(), screen.get(), "bankAccountSelectionPressed:");
    if (auto problem = tap(selector, "the bank-account selector"); !problem.empty()) return problem;
    if (auto problem = reach(screen::BankAccountsListViewController); !problem.empty()) return problem;
    auto table = std::dynamic_pointer_cast<UITableView>(outlet(topScreen(), "tbl_bankAccs"));
    if (!table || table->visibleCells().empty()) return "the picker lists no account";
    return "";
}

// The picker lists verified accounts only; its first row is the first verified account.
std::string Walkthrough::chooseFirstAccount() const {
    auto table = std::dynamic_pointer_cast<UITableView>(outlet(topScreen(), "tbl_bankAccs"));
    auto cells = table ? table->visibleCells() : std::vector<UITableViewCellPtr>{};
    if (cells.empty()) return "the picker lists no account";
    auto first = *std::min_element(cells.begin(), cells.end(), [](const auto& a, const auto& b) {
        return a->frame().origin.y < b->frame().origin.y;
    });
    if (auto problem = tap(first, "the first account"); !problem.empty()) return problem;
    if (auto problem = reach(screen::CardToBankTransferViewController); !problem.empty()) return problem;
    const auto account = DataModel::sharedInstance()->selectedBankAccount();
    if (!account) return "no account was chosen";
    if (account->status() != "Verified") return "the chosen account is not verified";
    print("   chose " + account->bankName() + " (" + account->nickName() + ")");
    return "";
}

// Keystrokes go to whatever the tap made first responder, as a keyboard's would.
std::string Walkthrough::typeAmount(const std::string& amount) const {
    auto field = outlet(topScreen(), "tfAmount");
    if (auto problem = UserDriver::type(field, amount, "the amount field"); !problem.empty()) return problem;
    const std::string typed = field->valueForKey("text").stringValue();
    if (typed != amount) return "the amount field reads \"" + typed + "\"";
    return "";
}

std::string Walkthrough::openConfirmation() const {
    if (auto problem = tap(outlet(topScreen(), "btn_Next"), "Next"); !problem.empty()) return problem;
    return reach(screen::CardToBankTransferConfirmationViewController);
}

// A finger on the knob's visible end, moved to the far end of the track and lifted.
std::string Walkthrough::slideToConfirm() const {
    auto slider = outlet(topScreen(), "btn_slider");
    if (!slider || !slider->window() || !UserDriver::isShown(slider.get()))
        return "the slider is not on the screen";
    loop().runUntilIdle();
    const CGRect b = slider->bounds();
    const double knob = slider->valueForKey("dragPointWidth").asReal().value_or(70.0);
    const CGPoint from = slider->convertPointToView({knob / 2, CGRectGetMidY(b)}, nullptr);
    const CGPoint to = slider->convertPointToView({b.size.width - knob / 2, CGRectGetMidY(b)}, nullptr);
    if (auto problem = UserDriver::drag(from, to, 0.6, 12); !problem.empty()) return "the knob: " + problem;
    if (!waitFor([&] { return slider->valueForKey("unlocked").boolValue(); }))
        return "the slider did not unlock";
    // The knob's slide over the track, so that the picture shows the unlocked look.
    loop().advance(0.25);
    return "";
}

std::string Walkthrough::continueToHost() const {
    if (auto problem = tap(outlet(topScreen(), "btn_continue"), "Continue"); !problem.empty()) return problem;
    return awaitHost();
}

}  // namespace fv
