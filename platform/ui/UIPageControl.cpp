#include "platform/ui/UIPageControl.h"

#include <algorithm>

#include "platform/graphics/GraphicsContext.h"
#include "platform/ui/ControlProperties.h"

namespace fv {

FV_REGISTER_CLASS(UIPageControl);

namespace {
constexpr CGFloat kDot = 7;
constexpr CGFloat kSpacing = 9;
}  // namespace

void UIPageControl::registerMembers(ClassBuilder<UIPageControl>& b) {
    b.property("numberOfPages", &UIPageControl::numberOfPages, &UIPageControl::setNumberOfPages);
    b.property("currentPage", &UIPageControl::currentPage, &UIPageControl::setCurrentPage);
    b.property("hidesForSinglePage", &UIPageControl::hidesForSinglePage,
               &UIPageControl::setHidesForSinglePage);
    colorProperty(
        b, "pageIndicatorTintColor", [](UIPageControl& p) { return p.pageIndicatorTintColor(); },
        [](UIPageControl& p, UIColorPtr c) { p.setPageIndicatorTintColor(c); });
    colorProperty(
        b, "currentPageIndicatorTintColor",
        [](UIPageControl& p) { return p.currentPageIndicatorTintColor(); },
        [](UIPageControl& p, UIColorPtr c) { p.setCurrentPageIndicatorTintColor(c); });
}

UIPageControlPtr UIPageControl::create(CGRect frame) {
    return std::make_shared<UIPageControl>(frame);
}

UIPageControl::UIPageControl() : UIPageControl(CGRectZero) {}

UIPageControl::UIPageControl(CGRect frame) : UIControl(frame) {
    setOpaque(false);
}

UIPageControl::~UIPageControl() = default;

void UIPageControl::setNumberOfPages(long pages) {
    numberOfPages_ = std::max(0L, pages);
    setCurrentPage(currentPage_);
    setHidesForSinglePage(hidesForSinglePage_);
    setNeedsDisplay();
}

void UIPageControl::setCurrentPage(long page) {
    currentPage_ = std::clamp(page, 0L, std::max(0L, numberOfPages_ - 1));
    setNeedsDisplay();
}

void UIPageControl::setHidesForSinglePage(bool hides) {
    hidesForSinglePage_ = hides;
    if (hides) setHidden(numberOfPages_ <= 1);
}

void UIPageControl::setPageIndicatorTintColor(UIColorPtr color) {
    pageTint_ = std::move(color);
    setNeedsDisplay();
}

void UIPageControl::setCurrentPageIndicatorTintColor(UIColorPtr color) {
    currentPageTint_ = std::move(color);
    setNeedsDisplay();
}

CGSize UIPageControl::sizeForNumberOfPages(long pages) const {
    if (pages <= 0) return {0, kDot};
    return {static_cast<CGFloat>(pages) * kDot + static_cast<CGFloat>(pages - 1) * kSpacing, kDot};
}

void UIPageControl::endTrackingWithTouch(UITouch* touch, UIEvent* event) {
    UIControl::endTrackingWithTouch(touch, event);
    if (!touch || !isTouchInside()) return;
    long before = currentPage_;
    bool forward = touch->locationInView(this).x >= CGRectGetMidX(bounds());
    setCurrentPage(currentPage_ + (forward ? 1 : -1));
    if (currentPage_ != before) sendActionsForControlEvents(UIControlEventValueChanged);
}

void UIPageControl::drawRect(CGRect) {
    auto context = UIGraphicsGetCurrentContext();
    if (!context || numberOfPages_ <= 0) return;
    CGRect b = bounds();
    CGSize row = sizeForNumberOfPages(numberOfPages_);
    CGFloat x = b.origin.x + (b.size.width - row.width) / 2;
    CGFloat y = b.origin.y + (b.size.height - kDot) / 2;
    for (long i = 0; i < numberOfPages_; ++i) {
        bool current = i == currentPage_;
        auto color = current ? (currentPageTint_ ? currentPageTint_ : UIColor::whiteColor())
                             : (pageTint_ ? pageTint_ : UIColor::colorWithWhite(1, 0.35));
        context->setFillColor(color);
        context->fillEllipseInRect({{x + static_cast<CGFloat>(i) * (kDot + kSpacing), y}, {kDot, kDot}});
    }
}

}  // namespace fv
