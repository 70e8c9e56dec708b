#include "examples/host/roads/MyCardsControlsSteps.h"

#include <memory>

#include "core/ApiDataModel.h"
#include "core/DataModel.h"
#include "core/ScreenRegistry.h"
#include "examples/host/HostApplication.h"
#include "platform/foundation/RunLoop.h"
#include "platform/testing/UserDriver.h"
#include "platform/ui/UICollectionView.h"
#include "platform/ui/UIKeyInput.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UISwitch.h"
#include "platform/ui/UITextField.h"
#include "platform/ui/UIToolbar.h"
#include "screenkit/BannerMessages.h"
#include "screenkit/ModalPopup.h"

namespace fv {

namespace {

// The amount limit the walk types; at most four characters fit the field.
constexpr const char* kLimit = "750";
constexpr const char* kPin = "2468";

// What the steps share: the screen they come back to.
struct StepsState {
    UIViewControllerPtr home;
};

UIViewPtr outlet(const Walkthrough& walk, const std::string& name) {
    return UserDriver::outlet(walk.topScreen(), name);
}

std::string textOf(const UIViewPtr& view) {
    return view ? view->valueForKey("text").stringValue() : std::string();
}

// The host shows a screen of the framework on its own stack, as it does the transfer screen.
std::string showOnHostStack(const Walkthrough& walk, const UIViewControllerPtr& screen, ScreenName name) {
    if (!screen) return std::string(name.className) + " is not built";
    if (auto stack = screen->navigationController()) {
        auto others = stack->viewControllers();
        std::erase(others, screen);
        stack->setViewControllers(others, false);
    }
    walk.app().navigationController()->pushViewController(screen, true);
    return walk.reach(name);
}

std::string showCardControls(const Walkthrough& walk) {
    const auto stack = DataModel::sharedInstance()->cardControlsNavView();
    const UIViewControllerPtr screen =
        stack && !stack->viewControllers().empty() ? stack->viewControllers().front() : nullptr;
    return showOnHostStack(walk, screen, screen::CardControlViewController);
}

std::string backTo(const Walkthrough& walk, const UIViewControllerPtr& home) {
    if (!home) return "no screen to come back to";
    walk.app().navigationController()->popToViewController(home, true);
    if (!UserDriver::waitFor([&] {
            return walk.topScreen() == home && home->appearance() == UIViewController::Appearance::Appeared;
        }))
        return "the screen the steps started on is not back on top";
    return "";
}

bool saveEnabled(const Walkthrough& walk) {
    auto save = std::dynamic_pointer_cast<UIControl>(outlet(walk, "btn_save"));
    return save && save->isEnabled();
}

std::string blockInternational(const Walkthrough& walk) {
    auto control = std::dynamic_pointer_cast<UISwitch>(outlet(walk, "switch_blockInternational"));
    if (!control) return "no international switch";
    const bool was = control->isOn();
    if (auto problem = UserDriver::tap(control, "the international switch"); !problem.empty()) return problem;
    if (control->isOn() == was) return "the international switch did not flip";
    if (!saveEnabled(walk)) return "Save is not enabled after the change";
    return "";
}

std::string typeLimit(const Walkthrough& walk) {
    auto field = std::dynamic_pointer_cast<UITextField>(outlet(walk, "tf_Amount"));
    if (!field) return "no amount field";
    if (auto problem = UserDriver::type(field, "", "the amount field"); !problem.empty()) return problem;
    auto* keys = dynamic_cast<UIKeyInput*>(field.get());
    for (int i = 0; i < 8 && keys->hasText(); ++i) keys->deleteBackward();
    for (const char* c = kLimit; *c; ++c) keys->insertText(std::string(1, *c));
    auto toolbar = std::dynamic_pointer_cast<UIToolbar>(field->inputAccessoryView());
    if (!toolbar || toolbar->items().empty() || !toolbar->items().back()->sendAction())
        return "the keyboard has no Done";
    RunLoop::main().runUntilIdle();
    if (field->isFirstResponder()) return "Done did not end editing";
    if (field->text().value_or("") != kLimit)
        return "the amount field reads \"" + field->text().value_or("") + "\"";
    return "";
}

std::string save(const Walkthrough& walk) {
    if (auto problem = UserDriver::tap(outlet(walk, "btn_save"), "Save"); !problem.empty()) return problem;
    const auto banners = BannerMessages::visibleBanners();
    if (banners.empty() || banners.back().title != "Changes Saved") return "no \"Changes Saved\" banner";
    if (saveEnabled(walk)) return "Save is still enabled";
    // The banner's slide, so that the picture shows it.
    RunLoop::main().advance(BannerMessages::kSlideDuration);
    return "";
}

// Leaves the card controls and enters a new one, made afresh as on the next entry but without the
// framework's reset of the settings, so what shows is what was saved.
std::string reenter(const Walkthrough& walk, const StepsState& state) {
    const auto first = walk.topScreen();
    if (auto problem = backTo(walk, state.home); !problem.empty()) return problem;
    BannerMessages::dismissCurrent();
    DataModel::sharedInstance()->initAllViews();
    if (auto problem = showCardControls(walk); !problem.empty()) return problem;
    if (walk.topScreen() == first) return "the card controls were not made afresh";
    auto control = std::dynamic_pointer_cast<UISwitch>(outlet(walk, "switch_blockInternational"));
    if (!control || !control->isOn()) return "the international block was not read back";
    if (textOf(outlet(walk, "tf_Amount")) != kLimit) return "the amount limit was not read back";
    if (saveEnabled(walk)) return "Save is enabled on a screen without edits";
    return "";
}

std::string fillPinPopup(const Walkthrough& walk) {
    if (auto problem = UserDriver::tap(outlet(walk, "view_option5"), "the change-PIN row"); !problem.empty())
        return problem;
    RunLoop::main().advance(ModalPopup::kAnimationDuration);
    if (!ModalPopup::sharedInstance()->isVisible()) return "the change-PIN pop-up is not up";
    for (const char* name : {"tf_cardOldPIN", "tf_cardNewPIN", "tf_cardConfirmNewPIN"}) {
        const bool old = std::string(name) == "tf_cardOldPIN";
        if (auto problem = UserDriver::type(outlet(walk, name), old ? "1357" : kPin, name); !problem.empty())
            return problem;
    }
    return "";
}

std::string changePin(const Walkthrough& walk) {
    if (auto problem = UserDriver::tap(outlet(walk, "btn_popup_chnage"), "Change PIN"); !problem.empty())
        return problem;
    // The entries are cleared once the pop-up has gone.
    if (!UserDriver::waitFor([&] {
            return !ModalPopup::sharedInstance()->isVisible() &&
                   textOf(outlet(walk, "tf_cardNewPIN")).empty();
        }))
        return "the pop-up did not close, or kept its entries";
    if (!BannerMessages::visibleBanners().empty()) return "a banner complained";
    return "";
}

// The demonstration reply of the new-card road, for a walk that has not applied for a card.
void ensureIssuedCard() {
    auto api = ApiDataModel::sharedInstance();
    if (api->getNewCardResponse()) return;
    api->Initialize_GetNewCardResponseInstance(
        std::string(
            R"({"create_cardholder_response":{"responseInfo":{"responseCode":"0","acquirerRefNo":"DEMO",)"
            R"("responseDesc":"Approved","transactionId":"TXN1"},"cardsData":[{"accountBalances":[],)"
            R"("cardholderId":"CH1","cardLastFour":")") +
        HostApplication::kDemoCardLastFour + R"(","cardNo":"5236 8100 0093 )" +
        HostApplication::kDemoCardLastFour +
        R"(","cardRefNo":"REF1","cardStatus":"ACTIVE","createdOn":"2026-01-05T09:00:00Z"}]}})");
}

