#include "controls/PullToRefreshView.h"

#include <limits>
#include <numbers>

#include "controls/HostResources.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/RunLoop.h"
#include "platform/graphics/TextLayout.h"
#include "platform/graphics/UIFont.h"

namespace fv {

FV_REGISTER_CLASS(PullToRefreshView);

PullToRefreshView::PullToRefreshView() = default;
PullToRefreshView::~PullToRefreshView() = default;

PullToRefreshViewPtr PullToRefreshView::create(CGRect frame) {
    auto view = std::make_shared<PullToRefreshView>();
    view->build(frame);
    return view;
}

void PullToRefreshView::build(CGRect frame) {
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
        UIViewAutoresizingFlexibleRightMargin | UIViewAutoresizingFlexibleTopMargin);
    addSubview(containerView_);

    auto icon = hostImageNamed(kIconImageName);
    CGSize iconSize = icon ? icon->size() : CGSizeZero;
    iconImageView_ = UIImageView::create(CGRectMake(
        0, roundHalfAway(h / 2) - roundHalfAway(iconSize.height / 2), iconSize.width, iconSize.height));
    iconImageView_->setImage(icon);
    iconImageView_->setContentMode(UIViewContentModeCenter);
    iconImageView_->setAutoresizingMask(UIViewAutoresizingFlexibleRightMargin);
    containerView_->addSubview(iconImageView_);

    loadingActivityIndicator_ = UIActivityIndicatorView::create(UIActivityIndicatorViewStyleGray);
    loadingActivityIndicator_->setCenter(iconImageView_->center());
    loadingActivityIndicator_->setHidesWhenStopped(true);
    loadingActivityIndicator_->setColor(UIColor::lightGrayColor());
    loadingActivityIndicator_->setAutoresizingMask(UIViewAutoresizingFlexibleRightMargin);
    containerView_->addSubview(loadingActivityIndicator_);

    const CGFloat iconMaxX = CGRectGetMaxX(iconImageView_->frame());
    topLabel_ =
        UILabel::create(CGRectMake(iconMaxX + 20, 10, w - iconMaxX - 40, roundHalfAway((h - 20) / 2)));
    bottomLabel_ = UILabel::create(CGRectMake(iconMaxX + 20, CGRectGetMaxY(topLabel_->frame()),
                                              w - iconMaxX - 40, topLabel_->frame().size.height));
    topLabel_->setFont(UIFont::systemFontOfSize(12));
    bottomLabel_->setFont(UIFont::boldSystemFontOfSize(12));
    for (const auto& label : {topLabel_, bottomLabel_}) {
        label->setBackgroundColor(UIColor::clearColor());
        label->setTextColor(UIColor::lightGrayColor());
        label->setAutoresizingMask(UIViewAutoresizingFlexibleRightMargin);
        containerView_->addSubview(label);
    }

    fixedHeight_ = h;
    rotateIconWhileBecomingVisible_ = true;
    lastUpdateDate_ = Date{RunLoop::main().wallTime()};
    changeStateOfControl(PullToRefreshViewStateIdle, std::numeric_limits<CGFloat>::max());
}

void PullToRefreshView::changeStateOfControl(std::int32_t state, CGFloat offset) {
    state_ = state;
    CGRect f = frame();
    switch (state) {
        case PullToRefreshViewStateIdle:
            iconImageView_->setTransform(CGAffineTransformIdentity);
            iconImageView_->setHidden(false);
            loadingActivityIndicator_->stopAnimating();
            bottomLabel_->setText(hostLocalizedText("TXT_PTR_PULL", kStringsTable));
            showLastUpdateDate();
            setFrame(CGRectMake(f.origin.x, -fixedHeight_, f.size.width, fixedHeight_));
            break;
        case PullToRefreshViewStatePulling:
            // The turn follows the finger; it is measured against the height the view has now, which
            // may still be stretched from the ready state.
            iconImageView_->setTransform(
                rotateIconWhileBecomingVisible_ && f.size.height != 0
                    ? CGAffineTransformMakeRotation(-offset * std::numbers::pi / f.size.height)
                    : CGAffineTransformIdentity);
            bottomLabel_->setText(hostLocalizedText("TXT_PTR_PULL", kStringsTable));
            setFrame(CGRectMake(f.origin.x, -fixedHeight_, f.size.width, fixedHeight_));
            break;
        case PullToRefreshViewStateRelease:
            iconImageView_->setTransform(CGAffineTransformMakeRotation(std::numbers::pi));
            bottomLabel_->setText(hostLocalizedText("TXT_PTR_RELEASE", kStringsTable));
            setFrame(CGRectMake(f.origin.x, offset, f.size.width, -offset));
            break;
        case PullToRefreshViewStateLoading:
            iconImageView_->setHidden(true);
            loadingActivityIndicator_->startAnimating();
            bottomLabel_->setText(hostLocalizedText("TXT_PTR_LOADING", kStringsTable));
            setFrame(CGRectMake(f.origin.x, offset, f.size.width, -offset));
            break;
        default:
            break;
    }
    setNeedsLayout();
}

void PullToRefreshView::showLastUpdateDate() {
    if (!dateFormatter_) {
        dateFormatter_ = std::make_unique<NSDateFormatter>();
        dateFormatter_->setLocale(NSLocale::currentLocaleIdentifier());
        dateFormatter_->setDateStyle(NSDateFormatter::Style::Short);
        dateFormatter_->setTimeStyle(NSDateFormatter::Style::Medium);
    }
    topLabel_->setText(dateFormatter_->stringFromDate(lastUpdateDate_));
}

void PullToRefreshView::layoutSubviews() {
    UIView::layoutSubviews();
    for (const auto& label : {topLabel_, bottomLabel_}) {
        CGRect f = label->frame();
        f.size.width = TextLayout::widthOfText(label->text().value_or(""), label->font());
        label->setFrame(f);
    }
    const auto& wider =
        topLabel_->frame().size.width > bottomLabel_->frame().size.width ? topLabel_ : bottomLabel_;
    CGRect c = containerView_->frame();
    c.size.width = CGRectGetMaxX(wider->frame());
    containerView_->setFrame(c);
    containerView_->setCenter(CGPointMake(center().x, containerView_->center().y));
}

}  // namespace fv
