#pragma once
// A blur effect view. Nothing behind it is blurred: it paints a translucent tint of its style over
// its bounds (white for the light styles, black for dark), which is what a frosted pane looks like
// in a still picture. The tint lives in its layer's background, so the layer alone, placed in
// another layer tree, draws it too.
#include <memory>

#include "platform/ui/UIBlurEffect.h"
#include "platform/ui/UIView.h"

namespace fv {

class UIVisualEffectView;
using UIVisualEffectViewPtr = std::shared_ptr<UIVisualEffectView>;

class UIVisualEffectView : public UIView {
    FV_CLASS(UIVisualEffectView, UIView)
    // initWithEffect:. None shows nothing.
    static UIVisualEffectViewPtr create(UIBlurEffectPtr effect, CGRect frame = CGRectZero);
    UIVisualEffectView();
    UIVisualEffectView(UIBlurEffectPtr effect, CGRect frame);
    ~UIVisualEffectView() override;

    UIBlurEffectPtr effect() const { return effect_; }
    void setEffect(UIBlurEffectPtr effect);
    // Where content goes that should sit on the effect.
    const UIViewPtr& contentView() const { return contentView_; }

    // The tint a style paints.
    static UIColorPtr tintForStyle(UIBlurEffectStyle style);

  private:
    UIBlurEffectPtr effect_;
    UIViewPtr contentView_;
};

}  // namespace fv
