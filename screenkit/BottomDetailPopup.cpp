#include "screenkit/BottomDetailPopup.h"

namespace fv {

namespace {

void slide(const UIViewPtr& root, NSLayoutConstraint& bottom, CGFloat constant, double duration) {
    root->layoutIfNeeded();
    bottom.setConstant(constant);
    UIView::animateWithDuration(duration, [root] { root->layoutIfNeeded(); });
}

}  // namespace

void BottomDetailPopup::open(const UIViewPtr& root, NSLayoutConstraint& bottom,
                             const UIViewPtr& dimming) const {
    slide(root, bottom, shownConstant, slideDuration);
    dimming->setHidden(false);
    UIView::animateWithDuration(dimmingDuration,
                                [dimming, alpha = dimmingAlpha] { dimming->setAlpha(alpha); });
}

void BottomDetailPopup::close(const UIViewPtr& root, NSLayoutConstraint& bottom,
                              const UIViewPtr& dimming) const {
    slide(root, bottom, hiddenConstant, slideDuration);
    UIView::animateWithDuration(
        dimmingDuration, [dimming] { dimming->setAlpha(0); }, [dimming](bool) { dimming->setHidden(true); });
}

}  // namespace fv
