#include <gtest/gtest.h>

#include "platform/foundation/Log.h"
#include "platform/graphics/ImageHeader.h"
#include "tests/support/ClaimedSizeImages.h"

namespace fv {
namespace {

TEST(ImageHeader, ReadsTheSizeOfPngAndJpegWithoutDecoding) {
    for (const bool png : {true, false}) {
        const auto size = imagePixelSize(smallImageBytes(png));
        ASSERT_TRUE(size) << png;
        EXPECT_EQ(size->width, 8);
        EXPECT_EQ(size->height, 8);
    }
    const auto claimed = imagePixelSize(jpegClaiming(16384, 12000));
    ASSERT_TRUE(claimed);
    EXPECT_EQ(claimed->description(), "16384x12000");
    EXPECT_EQ(claimed->pixels(), 16384LL * 12000);
}

TEST(ImageHeader, NothingForBytesThatAreNoImageOrHaveADamagedHeader) {
    auto truncated = smallImageBytes(false);
    truncated.resize(20);
    auto noHeaderChunk = smallImageBytes(true);
    noHeaderChunk[12] = 'X';
    for (const auto& bytes : {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{0xff, 0xd8, 0xff},
                              truncated, noHeaderChunk, pngClaiming(0, 8), jpegClaiming(0, 8)}) {
        EXPECT_FALSE(imagePixelSize(bytes)) << bytes.size();
    }
}

// A few hundred bytes claiming a picture far over the budget are refused before any decoding, with a
// line saying why; every side stays within the old per-side limit, so only the budget stops them.
TEST(ImageHeader, ImagesClaimingMoreThanThePixelBudgetAreRefusedWithOneLine) {
    for (const auto& bytes :
         {jpegClaiming(16384, 16384), pngClaiming(16384, 16384), jpegClaiming(8000, 7000)}) {
        LogCapture log;
        EXPECT_LT(bytes.size(), 4096u);
        EXPECT_FALSE(UIImage::imageWithData(bytes));
        ASSERT_EQ(log.lines().size(), 1u);
        EXPECT_NE(log.lines()[0].find("refused"), std::string::npos) << log.lines()[0];
    }
    EXPECT_FALSE(withinPixelBudget({8000, 7000}));
    EXPECT_TRUE(withinPixelBudget({8000, 6000}));
}

}  // namespace
}  // namespace fv
