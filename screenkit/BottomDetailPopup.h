#pragma once
// The detail pop-up the transaction and transfer lists slide up from the bottom over a dimmed list:
// its bottom constraint moves between a hidden and a shown constant while the dimming view fades in,
// and back, the dimming view hidden once it has faded out (unless the pop-up has opened again).
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIView.h"

namespace fv {

struct BottomDetailPopup {
    CGFloat hiddenConstant;
    CGFloat shownConstant = 0;
    double slideDuration = 0.25;
    double dimmingDuration = 0.15;
    CGFloat dimmingAlpha = 0.7;

    // Hidden below the edge, the dimming view hidden and clear, the pop-up's soft shadow all round.
    void prepare(NSLayoutConstraint& bottom, UIView& dimming, UIView& popup) const;
    void open(const UIViewPtr& root, NSLayoutConstraint& bottom, const UIViewPtr& dimming) const;
    // The dimming view is hidden once it has faded out, unless the pop-up has been opened again.
    void close(const UIViewPtr& root, const NSLayoutConstraintPtr& bottom, const UIViewPtr& dimming) const;
};

}  // namespace fv
