#pragma once
// What the wizard's screen tests share: a host whose bar is hidden (the screens draw their own
// header), a fresh new-card request, screens opened as the wizard opens them, the main-button rule
// and the request's leaves as the server would receive them.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>

#include "core/ApiDataModel.h"
#include "core/ScreenNames.h"
#include "core/ScreenRegistry.h"
#include "core/ThemeManager.h"
#include "onboarding/wizard/MainButtonRule.h"
#include "platform/foundation/Value.h"
#include "platform/graphics/GraphicsContext.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UIViewRendering.h"
#include "screenkit/BannerMessages.h"
#include "screenkit/ProgressHUD.h"

namespace fv::wizard_test {

class WizardTest : public TestHostFixture {
  protected:
    void SetUp() override {
        ApiDataModel::sharedInstance()->resetForTesting();
        ApiDataModel::sharedInstance()->Initialize_GetNewCardRequestInstance();
        host.navigationController()->setNavigationBarHidden(true);
        linkAccountWas_ = ThemeManager::sharedInstance()->isLinkAccountEnabled();
    }
    void TearDown() override {
        ThemeManager::sharedInstance()->setLinkAccountEnabledForTesting(linkAccountWas_);
        TestHostFixture::TearDown();
    }

    // A new instance of `name` from its interface file, pushed on the host's stack as a wizard
    // screen pushes the next one, the push played out.
    template <typename Screen>
    std::shared_ptr<Screen> open(ScreenName name) {
        auto screen = std::dynamic_pointer_cast<Screen>(ScreenRegistry::screenNamed(name));
        if (!screen) return nullptr;
        host.navigationController()->pushViewController(screen, true);
        settle();
        return screen;
    }

    template <typename Screen>
    std::shared_ptr<Screen> top() {
        return std::dynamic_pointer_cast<Screen>(host.topViewController());
    }

    // Lets an animated push or pop finish.
    void settle() { host.advance(0.5); }

    // The request as the backend would receive it: the leaf at `path` under "create_cardholder".
    static Value requestLeaf(std::initializer_list<const char*> path) {
        Value node = ApiDataModel::sharedInstance()->getNewCardRequest()->toDictionary()["create_cardholder"];
        for (const char* key : path) node = node[key];
        return node;
    }
    static std::string profileLeaf(const char* key) {
        return requestLeaf({"cardholder_data", "profile_data", key}).stringValue();
    }

    // The banner on screen now, or none.
    static std::optional<BannerInfo> banner() {
        auto shown = BannerMessages::visibleBanners();
        if (shown.empty()) return std::nullopt;
        return shown.front();
    }

    // Whether the last forward step opened `next`, animated, over `from`: the screen on top when it
    // is built; while it is not, the one fault of opening it (then cleared) and `from` still on top.
    ::testing::AssertionResult opened(ScreenName next, const UIViewControllerPtr& from) {
        settle();
        const auto top = host.topViewController();
        if (ScreenRegistry::isRegistered(next)) {
            if (top && top->className() == next.className) return ::testing::AssertionSuccess();
            return ::testing::AssertionFailure() << "on top: " << (top ? top->className() : "nothing");
        }
        const auto faults = host.faults().faults();
        host.faults().clear();
        if (top != from)
            return ::testing::AssertionFailure()
                   << "the screen left although " << next.className << " is not built";
        if (faults.size() == 1 && faults.front().find(next.className) != std::string::npos)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << faults.size() << " faults, none about opening " << next.className;
    }

  private:
    bool linkAccountWas_ = false;
};

// Draws every shown window, bottom to top, as the user sees the screen: for snapshots of pop-ups and
// lists that live in windows of their own.
class WholeScreenView : public UIView {
  public:
    WholeScreenView() : UIView(UIScreen::mainScreen()->bounds()) {}
    void drawRect(CGRect) override {
        auto context = UIGraphicsGetCurrentContext();
        if (!context) return;
        for (const auto& window : UIApplication::sharedApplication()->windows()) {
            window->layoutIfNeeded();
            renderViewTree(*window, context);
        }
    }
};

// The main-button rule's two looks.
inline ::testing::AssertionResult mainButtonIs(const UIButtonPtr& button, bool enabled) {
    const double alpha = enabled ? kMainButtonEnabledAlpha : kMainButtonDisabledAlpha;
    if (button->isEnabled() == enabled && button->alpha() == alpha) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "the button is " << (button->isEnabled() ? "enabled" : "disabled") << " at alpha "
           << button->alpha() << ", not " << (enabled ? "enabled" : "disabled") << " at " << alpha;
}

}  // namespace fv::wizard_test
