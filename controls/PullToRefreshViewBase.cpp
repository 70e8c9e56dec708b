#include "controls/PullToRefreshViewBase.h"

#include <numbers>

#include "controls/HostResources.h"
#include "platform/graphics/TextLayout.h"

namespace fv {

FV_REGISTER_CLASS(PullToRefreshViewBase);

PullToRefreshViewBase::PullToRefreshViewBase() = default;
PullToRefreshViewBase::~PullToRefreshViewBase() = default;

void PullToRefreshViewBase::buildParts(CGRect frame, const Parts& parts) {
    const CGFloat w = frame.size.width;
    const CGFloat h = frame.size.height;
    setFrame(frame);
    setAutoresizingMask(UIViewAutoresizingFlexibleLeftMargin | UIViewAutoresizingFlexibleWidth |
                        UIViewAutoresizingFlexibleRightMargin);
    setBackgroundColor(UIColor::clearColor());

    containerView_ = UIView::create(CGRectMake(0, 0, w, h));
    containerView_->setBackgroundColor(UIColor::clearColor());
    containerView_->setAutoresizingMask(UIViewAutoresizingFlexibleLeftMargin |
                                        UIViewAutoresizingFlexibleWidth |
                                        UIViewAutoresizingFlexibleRightMargin | parts.containerMargin);
    addSubview(containerView_);

    auto icon = hostImageNamed(parts.iconImageName);
    CGSize iconSize = icon ? icon->size() : CGSizeZero;
    iconImageView_ =
        UIImageView::create(CGRectMake(parts.iconX, roundHalfAway(h / 2) - roundHalfAway(iconSize.height / 2),
                                       iconSize.width, iconSize.height));
    iconImageView_->setImage(icon);
    iconImageView_->setContentMode(UIViewContentModeCenter);
    iconImageView_->setAutoresizingMask(UIViewAutoresizingFlexibleRightMargin);
    containerView_->addSubview(iconImageView_);

    loadingActivityIndicator_ = UIActivityIndicatorView::create(parts.spinnerStyle);
    loadingActivityIndicator_->setColor(UIColor::lightGrayColor());
    loadingActivityIndicator_->setCenter(iconImageView_->center());
    loadingActivityIndicator_->setHidesWhenStopped(true);
    loadingActivityIndicator_->setAutoresizingMask(UIViewAutoresizingFlexibleRightMargin);
    containerView_->addSubview(loadingActivityIndicator_);

    fixedHeight_ = h;
    rotateIconWhileBecomingVisible_ = true;
}

void PullToRefreshViewBase::showIconState(std::int32_t state, CGFloat offset) {
    state_ = state;
    const CGFloat height = frame().size.height;
    switch (state) {
        case kIdle:
            iconImageView_->setTransform(CGAffineTransformIdentity);
            iconImageView_->setHidden(false);
            loadingActivityIndicator_->stopAnimating();
            break;
        case kPulling:
            iconImageView_->setTransform(
                rotateIconWhileBecomingVisible_ && height != 0
                    ? CGAffineTransformMakeRotation(-offset * std::numbers::pi / height)
                    : CGAffineTransformIdentity);
            break;
        case kRelease:
            iconImageView_->setTransform(CGAffineTransformMakeRotation(std::numbers::pi));
            break;
        case kLoading:
            iconImageView_->setHidden(true);
            loadingActivityIndicator_->startAnimating();
            break;
        default:
            break;
    }
}

void PullToRefreshViewBase::fitWidthToText(UILabel& label) {
    CGRect f = label.frame();
    f.size.width = TextLayout::widthOfText(label.text().value_or(""), label.font());
    label.setFrame(f);
}

}  // namespace fv
