#pragma once
// Tap: recognised when the last of numberOfTapsRequired taps of numberOfTouchesRequired fingers lifts.
// Fails when a finger moves more than 10 points, when a tap lasts longer than 0.75 s, or when the next
// tap does not start within 0.35 s.
#include <memory>

#include "platform/ui/UIGestureRecognizer.h"

namespace fv {

class Timer;

class UITapGestureRecognizer : public UIGestureRecognizer {
    FV_CLASS(UITapGestureRecognizer, UIGestureRecognizer)
    static void registerMembers(ClassBuilder<UITapGestureRecognizer>& b);
    ~UITapGestureRecognizer() override;

    int numberOfTapsRequired() const { return numberOfTapsRequired_; }
    void setNumberOfTapsRequired(int n) { numberOfTapsRequired_ = n < 1 ? 1 : n; }
    int numberOfTouchesRequired() const { return numberOfTouchesRequired_; }
    void setNumberOfTouchesRequired(int n) { numberOfTouchesRequired_ = n < 1 ? 1 : n; }

    static constexpr CGFloat kAllowableMovement = 10;
    static constexpr double kMaximumTapDuration = 0.75;
    static constexpr double kMaximumTapInterval = 0.35;

    void touchesBegan(const UITouchSet& touches, UIEvent* event) override;
    void touchesMoved(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded(const UITouchSet& touches, UIEvent* event) override;
    void touchesCancelled(const UITouchSet& touches, UIEvent* event) override;
    void reset() override;

  private:
    void failAfter(double seconds);
    void cancelTimer();

    int numberOfTapsRequired_ = 1;
    int numberOfTouchesRequired_ = 1;
    int tapsDone_ = 0;
    std::size_t maxTouchesThisTap_ = 0;
    CGPoint tapStart_;
    std::shared_ptr<Timer> timer_;
};

}  // namespace fv
