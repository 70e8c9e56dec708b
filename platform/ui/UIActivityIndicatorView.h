#pragma once
// Spinners. Stopped spinners hide themselves when hidesWhenStopped is on (the default), so a new one
// is hidden until started.
#include <memory>

#include "platform/ui/UIView.h"

namespace fv {

enum UIActivityIndicatorViewStyle : int {
    UIActivityIndicatorViewStyleWhiteLarge = 0,
    UIActivityIndicatorViewStyleWhite = 1,
    UIActivityIndicatorViewStyleGray = 2,
};

class UIActivityIndicatorView;
using UIActivityIndicatorViewPtr = std::shared_ptr<UIActivityIndicatorView>;

class UIActivityIndicatorView : public UIView {
    FV_CLASS(UIActivityIndicatorView, UIView)
    static void registerMembers(ClassBuilder<UIActivityIndicatorView>& b);
    // initWithActivityIndicatorStyle: sized for the style (37 points large, else 20).
    static UIActivityIndicatorViewPtr create(
        UIActivityIndicatorViewStyle style = UIActivityIndicatorViewStyleWhite);
    UIActivityIndicatorView();
    explicit UIActivityIndicatorView(CGRect frame);
    ~UIActivityIndicatorView() override;

    UIActivityIndicatorViewStyle activityIndicatorViewStyle() const { return style_; }
    void setActivityIndicatorViewStyle(UIActivityIndicatorViewStyle style);
    // Setting none restores the style's colour (white, or grey for the gray style).
    UIColorPtr color() const;
    void setColor(UIColorPtr color);
    bool hidesWhenStopped() const { return hidesWhenStopped_; }
    void setHidesWhenStopped(bool hides);

    void startAnimating();
    void stopAnimating();
    bool isAnimating() const { return animating_; }

    CGSize sizeThatFits(CGSize size) const override;
    CGSize intrinsicContentSize() const override { return sizeThatFits(CGSizeZero); }
    void drawRect(CGRect rect) override;

  private:
    UIActivityIndicatorViewStyle style_ = UIActivityIndicatorViewStyleWhite;
    UIColorPtr color_;
    bool hidesWhenStopped_ = true;
    bool animating_ = false;
};

}  // namespace fv
