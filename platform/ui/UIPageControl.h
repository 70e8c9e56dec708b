#pragma once
// Page controls: a row of dots. The current page stays within [0, numberOfPages - 1]; a user's tap
// right or left of the centre moves one page and sends value-changed.
#include <memory>

#include "platform/ui/UIControl.h"

namespace fv {

class UIPageControl;
using UIPageControlPtr = std::shared_ptr<UIPageControl>;

class UIPageControl : public UIControl {
    FV_CLASS(UIPageControl, UIControl)
    static void registerMembers(ClassBuilder<UIPageControl>& b);
    static UIPageControlPtr create(CGRect frame = CGRectZero);
    UIPageControl();
    explicit UIPageControl(CGRect frame);
    ~UIPageControl() override;

    long numberOfPages() const { return numberOfPages_; }
    void setNumberOfPages(long pages);  // negative counts read as 0
    long currentPage() const { return currentPage_; }
    void setCurrentPage(long page);  // clamped
    bool hidesForSinglePage() const { return hidesForSinglePage_; }
    void setHidesForSinglePage(bool hides);
    // Dots of the other pages (none = translucent white) and of the current one (none = white).
    UIColorPtr pageIndicatorTintColor() const { return pageTint_; }
    void setPageIndicatorTintColor(UIColorPtr color);
    UIColorPtr currentPageIndicatorTintColor() const { return currentPageTint_; }
    void setCurrentPageIndicatorTintColor(UIColorPtr color);

    CGSize sizeForNumberOfPages(long pages) const;
    unsigned defaultControlEvents() const override { return UIControlEventValueChanged; }
    void endTrackingWithTouch(UITouch* touch, UIEvent* event) override;
    void drawRect(CGRect rect) override;

  private:
    long numberOfPages_ = 0;
    long currentPage_ = 0;
    bool hidesForSinglePage_ = false;
    UIColorPtr pageTint_;
    UIColorPtr currentPageTint_;
};

}  // namespace fv
