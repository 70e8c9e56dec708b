#pragma once
// Recorded animations: added to a layer, never interpolated (the model value already holds the
// target). CATransition carries a duration and a type such as "fade"; unknown types fade.
#include <memory>
#include <string>

#include "platform/foundation/NSObject.h"

namespace fv {

class CAAnimation : public NSObject {
    FV_CLASS(CAAnimation, NSObject)
    static std::shared_ptr<CAAnimation> animation() { return std::make_shared<CAAnimation>(); }
    double duration = 0.25;
    std::string timingFunction = "default";
};

extern const char* const kCATransitionFade;  // "fade"
extern const char* const kCATransitionPush;  // "push"
extern const char* const kCATransitionMoveIn;
extern const char* const kCATransitionReveal;

class CATransition : public CAAnimation {
    FV_CLASS(CATransition, CAAnimation)
    static std::shared_ptr<CATransition> animation() { return std::make_shared<CATransition>(); }
    std::string type = "fade";
    std::string subtype;
    // The type as drawn: the known types as they are, "kCATransitionFade" and any unknown type fade.
    std::string effectiveType() const;
};

class CABasicAnimation : public CAAnimation {
    FV_CLASS(CABasicAnimation, CAAnimation)
    static std::shared_ptr<CABasicAnimation> animationWithKeyPath(const std::string& keyPath);
    std::string keyPath;
    Value fromValue;
    Value toValue;
};

}  // namespace fv
