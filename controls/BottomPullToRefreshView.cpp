#include "controls/BottomPullToRefreshView.h"

#include <cmath>
#include <limits>

#include "controls/HostResources.h"

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
    buildParts(frame, {UIViewAutoresizingFlexibleBottomMargin, kArrowImageName, kIconX,
                       UIActivityIndicatorViewStyleWhite});
    const CGFloat w = frame.size.width;
    const CGFloat h = frame.size.height;
    const CGFloat iconMaxX = CGRectGetMaxX(iconImageView()->frame());
    messageLabel_ = UILabel::create(CGRectMake(iconMaxX + 20, 10, w - iconMaxX - 40, h - 20));
    messageLabel_->setBackgroundColor(UIColor::clearColor());
    messageLabel_->setTextColor(UIColor::lightGrayColor());
    messageLabel_->setAutoresizingMask(UIViewAutoresizingFlexibleRightMargin);
    containerView()->addSubview(messageLabel_);

    changeStateOfControl(BottomPullToRefreshViewStateIdle, std::numeric_limits<CGFloat>::max());
}

void BottomPullToRefreshView::changeStateOfControl(std::int32_t state, CGFloat offset) {
    CGRect f = frame();
    showIconState(state, offset);
    switch (state) {
        case BottomPullToRefreshViewStateIdle:
        case BottomPullToRefreshViewStatePulling:
            messageLabel_->setText(hostLocalizedText("BOTTOM_PTR_PULL_TEXT", kStringsTable));
            f.size.height = fixedHeight();
            break;
        case BottomPullToRefreshViewStateRelease:
            messageLabel_->setText(hostLocalizedText("BOTTOM_PTR_RELEASE_TEXT", kStringsTable));
            f.size.height = fixedHeight() + std::fabs(offset);
            break;
        case BottomPullToRefreshViewStateLoading:
            messageLabel_->setText(hostLocalizedText("BOTTOM_PTR_LOADING_TEXT", kStringsTable));
            f.size.height = fixedHeight() + std::fabs(offset);
            break;
        default:
            break;
    }
    setFrame(f);
    setNeedsLayout();
}

void BottomPullToRefreshView::layoutSubviews() {
    UIView::layoutSubviews();
    fitWidthToText(*messageLabel_);
    const auto& container = containerView();
    CGRect c = container->frame();
    c.size.width = CGRectGetMaxX(messageLabel_->frame());
    container->setFrame(c);
}

}  // namespace fv
