#include "core/SDKManager.h"

#include <algorithm>

#include "core/CommonUtils.h"
#include "core/DataModel.h"
#include "core/FrameworkResources.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/UserDefaults.h"

namespace fv {

std::shared_ptr<SDKManager> SDKManager::sharedInstance() {
    static const auto instance = std::make_shared<SDKManager>();
    return instance;
}

void SDKManager::initAllView() {
    registerFonts();
    seedCardControlData();
    if (!NSUserDefaults::standardUserDefaults().synchronize())
        log("SDKManager: the user defaults could not be saved");
    DataModel::sharedInstance()->initAllViews();
}

// Registered fonts stay registered for the process; registering them again on every entry would
// only log a failure per font.
void SDKManager::registerFonts() {
    if (fontsRegistered_) return;
    fontsRegistered_ = true;
    const auto names = readFrameworkArray("fonts", kSettingsListLimits);
    if (!names) {
        log("SDKManager: the framework's font list \"fonts.plist\" is missing or unreadable");
        return;
    }
    for (const Value& name : *names->asArray())
        if (auto text = name.asString(); text && !text->empty())
            CommonUtils::sharedInstance()->dynamicallyLoadFontNamed(*text);
}

void SDKManager::seedCardControlData() {
    auto& defaults = NSUserDefaults::standardUserDefaults();
    const auto cards = readFrameworkArray("cardControl", kSettingsListLimits);
    Value::Bytes archived = cards ? NSKeyedArchiver::archivedDataWithRootObject(*cards) : Value::Bytes{};
    if (archived.empty() || !defaults.setObject(Value(std::move(archived)), kCardControlDataDefaultsKey))
        defaults.removeObjectForKey(kCardControlDataDefaultsKey);
}

void SDKManager::GetNewCard(const UINavigationControllerPtr& navigationCtrl) {
    initAllView();
    if (!navigationCtrl) {
        log("GetNewCard: no navigation controller to show the new-card screens on");
        return;
    }
    const auto screen = DataModel::sharedInstance()->getCardViews();
    if (!screen) return;  // a missing screen class is a fault the registry reported
    // Pushing a screen that a stack already holds would break that stack.
    const auto current = screen->navigationController();
    if (current == navigationCtrl) {
        navigationCtrl->popToViewController(screen, true);
        return;
    }
    if (current) {
        auto others = current->viewControllers();
        others.erase(std::remove(others.begin(), others.end(), screen), others.end());
        current->setViewControllers(others, false);
    }
    navigationCtrl->pushViewController(screen, true);
}

void SDKManager::OpenMyCards(const UINavigationControllerPtr& navigationCtrl) {
    initAllView();
    if (!navigationCtrl) {
        log("OpenMyCards: no navigation controller to show the card screens on");
        return;
    }
    const auto stack = DataModel::sharedInstance()->cardToBankTransferNavView();
    // None only when its screen class is missing, a fault the registry reported.
    if (!stack || stack->viewControllers().empty()) return;
    // A copy: pushing moves the screen off its own stack, whose storage the reference would point into.
    const UIViewControllerPtr screen = stack->viewControllers().front();
    navigationCtrl->pushViewController(screen, true);
}

}  // namespace fv
