#include "platform/kits/DateWheelPan.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/UIView.h"

namespace fv {

FV_REGISTER_CLASS(DateWheelPan);

namespace {
constexpr double kFrameInterval = 1.0 / 60;
// As a scroll view decelerates: a released drag travels 499 points per point-per-millisecond.
constexpr double kRunDistance = 499;
constexpr double kRunDuration = 0.8;
}  // namespace

void DateWheelPan::registerMembers(ClassBuilder<DateWheelPan>& b) {
    b.action("turnWheel:", &DateWheelPan::turnWheel);
}

DateWheelPanPtr DateWheelPan::create(Wheels wheels) {
    auto pan = std::make_shared<DateWheelPan>();
    pan->wheels_ = std::move(wheels);
    pan->addTarget(pan, "turnWheel:");
    return pan;
}

DateWheelPan::~DateWheelPan() {
    if (timer_) timer_->invalidate();
}

std::optional<std::size_t> DateWheelPan::wheelAtStart() const {
    const UIView* v = view();
    if (!v || !wheels_.wheelAt) return std::nullopt;
    return wheels_.wheelAt(v->convertPointFromView(startPoint(), nullptr));
}

bool DateWheelPan::mayBegin() const {
    return wheelAtStart().has_value();
}

void DateWheelPan::turnWheel(UIPanGestureRecognizer*) {
    const CGFloat travel = translationInView(view()).y;
    switch (state()) {
        case UIGestureRecognizerStateBegan:
            wheel_ = wheelAtStart();
            rows_ = 0;
            if (wheel_ && wheels_.began) wheels_.began(*wheel_);
            follow(travel);
            break;
        case UIGestureRecognizerStateChanged:
            follow(travel);
            break;
        case UIGestureRecognizerStateEnded:
            follow(travel);
            runOn(velocityInView(view()).y);
            break;
        default:
            break;
    }
}

// Whole rows only: the wheel shows one value at a time.
void DateWheelPan::follow(CGFloat travel) {
    travel_ = travel;
    const auto rows = static_cast<long>(std::trunc(-travel / kRowHeight));
    if (!wheel_ || rows == rows_) return;
    rows_ = rows;
    if (wheels_.turned) wheels_.turned(*wheel_, rows);
}

void DateWheelPan::runOn(CGFloat velocity) {
    if (!wheel_ || !std::isfinite(velocity) || std::fabs(velocity) < kFlickSpeed) return;
    runFrom_ = travel_;
    runTo_ = travel_ + static_cast<CGFloat>(velocity / 1000 * kRunDistance);
    runStart_ = RunLoop::main().now();
    std::weak_ptr<DateWheelPan> weak = std::static_pointer_cast<DateWheelPan>(weak_from_this().lock());
    timer_ = RunLoop::main().scheduleTimer(kFrameInterval, true, [weak](Timer&) {
        if (auto self = weak.lock()) self->runStep();
    });
}

void DateWheelPan::runStep() {
    auto keepAlive = weak_from_this().lock();
    if (!view()) return stopRunning();
    const double f = std::min(1.0, (RunLoop::main().now() - runStart_) / kRunDuration);
    const double eased = 1 - (1 - f) * (1 - f);
    if (f >= 1) stopRunning();
    follow(runFrom_ + static_cast<CGFloat>((runTo_ - runFrom_) * eased));
}

void DateWheelPan::stopRunning() {
    if (timer_) timer_->invalidate();
    timer_.reset();
}

}  // namespace fv
