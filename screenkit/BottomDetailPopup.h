#pragma once
// The detail pop-up the transaction and transfer lists slide up from the bottom over a dimmed list:
// its bottom constraint moves between a hidden and a shown constant while the dimming view fades in,
// and back, the dimming view hidden once it has faded out.
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIView.h"

namespace fv {

struct BottomDetailPopup {
    CGFloat hiddenConstant;
    CGFloat shownConstant = 0;
    double slideDuration = 0.25;
    double dimmingDuration = 0.15;
    CGFloat dimmingAlpha = 0.7;

    void open(const UIViewPtr& root, NSLayoutConstraint& bottom, const UIViewPtr& dimming) const;
    void close(const UIViewPtr& root, NSLayoutConstraint& bottom, const UIViewPtr& dimming) const;
};

}  // namespace fv
