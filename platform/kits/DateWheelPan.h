#pragma once
// Internal to platform/kits: the vertical pan that turns a date dialog's wheels. A drag that starts
// on a wheel turns that wheel one value for every row of travel, later values as the finger goes up,
// earlier ones as it goes down. Released fast, the wheel runs on by the distance a scroll view would,
// slowing on the run loop clock, until it stops or its view stops it (a finger catching the wheel).
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>

#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIPanGestureRecognizer.h"

namespace fv {

class DateWheelPan;
using DateWheelPanPtr = std::shared_ptr<DateWheelPan>;

class DateWheelPan : public UIPanGestureRecognizer {
    FV_CLASS(DateWheelPan, UIPanGestureRecognizer)
    static void registerMembers(ClassBuilder<DateWheelPan>& b);
    struct Wheels {
        // The wheel under a point of the recogniser's view, if any.
        std::function<std::optional<std::size_t>(CGPoint)> wheelAt;
        // A turn of `wheel` begins: the rows of the calls that follow count from its value now.
        std::function<void(std::size_t wheel)> began;
        // The wheel stands `rows` rows from where the turn began (positive: later values).
        std::function<void(std::size_t wheel, long rows)> turned;
    };
    static DateWheelPanPtr create(Wheels wheels);
    ~DateWheelPan() override;

    // Travel of one row, in points.
    static constexpr CGFloat kRowHeight = 30;
    // Release speeds (points per second) from which the wheel runs on.
    static constexpr double kFlickSpeed = 300;

    bool isRunningOn() const { return timer_ != nullptr; }
    void stopRunning();

  protected:
    bool mayBegin() const override;

  private:
    std::optional<std::size_t> wheelAtStart() const;
    void turnWheel(UIPanGestureRecognizer* sender);
    void follow(CGFloat travel);
    void runOn(CGFloat velocity);
    void runStep();

    Wheels wheels_;
    std::optional<std::size_t> wheel_;
    CGFloat travel_ = 0;
    long rows_ = 0;
    // The run after a flick: from `runFrom_` to `runTo_` points of travel, easing out from `runStart_`.
    std::shared_ptr<Timer> timer_;
    CGFloat runFrom_ = 0, runTo_ = 0;
    double runStart_ = 0;
};

}  // namespace fv
