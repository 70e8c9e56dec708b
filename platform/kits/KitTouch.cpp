#include "platform/kits/KitTouch.h"

#include <memory>

#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIEvent.h"
#include "platform/ui/UIWindow.h"

namespace fv::kits {

bool tapAtScreenPoint(CGPoint point) {
    auto hit = UIApplication::sharedApplication()->hitTest(point);
    if (!hit || !hit->window()) return false;
    auto touch = std::make_shared<UITouch>();
    touch->view = hit;
    touch->window = std::static_pointer_cast<UIWindow>(hit->window()->shared_from_this());
    touch->locationInWindowPoint = touch->previousLocationInWindowPoint = point;
    touch->timestamp = RunLoop::main().now();
    auto event = std::make_shared<UIEvent>();
    event->touches = {touch};
    event->timestamp = touch->timestamp;
    hit->touchesBegan({touch}, event.get());
    touch->phase = UITouchPhaseEnded;
    hit->touchesEnded({touch}, event.get());
    return true;
}

}  // namespace fv::kits
