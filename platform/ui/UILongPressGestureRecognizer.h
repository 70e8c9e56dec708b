#pragma once
// Long press: begins once the fingers have stayed down (within allowableMovement) for
// minimumPressDuration on the run-loop clock, changes as they move, ends when they lift. Lifting or
// moving too far before that fails it.
#include <memory>

#include "platform/ui/UIGestureRecognizer.h"

namespace fv {

class Timer;

class UILongPressGestureRecognizer : public UIGestureRecognizer {
    FV_CLASS(UILongPressGestureRecognizer, UIGestureRecognizer)
    static void registerMembers(ClassBuilder<UILongPressGestureRecognizer>& b);
    ~UILongPressGestureRecognizer() override;

    double minimumPressDuration() const { return minimumPressDuration_; }
    void setMinimumPressDuration(double seconds) { minimumPressDuration_ = seconds < 0 ? 0 : seconds; }
    CGFloat allowableMovement() const { return allowableMovement_; }
    void setAllowableMovement(CGFloat points) { allowableMovement_ = points; }
    int numberOfTouchesRequired() const { return numberOfTouchesRequired_; }
    void setNumberOfTouchesRequired(int n) { numberOfTouchesRequired_ = n < 1 ? 1 : n; }

    void touchesBegan(const UITouchSet& touches, UIEvent* event) override;
    void touchesMoved(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded(const UITouchSet& touches, UIEvent* event) override;
    void touchesCancelled(const UITouchSet& touches, UIEvent* event) override;
    void reset() override;

  private:
    void cancelTimer();

    double minimumPressDuration_ = 0.5;
    CGFloat allowableMovement_ = 10;
    int numberOfTouchesRequired_ = 1;
    CGPoint start_;
    std::shared_ptr<Timer> timer_;
};

}  // namespace fv
