#include <gtest/gtest.h>

#include "platform/graphics/FontWarmup.h"
#include "platform/graphics/TextLayout.h"
#include "platform/graphics/UIFont.h"

namespace fv {
namespace {

// Text measured while the worker is still warming waits for it and measures the same as afterwards;
// starting it again does nothing.
TEST(FontWarmup, TextMeasuredDuringAndAfterTheWarmupAgrees) {
    warmFontsInBackground();
    const CGFloat during = TextLayout::widthOfText("Transfer to bank", UIFont::systemFontOfSize(17));
    warmFontsInBackground();
    waitForFontWarmup();
    waitForFontWarmup();
    const CGFloat after = TextLayout::widthOfText("Transfer to bank", UIFont::systemFontOfSize(17));
    EXPECT_GT(during, 0);
    EXPECT_EQ(during, after);
}

}  // namespace
}  // namespace fv
