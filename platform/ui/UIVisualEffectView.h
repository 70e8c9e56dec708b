#pragma once
// Blur effect views. There is nothing behind a layer to sample here, so the effect is a translucent
// wash in the style's tone over whatever lies below, which is how a blur of a calm backdrop reads.
#include <memory>

#include "platform/ui/UIView.h"

namespace fv {

enum class UIBlurEffectStyle { ExtraLight, Light, Dark };

struct UIBlurEffect {
    static UIBlurEffect effectWithStyle(UIBlurEffectStyle style) { return UIBlurEffect{style}; }
    UIBlurEffectStyle style = UIBlurEffectStyle::Light;
};

class UIVisualEffectView;
using UIVisualEffectViewPtr = std::shared_ptr<UIVisualEffectView>;

class UIVisualEffectView : public UIView {
    FV_CLASS(UIVisualEffectView, UIView)
    static UIVisualEffectViewPtr create(UIBlurEffect effect, CGRect frame = CGRectZero);
    UIVisualEffectView();
    UIVisualEffectView(UIBlurEffect effect, CGRect frame);

    UIBlurEffect effect() const { return effect_; }

  private:
    UIBlurEffect effect_;
};

}  // namespace fv
