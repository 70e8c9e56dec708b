#pragma once
// The host's way into the framework: preparation on every entry, then the new-card wizard or the
// card-to-bank transfer screen pushed onto the host's navigation controller.
#include <memory>

#include "core/AppSettings.h"
#include "platform/ui/UINavigationController.h"

namespace fv {

class SDKManager {
  public:
    // Made once, on first use; main thread only.
    static std::shared_ptr<SDKManager> sharedInstance();

    // Registers the framework's fonts, resets the card-control settings to those of
    // "cardControl.plist" (removing them when that file is missing or unreadable), synchronises the
    // defaults, then rebuilds DataModel's screens.
    void initAllView();

    // Prepares, then shows the new-card wizard's first screen on `navigationCtrl`, animated. When that
    // screen is already on `navigationCtrl`'s stack the stack pops back to it; when another stack holds
    // it, it is taken off that stack first.
    void GetNewCard(const UINavigationControllerPtr& navigationCtrl);

    // Prepares, then pushes the card-to-bank transfer screen (the root of
    // DataModel::cardToBankTransferNavView) onto `navigationCtrl`, animated.
    void OpenMyCards(const UINavigationControllerPtr& navigationCtrl);

  private:
    void registerFonts();
    void seedCardControlData();

    bool fontsRegistered_ = false;
};

}  // namespace fv
