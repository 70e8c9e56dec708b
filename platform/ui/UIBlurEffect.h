#pragma once
// A blur effect's style, given to a UIVisualEffectView.
#include <memory>

namespace fv {

enum UIBlurEffectStyle : int {
    UIBlurEffectStyleExtraLight = 0,
    UIBlurEffectStyleLight = 1,
    UIBlurEffectStyleDark = 2,
};

struct UIBlurEffect {
    UIBlurEffectStyle style = UIBlurEffectStyleLight;
    static std::shared_ptr<UIBlurEffect> effectWithStyle(UIBlurEffectStyle style) {
        return std::make_shared<UIBlurEffect>(UIBlurEffect{style});
    }
};

using UIBlurEffectPtr = std::shared_ptr<UIBlurEffect>;

}  // namespace fv
