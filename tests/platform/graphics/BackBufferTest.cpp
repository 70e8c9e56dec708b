#include "platform/graphics/BackBuffer.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace fv {
namespace {

bool allTransparent(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const long bytes =
        static_cast<long>(cairo_image_surface_get_stride(surface)) * cairo_image_surface_get_height(surface);
    return std::all_of(data, data + bytes, [](unsigned char b) { return b == 0; });
}

// A bitmap made ahead is the one the first frame of its size gets: new, and transparent.
TEST(BackBuffer, HandsAPreparedBitmapToTheFirstFrameOfItsSize) {
    BackBuffer buffer;
    buffer.prepare(300, 200);
    buffer.prepare(300, 200);  // once is enough
    bool fresh = false;
    cairo_surface_t* surface = buffer.surfaceFor(300, 200, fresh);
    ASSERT_NE(surface, nullptr);
    EXPECT_TRUE(fresh);
    EXPECT_EQ(cairo_image_surface_get_width(surface), 300);
    EXPECT_EQ(cairo_image_surface_get_height(surface), 200);
    EXPECT_TRUE(allTransparent(surface));

    EXPECT_EQ(buffer.surfaceFor(300, 200, fresh), surface);
    EXPECT_FALSE(fresh);
    buffer.prepare(300, 200);  // already kept: nothing to make
    EXPECT_EQ(buffer.surfaceFor(300, 200, fresh), surface);
}

// A frame of another size than the one prepared gets a bitmap of its own size; a bitmap prepared
// and never used, or prepared again at another size, is freed (the leak checker would say).
TEST(BackBuffer, NeverHandsOutABitmapOfTheWrongSize) {
    BackBuffer buffer;
    buffer.prepare(100, 100);
    buffer.prepare(120, 80);
    bool fresh = false;
    cairo_surface_t* surface = buffer.surfaceFor(64, 48, fresh);
    ASSERT_NE(surface, nullptr);
    EXPECT_TRUE(fresh);
    EXPECT_EQ(cairo_image_surface_get_width(surface), 64);
    EXPECT_EQ(cairo_image_surface_get_height(surface), 48);

    buffer.prepare(0, 10);  // nothing to make
    buffer.prepare(64, -1);
    buffer.prepare(200, 100);
    buffer.release();
    BackBuffer unused;
    unused.prepare(50, 50);
}

}  // namespace
}  // namespace fv