std::string lastFour() {
    return HostApplication::kDemoCardLastFour;
}

// The number line of the card face on top.
std::string cardNumberLine(const Walkthrough& walk) {
    auto carousel = std::dynamic_pointer_cast<UICollectionView>(outlet(walk, "collectionView"));
    if (!carousel) return "";
    RunLoop::main().runUntilIdle();
    carousel->layoutIfNeeded();
    const auto cells = carousel->visibleCells();
    return cells.empty() ? "" : textOf(UserDriver::outlet(cells.front(), "lbl_cardNumber"));
}

std::string openVirtualCard(const Walkthrough& walk) {
    ensureIssuedCard();
    auto screen = ScreenRegistry::screenNamed(screen::VirtualCardViewController);
    if (auto problem = showOnHostStack(walk, screen, screen::VirtualCardViewController); !problem.empty())
        return problem;
    if (cardNumberLine(walk) != "✱✱✱✱ ✱✱✱✱ ✱✱✱✱ " + lastFour()) return "the card number is not masked";
    return "";
}

std::string tapReveal(const Walkthrough& walk, bool revealed) {
    const auto screen = walk.topScreen();
    auto reveal = UserDriver::controlWiredTo(screen->view(), screen.get(), "action_viewCardNumber:");
    if (auto problem = UserDriver::tap(reveal, "View card number"); !problem.empty()) return problem;
    const std::string line = cardNumberLine(walk);
    const std::string expected = revealed ? "   " + lastFour() : "✱✱✱✱ ✱✱✱✱ ✱✱✱✱ " + lastFour();
    if (line.size() < expected.size() ||
        line.compare(line.size() - expected.size(), expected.size(), expected) != 0)
        return revealed ? "the number is not shown in full" : "the number is not masked again";
    if (revealed && line.find("✱") != std::string::npos) return "the number still shows stars";
    return "";
}

