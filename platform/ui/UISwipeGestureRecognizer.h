#pragma once
// Swipe: recognised once the fingers have travelled 50 points, mostly along an allowed direction,
// within 0.5 s of going down. Travel in another direction, or too slowly, fails it.
#include "platform/ui/UIGestureRecognizer.h"

namespace fv {

enum UISwipeGestureRecognizerDirection : unsigned {
    UISwipeGestureRecognizerDirectionRight = 1 << 0,
    UISwipeGestureRecognizerDirectionLeft = 1 << 1,
    UISwipeGestureRecognizerDirectionUp = 1 << 2,
    UISwipeGestureRecognizerDirectionDown = 1 << 3,
};

class UISwipeGestureRecognizer : public UIGestureRecognizer {
    FV_CLASS(UISwipeGestureRecognizer, UIGestureRecognizer)
    static void registerMembers(ClassBuilder<UISwipeGestureRecognizer>& b);

    unsigned direction() const { return direction_; }
    void setDirection(unsigned direction) { direction_ = direction; }
    int numberOfTouchesRequired() const { return numberOfTouchesRequired_; }
    void setNumberOfTouchesRequired(int n) { numberOfTouchesRequired_ = n < 1 ? 1 : n; }

    static constexpr CGFloat kMinimumDistance = 50;
    static constexpr double kMaximumDuration = 0.5;

    void touchesBegan(const UITouchSet& touches, UIEvent* event) override;
    void touchesMoved(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded(const UITouchSet& touches, UIEvent* event) override;
    void touchesCancelled(const UITouchSet& touches, UIEvent* event) override;
    void reset() override;

  private:
    unsigned direction_ = UISwipeGestureRecognizerDirectionRight;
    int numberOfTouchesRequired_ = 1;
    CGPoint start_;
    double startTime_ = 0;
    bool started_ = false;
};

}  // namespace fv
