#include <gtest/gtest.h>

#include <cairo.h>

#include <string>
#include <vector>

#include "platform/graphics/UIImage.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UINib.h"
#include "platform/ui/UIViewRendering.h"
#include "platform/ui/UIWebView.h"

namespace fv {
namespace {

// Red, green, blue of a pixel, in points of a scale-1 rendering.
std::vector<int> rgbAt(const UIImage& image, int x, int y) {
    cairo_surface_t* s = image.cairoSurface();
    cairo_surface_flush(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    const std::uint32_t v = *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4);
    return {int((v >> 16) & 0xff), int((v >> 8) & 0xff), int(v & 0xff)};
}

const std::vector<int> kWhite = {255, 255, 255};

TEST(UIWebView, RecordsEveryAddressAndShowsTheLast) {
    auto web = UIWebView::create({{0, 0}, {320, 200}});
    EXPECT_FALSE(web->request());
    web->loadRequest("https://bank.example.test/transfer");
    web->loadRequest("https://bank.example.test/transfer");
    web->loadRequest("https://bank.example.test/done?ref=42");
    EXPECT_EQ(web->requestedURLs(), (std::vector<std::string>{"https://bank.example.test/transfer",
                                                              "https://bank.example.test/transfer",
                                                              "https://bank.example.test/done?ref=42"}));
    EXPECT_EQ(web->request(), "https://bank.example.test/done?ref=42");
    EXPECT_FALSE(web->isLoading());
}

struct NibCase {
    const char* name;
    const char* attributes;
    std::vector<std::string> requested;
};

class UIWebViewFromInterfaceFile : public ::testing::TestWithParam<NibCase> {};

TEST_P(UIWebViewFromInterfaceFile, LoadsOnlyWhatTheFileNames) {
    const NibCase& c = GetParam();
    UINib::clearLoadErrors();
    auto nib = UINib::nibWithXML(
        std::string("<interface><UIWebView frame=\"0 0 320 200\" ") + c.attributes + "/></interface>",
        c.name);
    auto top = nib->instantiateWithOwner(nullptr);
    ASSERT_EQ(top.size(), 1u);
    auto web = std::dynamic_pointer_cast<UIWebView>(top[0]);
    ASSERT_TRUE(web);
    EXPECT_EQ(web->requestedURLs(), c.requested);
    EXPECT_TRUE(UINib::loadErrors().empty());
}

INSTANTIATE_TEST_SUITE_P(WebView, UIWebViewFromInterfaceFile,
                         ::testing::Values(NibCase{"Empty", "", {}},
                                           NibCase{"WithAddress",
                                                   "request=\"https://bank.example.test/start\"",
                                                   {"https://bank.example.test/start"}},
                                           NibCase{"ScaledPage", "scalesPageToFit=\"YES\"", {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UIWebView, AnEmptyPageIsPlainWhite) {
    auto web = UIWebView::create({{0, 0}, {120, 80}});
    web->setBackgroundColor(UIColor::blackColor());
    auto image = renderView(*web, 1);
    for (auto [x, y] : {std::pair{2, 2}, {60, 18}, {118, 78}}) EXPECT_EQ(rgbAt(*image, x, y), kWhite);
}

TEST(UIWebView, APageShowsItsAddressInABarAlongTheTop) {
    auto web = UIWebView::create({{0, 0}, {320, 120}});
    web->loadRequest("https://bank.example.test/transfer");
    auto image = renderView(*web, 1);
    // The bar's edge is grey, the page below it white, and the address is drawn dark in the middle.
    EXPECT_NE(rgbAt(*image, 2, 2), kWhite);
    EXPECT_EQ(rgbAt(*image, 160, 100), kWhite);
    bool dark = false;
    for (int x = 40; x < 280 && !dark; ++x)
        for (int y = 8; y < 28 && !dark; ++y) dark = rgbAt(*image, x, y)[0] < 128;
    EXPECT_TRUE(dark);
}

TEST(UIWebView, AHugeAddressIsRecordedWholeAndDrawnCut) {
    // Two-byte characters, so a byte cut could land inside one.
    std::string address = "https://bank.example.test/";
    for (int i = 0; i < 200000; ++i) address += "\xC3\xA9";
    auto web = UIWebView::create({{0, 0}, {320, 60}});
    web->loadRequest(address);
    EXPECT_EQ(web->requestedURLs().back().size(), address.size());
    auto image = renderView(*web, 1);
    EXPECT_EQ(image->pixelWidth(), 320);
}

class UIWebViewScreen : public TestHostFixture {};

TEST_F(UIWebViewScreen, DrawsAPlainPageWithTheAddress) {
    host.navigationController()->setNavigationBarHidden(true);
    auto screen = host.rootScreen()->view();
    // Below a 64-point title bar, as the screens that hold one place it.
    auto web = UIWebView::create({{0, 64}, {screen->bounds().size.width, screen->bounds().size.height - 64}});
    screen->addSubview(web);
    web->loadRequest("https://bank.example.test/transfers/new?from=card&lang=en");
    host.runUntilIdle();
    EXPECT_TRUE(host.snapshot("webview_page"));
}

}  // namespace
}  // namespace fv
