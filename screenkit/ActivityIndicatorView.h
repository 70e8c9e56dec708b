#pragma once
// The progress overlay's indicator. Its one animation, ball-clip-rotate, is a partial ring that turns
// and pulses; the ring is drawn with cairo at the phase of the main run loop's clock, so a test that
// advances the clock sees the animation advance.
#include <memory>

#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIView.h"

namespace fv {

enum class ActivityIndicatorType { BallClipRotate = 0 };

class ActivityIndicatorView : public UIView {
    FV_CLASS(ActivityIndicatorView, UIView)
    static std::shared_ptr<ActivityIndicatorView> create(CGRect frame = CGRectZero);
    ActivityIndicatorView();
    explicit ActivityIndicatorView(CGRect frame);
    ~ActivityIndicatorView() override;

    // One turn of the ring, in seconds.
    static constexpr double kPeriod = 0.75;
    // The animation's key on the layer while it runs.
    static constexpr const char* kAnimationKey = "ball-clip-rotate";

    ActivityIndicatorType type() const { return type_; }
    void setType(ActivityIndicatorType type);
    // The ring's colour; none draws black.
    UIColorPtr color() const { return color_; }
    void setColor(UIColorPtr color);

    void startAnimating();
    void stopAnimating();
    bool isAnimating() const { return animating_; }
    // Where the running animation is within its period, 0 up to 1; 0 when stopped.
    double phase() const;

    void drawRect(CGRect rect) override;

  private:
    ActivityIndicatorType type_ = ActivityIndicatorType::BallClipRotate;
    UIColorPtr color_;
    bool animating_ = false;
    double startTime_ = 0;
    std::shared_ptr<Timer> redraw_;
};

}  // namespace fv
