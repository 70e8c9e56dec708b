#include "transfers/PushTransferScreen.h"

#include "core/ScreenRegistry.h"
#include "platform/foundation/Log.h"
#include "platform/ui/UINavigationController.h"

namespace fv {

UIViewControllerPtr pushTransferScreen(const UIViewController& from, const std::string& className) {
    auto nav = from.navigationController();
    if (!nav) return nullptr;
    auto screen = ScreenRegistry::screenNamed(className);
    if (!screen) {
        log("pushTransferScreen: no screen " + className);
        return nullptr;
    }
    nav->pushViewController(screen, true);
    return screen;
}

}  // namespace fv
