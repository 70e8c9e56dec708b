#include "controls/PullToRefreshView.h"

#include <limits>

#include "controls/HostResources.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/RunLoop.h"
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
    buildParts(frame,
               {UIViewAutoresizingFlexibleTopMargin, kIconImageName, 0, UIActivityIndicatorViewStyleGray});
    const CGFloat w = frame.size.width;
    const CGFloat h = frame.size.height;
    const CGFloat iconMaxX = CGRectGetMaxX(iconImageView()->frame());
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
        containerView()->addSubview(label);
    }

    lastUpdateDate_ = Date{RunLoop::main().wallTime()};
    changeStateOfControl(PullToRefreshViewStateIdle, std::numeric_limits<CGFloat>::max());
}

void PullToRefreshView::changeStateOfControl(std::int32_t state, CGFloat offset) {
    const CGRect f = frame();
    showIconState(state, offset);
    switch (state) {
        case PullToRefreshViewStateIdle:
            bottomLabel_->setText(hostLocalizedText("TXT_PTR_PULL", kStringsTable));
            showLastUpdateDate();
            setFrame(CGRectMake(f.origin.x, -fixedHeight(), f.size.width, fixedHeight()));
            break;
        case PullToRefreshViewStatePulling:
            bottomLabel_->setText(hostLocalizedText("TXT_PTR_PULL", kStringsTable));
            setFrame(CGRectMake(f.origin.x, -fixedHeight(), f.size.width, fixedHeight()));
            break;
        case PullToRefreshViewStateRelease:
            bottomLabel_->setText(hostLocalizedText("TXT_PTR_RELEASE", kStringsTable));
            setFrame(CGRectMake(f.origin.x, offset, f.size.width, -offset));
            break;
        case PullToRefreshViewStateLoading:
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
    for (const auto& label : {topLabel_, bottomLabel_}) fitWidthToText(*label);
    const auto& wider =
        topLabel_->frame().size.width > bottomLabel_->frame().size.width ? topLabel_ : bottomLabel_;
    const auto& container = containerView();
    CGRect c = container->frame();
    c.size.width = CGRectGetMaxX(wider->frame());
    container->setFrame(c);
    container->setCenter(CGPointMake(center().x, container->center().y));
}

}  // namespace fv
