#pragma once
// Progress bars. The progress reads pinned to [0, 1] whatever was set (1.02 shows full).
#include <memory>

#include "platform/ui/UIView.h"

namespace fv {

enum UIProgressViewStyle : int { UIProgressViewStyleDefault = 0, UIProgressViewStyleBar = 1 };

class UIProgressView;
using UIProgressViewPtr = std::shared_ptr<UIProgressView>;

class UIProgressView : public UIView {
    FV_CLASS(UIProgressView, UIView)
    static void registerMembers(ClassBuilder<UIProgressView>& b);
    static UIProgressViewPtr create(CGRect frame = CGRectZero);
    UIProgressView();
    explicit UIProgressView(CGRect frame);
    ~UIProgressView() override;

    float progress() const { return progress_; }
    void setProgress(float progress) { setProgress(progress, false); }
    // Animated or not, the value is set at once (animations set final values immediately).
    void setProgress(float progress, bool animated);
    UIProgressViewStyle progressViewStyle() const { return style_; }
    void setProgressViewStyle(UIProgressViewStyle style);

    // The filled part (none = the tint colour) and the rest (none = light grey).
    UIColorPtr progressTintColor() const { return progressTintColor_; }
    void setProgressTintColor(UIColorPtr color);
    UIColorPtr trackTintColor() const { return trackTintColor_; }
    void setTrackTintColor(UIColorPtr color);

    CGSize sizeThatFits(CGSize size) const override;
    void drawRect(CGRect rect) override;
    void tintColorDidChange() override { setNeedsDisplay(); }

  private:
    float progress_ = 0;
    UIProgressViewStyle style_ = UIProgressViewStyleDefault;
    UIColorPtr progressTintColor_;
    UIColorPtr trackTintColor_;
};

}  // namespace fv
