#pragma once
// A page indicator of short bars, one per page. `progress` is a page index that may fall between
// pages (a carousel half-way from page 1 to page 2 reads 1.5): the highlighted bar slides with it.
// Its one colour paints the highlighted bar; the others take it at a third of its opacity.
#include <memory>

#include "platform/graphics/UIColor.h"
#include "platform/ui/UIView.h"

namespace fv {

class BarPageControl;
using BarPageControlPtr = std::shared_ptr<BarPageControl>;

class BarPageControl : public UIView {
    FV_CLASS(BarPageControl, UIView)
    static void registerMembers(ClassBuilder<BarPageControl>& b);
    static BarPageControlPtr create(CGRect frame = CGRectZero);
    BarPageControl();
    explicit BarPageControl(CGRect frame);
    ~BarPageControl() override;

    long numberOfPages() const { return numberOfPages_; }
    void setNumberOfPages(long pages);  // negative counts read as 0; progress is clamped again
    double progress() const { return progress_; }
    void setProgress(double progress);  // clamped to [0, numberOfPages - 1]; NaN reads as 0
    // None = white.
    UIColorPtr indicatorColor() const { return indicatorColor_; }
    void setIndicatorColor(UIColorPtr color);

    // Test driver: the highlighted bar's frame in this view's coordinates (zero without pages).
    CGRect activeBarFrame() const;
    CGRect barFrame(long page) const;

    void drawRect(CGRect rect) override;

  private:
    long numberOfPages_ = 0;
    double progress_ = 0;
    UIColorPtr indicatorColor_;
};

}  // namespace fv