std::string closeVirtualCard(const Walkthrough& walk, const StepsState& state) {
    const auto screen = walk.topScreen();
    auto back = UserDriver::controlWiredTo(screen->view(), screen.get(), "action_back:");
    if (auto problem = UserDriver::tap(back, "back"); !problem.empty()) return problem;
    if (!UserDriver::waitFor([&] { return walk.topScreen() == state.home; }))
        return "back did not return to the screen below";
    return "";
}

std::string showBalancePreview(const Walkthrough& walk) {
    auto screen = ScreenRegistry::screenNamed(screen::BalancePreviewViewController);
    if (auto problem = showOnHostStack(walk, screen, screen::BalancePreviewViewController); !problem.empty())
        return problem;
    const std::string balance = textOf(outlet(walk, "lbl_TotalAmount"));
    if (balance != "$ 9500.75") return "the balance reads \"" + balance + "\"";
    return "";
}

}  // namespace

std::vector<Walkthrough::Step> myCardsControlsSteps(const Walkthrough& walk) {
    auto state = std::make_shared<StepsState>();
    const Walkthrough* w = &walk;
    return {
        {"controls", "the host shows the card controls (DataModel cardControlsNavView)",
         [w, state] {
             state->home = w->topScreen();
             return showCardControls(*w);
         }},
        {"block", "the international block is switched on; Save is enabled",
         [w] { return blockInternational(*w); }},
        {"limit", std::string("the amount limit ") + kLimit + " is typed and Done ends editing",
         [w] { return typeLimit(*w); }},
        {"saved", "Save stores the card controls: \"Changes Saved\"", [w] { return save(*w); }},
        {"reentry", "a new card-controls screen reads the block and the limit back",
         [w, state] { return reenter(*w, *state); }},
        {"pin-popup", "the change-PIN pop-up with its three entries filled",
         [w] { return fillPinPopup(*w); }},
        {"pin-changed", "matching entries close the pop-up; nothing is kept", [w] { return changePin(*w); }},
        {"controls-left", "the host leaves the card controls",
         [w, state] { return backTo(*w, state->home); }},
        {"virtual", "the virtual card, opened by its screen name, shows masked",
         [w] { return openVirtualCard(*w); }},
        {"virtual-revealed", "View card number shows it in full", [w] { return tapReveal(*w, true); }},
        {"virtual-masked", "a second tap masks it again", [w] { return tapReveal(*w, false); }},
        {"virtual-back", "back returns to the screen below",
         [w, state] { return closeVirtualCard(*w, *state); }},
        {"balance", "the balance preview shows \"$ 9500.75\"", [w] { return showBalancePreview(*w); }},
        {"balance-left", "the host leaves the balance preview",
         [w, state] { return backTo(*w, state->home); }},
    };
}

}  // namespace fv
