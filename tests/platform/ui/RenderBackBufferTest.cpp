#include <cairo.h>
#include <gtest/gtest.h>

#include <cstring>

#include "platform/ui/UIApplication.h"
#include "platform/ui/UIViewRendering.h"
#include "platform/ui/UIWindow.h"

namespace fv {
namespace {

std::uint32_t pixel(const UIImage& image, int x, int y) {
    cairo_surface_t* s = image.cairoSurface();
    std::uint32_t v;
    std::memcpy(&v, cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s) + 4 * x, 4);
    return v;
}

class WindowFrames : public ::testing::Test {
  protected:
    void SetUp() override {
        window_ = UIWindow::create(CGRectMake(0, 0, 40, 30));
        window_->makeKeyAndVisible();
        box_ = UIView::create(CGRectMake(0, 0, 10, 10));
        box_->setBackgroundColor(UIColor::redColor());
        window_->addSubview(box_);
    }
    void TearDown() override {
        window_->setHidden(true);
        UIApplication::sharedApplication()->reset();
    }
    UIWindowPtr window_;
    UIViewPtr box_;
};

TEST_F(WindowFrames, ReuseTheWindowsBitmapOnceNoSnapshotHoldsIt) {
    cairo_surface_t* first = renderView(*window_, 2)->cairoSurface();
    EXPECT_EQ(renderView(*window_, 2)->cairoSurface(), first);
}

// A held snapshot keeps its pixels while later frames draw something else; a transparent window
// shows nothing of an earlier frame.
TEST_F(WindowFrames, LeaveHeldSnapshotsAndNoTrailsBehind) {
    for (const auto& background : {UIColorPtr(), UIColor::whiteColor()}) {
        window_->setBackgroundColor(background);
        box_->setFrame(CGRectMake(0, 0, 10, 10));
        const UIImagePtr before = renderView(*window_, 1);
        box_->setFrame(CGRectMake(20, 10, 10, 10));
        const UIImagePtr after = renderView(*window_, 1);
        EXPECT_NE(after->cairoSurface(), before->cairoSurface());
        EXPECT_EQ(pixel(*before, 5, 5), 0xffff0000u);
        EXPECT_EQ(pixel(*before, 25, 15), background ? 0xffffffffu : 0u);
        EXPECT_EQ(pixel(*after, 25, 15), 0xffff0000u);
        EXPECT_EQ(pixel(*after, 5, 5), background ? 0xffffffffu : 0u);
    }
}

// The bitmap made ahead for the window's size at the screen's scale is the one its first frame draws
// into, and later frames keep it.
TEST_F(WindowFrames, DrawTheFirstFrameIntoTheBitmapPreparedForIt) {
    window_->prepareBackBuffer();
    UIImagePtr first = renderView(*window_, 0);
    ASSERT_TRUE(first);
    EXPECT_EQ(cairo_image_surface_get_width(first->cairoSurface()), 80);
    EXPECT_EQ(cairo_image_surface_get_height(first->cairoSurface()), 60);
    EXPECT_EQ(pixel(*first, 5, 5), 0xffff0000u);
    EXPECT_EQ(pixel(*first, 70, 50), 0u);
    cairo_surface_t* bitmap = first->cairoSurface();
    first.reset();  // no snapshot holds it now
    EXPECT_EQ(renderView(*window_, 0)->cairoSurface(), bitmap);
}

TEST_F(WindowFrames, HiddenWindowDrawsNothingOverAnEarlierFrame) {
    window_->setBackgroundColor(UIColor::whiteColor());
    renderView(*window_, 1);
    window_->setHidden(true);
    EXPECT_EQ(pixel(*renderView(*window_, 1), 5, 5), 0u);
}

}  // namespace
}  // namespace fv
