#include "screenkit/BottomDetailPopup.h"

#include "platform/graphics/UIColor.h"
#include "platform/ui/CALayer.h"

namespace fv {

namespace {

void slide(const UIViewPtr& root, NSLayoutConstraint& bottom, CGFloat constant, double duration) {
    root->layoutIfNeeded();
    bottom.setConstant(constant);
    UIView::animateWithDuration(duration, [root] { root->layoutIfNeeded(); });
}

}  // namespace

void BottomDetailPopup::prepare(NSLayoutConstraint& bottom, UIView& dimming, UIView& popup) const {
    bottom.setConstant(hiddenConstant);
    dimming.setHidden(true);
    dimming.setAlpha(0);
    auto layer = popup.layer();
    layer->masksToBounds = false;
    layer->shadowColor = UIColor::blackColor();
    layer->shadowOffset = CGSizeMake(0, 0);
    layer->shadowRadius = 3;
    layer->shadowOpacity = 1;
}

void BottomDetailPopup::open(const UIViewPtr& root, NSLayoutConstraint& bottom,
                             const UIViewPtr& dimming) const {
    slide(root, bottom, shownConstant, slideDuration);
    dimming->setHidden(false);
    UIView::animateWithDuration(dimmingDuration,
                                [dimming, alpha = dimmingAlpha] { dimming->setAlpha(alpha); });
}

void BottomDetailPopup::close(const UIViewPtr& root, const NSLayoutConstraintPtr& bottom,
                              const UIViewPtr& dimming) const {
    slide(root, *bottom, hiddenConstant, slideDuration);
    // A row tapped during the fade reopens the pop-up; its dimming view must then stay.
    std::weak_ptr<NSLayoutConstraint> weakBottom = bottom;
    UIView::animateWithDuration(
        dimmingDuration, [dimming] { dimming->setAlpha(0); },
        [dimming, weakBottom, hidden = hiddenConstant](bool) {
            auto constraint = weakBottom.lock();
            if (!constraint || constraint->constant() == hidden) dimming->setHidden(true);
        });
}

}  // namespace fv
