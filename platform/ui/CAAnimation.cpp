#include "platform/ui/CAAnimation.h"

namespace fv {

FV_REGISTER_CLASS(CAAnimation);
FV_REGISTER_CLASS(CATransition);
FV_REGISTER_CLASS(CABasicAnimation);

const char* const kCATransitionFade = "fade";
const char* const kCATransitionPush = "push";
const char* const kCATransitionMoveIn = "moveIn";
const char* const kCATransitionReveal = "reveal";

std::string CATransition::effectiveType() const {
    if (type == kCATransitionPush || type == kCATransitionMoveIn || type == kCATransitionReveal) return type;
    return kCATransitionFade;
}

std::shared_ptr<CABasicAnimation> CABasicAnimation::animationWithKeyPath(const std::string& keyPath) {
    auto a = std::make_shared<CABasicAnimation>();
    a->keyPath = keyPath;
    return a;
}

}  // namespace fv
