#include "controls/BottomPullToRefreshView.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "controls/HostResources.h"
#include "platform/graphics/TextLayout.h"

namespace fv {

FV_REGISTER_CLASS(BottomPullToRefreshView);

BottomPullToRefreshView::BottomPullToRefreshView() = default;
BottomPullToRefreshView::~BottomPullToRefreshView() = default;

BottomPullToRefreshViewPtr BottomPullToRefreshView::create(CGRect frame) {
    auto view = std::make_shared<BottomPullToRefreshView>();
    view->build(frame);
    return view;
}

void BottomPullToRefreshView::build(CGRect frame) {
    const CGFloat w = frame.size.width;
    const CGFloat h = frame.size.height;
    setFrame(frame);
    setAutoresizingMask(UIViewAutoresizingFlexibleLeftMargin | UIViewAutoresizingFlexibleWidth |
                        UIViewAutoresizingFlexibleRightMargin);
    setBackgroundColor(UIColor::clearColor());

    containerView_ = UIView::create(CGRectMake(0, 0, w, h));
    containerView_->setBackgroundColor(UIColor::clearColor());
    containerView_->setAutoresizingMask(
        UIViewAutoresizingFlexibleLeftMargin | UIViewAutoresizingFlexibleWidth |
        UIViewAutoresizingFlexibleRightMargin | UIViewAutoresizingFlexibleBottomMargin);
    addSubview(containerView_);

    auto arrow = hostImageNamed(kArrowImageName);
    CGSize arrowSize = arrow ? arrow->size() : CGSizeZero;
    iconImageView_ =
        UIImageView::create(CGRectMake(kIconX, roundHalfAway(h / 2) - roundHalfAway(arrowSize.height / 2),
                                       arrowSize.width, arrowSize.height));
    iconImageView_->setImage(arrow);
    iconImageView_->setContentMode(UIViewContentModeCenter);
    iconImageView_->setAutoresizingMask(UIViewAutoresizingFlexibleRightMargin);
    containerView_->addSubview(iconImageView_);

    loadingActivityIndicator_ = UIActivityIndicatorView::create(UIActivityIndicatorViewStyleWhite);
    loadingActivityIndicator_->setColor(UIColor::lightGrayColor());
    loadingActivityIndicator_->setCenter(iconImageView_->center());
    loadingActivityIndicator_->setHidesWhenStopped(true);
    loadingActivityIndicator_->setAutoresizingMask(UIViewAutoresizingFlexibleRightMargin);
    containerView_->addSubview(loadingActivityIndicator_);

    const CGFloat iconMaxX = CGRectGetMaxX(iconImageView_->frame());
    messageLabel_ = UILabel::create(CGRectMake(iconMaxX + 20, 10, w - iconMaxX - 40, h - 20));
    messageLabel_->setBackgroundColor(UIColor::clearColor());
    messageLabel_->setTextColor(UIColor::lightGrayColor());
    messageLabel_->setAutoresizingMask(UIViewAutoresizingFlexibleRightMargin);
    containerView_->addSubview(messageLabel_);

    fixedHeight_ = h;
    rotateIconWhileBecomingVisible_ = true;
    changeStateOfControl(BottomPullToRefreshViewStateIdle, std::numeric_limits<CGFloat>::max());
}

void BottomPullToRefreshView::changeStateOfControl(std::int32_t state, CGFloat offset) {
    state_ = state;
    CGRect f = frame();
    switch (state) {
        case BottomPullToRefreshViewStateIdle:
            iconImageView_->setTransform(CGAffineTransformIdentity);
            iconImageView_->setHidden(false);
            loadingActivityIndicator_->stopAnimating();
            messageLabel_->setText(hostLocalizedText("BOTTOM_PTR_PULL_TEXT", kStringsTable));
            f.size.height = fixedHeight_;
            break;
        case BottomPullToRefreshViewStatePulling:
            // Measured against the height the view has now, which may still be stretched.
            iconImageView_->setTransform(
                rotateIconWhileBecomingVisible_ && f.size.height != 0
                    ? CGAffineTransformMakeRotation(-offset * std::numbers::pi / f.size.height)
                    : CGAffineTransformIdentity);
            messageLabel_->setText(hostLocalizedText("BOTTOM_PTR_PULL_TEXT", kStringsTable));
            f.size.height = fixedHeight_;
            break;
        case BottomPullToRefreshViewStateRelease:
            iconImageView_->setTransform(CGAffineTransformMakeRotation(std::numbers::pi));
            messageLabel_->setText(hostLocalizedText("BOTTOM_PTR_RELEASE_TEXT", kStringsTable));
            f.size.height = fixedHeight_ + std::fabs(offset);
            break;
        case BottomPullToRefreshViewStateLoading:
            iconImageView_->setHidden(true);
            loadingActivityIndicator_->startAnimating();
            messageLabel_->setText(hostLocalizedText("BOTTOM_PTR_LOADING_TEXT", kStringsTable));
            f.size.height = fixedHeight_ + std::fabs(offset);
            break;
        default:
            break;
    }
    setFrame(f);
    setNeedsLayout();
}

void BottomPullToRefreshView::layoutSubviews() {
    UIView::layoutSubviews();
    CGRect label = messageLabel_->frame();
    label.size.width = TextLayout::widthOfText(messageLabel_->text().value_or(""), messageLabel_->font());
    messageLabel_->setFrame(label);
    CGRect c = containerView_->frame();
    c.size.width = CGRectGetMaxX(label);
    containerView_->setFrame(c);
}

}  // namespace fv
