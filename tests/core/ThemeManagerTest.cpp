#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>

#include "controls/UIColorHex.h"
#include "core/ThemeManager.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PropertyList.h"

namespace fv {
namespace {

const std::string kResources = FV_SOURCE_DIR "/resources";

TEST(ThemeManager, SharedColoursMatchTheThemeFile) {
    const auto theme = PropertyList::readDictionary(kResources + "/theme.plist");
    ASSERT_TRUE(theme.has_value());
    const auto shared = ThemeManager::sharedInstance();
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared, ThemeManager::sharedInstance());

    const auto css = [&](const char* group, const char* key) {
        return cssString(*colorWithCSS((*theme)[group][key].stringValue()));
    };
    EXPECT_EQ(cssString(*shared->main_color()), css("Color", "APP_COLOR"));
    EXPECT_EQ(cssString(*shared->main_font_color()), css("Color", "Main Font Color"));
    EXPECT_EQ(cssString(*shared->light_font_color()), css("Color", "Light Font Color"));
    EXPECT_EQ(cssString(*shared->border_color()), css("Color", "Border Color"));
    EXPECT_EQ(cssString(*shared->progressbar_color()), css("Color", "Progress Bar"));
    EXPECT_EQ(cssString(*shared->progressbar_bg_color()), css("Color", "Progress Bar - BG"));
    EXPECT_EQ(cssString(*shared->header_color()), css("HeaderView", "backgroundColor"));
    EXPECT_EQ(cssString(*shared->header_text_color()), css("HeaderView", "textColor"));
    EXPECT_EQ(cssString(*shared->header_button_color()), css("HeaderView", "textColor"));
    EXPECT_EQ(cssString(*shared->switch_tint_color()), css("UISwitch", "tintColor"));
    EXPECT_EQ(shared->isLinkAccountEnabled(), (*theme)["isLinkAccountEnabled"].boolValue());
    // The shipped palette is not the black every missing entry would give.
    EXPECT_NE(cssString(*shared->main_color()), "#000000");
}

TEST(ThemeManager, MissingFileGivesBlackAndNoFlag) {
    LogCapture capture;
    ThemeManager theme("/nonexistent/theme.plist");
    EXPECT_EQ(cssString(*theme.main_color()), "#000000");
    EXPECT_EQ(cssString(*theme.switch_tint_color()), "#000000");
    EXPECT_FALSE(theme.isLinkAccountEnabled());
    EXPECT_TRUE(capture.contains("theme.plist"));
}

TEST(ThemeManager, PartialFileFillsWhatItHas) {
    const auto dir = std::filesystem::temp_directory_path() / ("fv-theme-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto path = (dir / "theme.plist").string();
    Value theme;
    theme.set("HeaderView", Value(Value::Dictionary{{"textColor", "#abc"}}));
    theme.set("Color", Value(Value::Dictionary{{"APP_COLOR", 42}}));  // not a text: ignored
    ASSERT_TRUE(PropertyList::writeFile(path, theme));

    ThemeManager partial(path);
    EXPECT_EQ(cssString(*partial.header_text_color()), "#aabbcc");
    EXPECT_EQ(cssString(*partial.header_button_color()), "#aabbcc");
    EXPECT_EQ(cssString(*partial.main_color()), "#000000");
    EXPECT_FALSE(partial.isLinkAccountEnabled());
    std::filesystem::remove_all(dir);
}

TEST(ThemeManager, OverlayRectsStartZeroAndKeepWhatIsSet) {
    ThemeManager theme("");
    EXPECT_EQ(theme.cameraOverlayRect(), CGRectZero);
    EXPECT_EQ(theme.cameraCircularOverlayRect(), CGRectZero);
    theme.setCameraOverlayRect(CGRectMake(10.25, 20, 300.5, 190));
    theme.setCameraCircularOverlayRect(CGRectMake(-5, 0, 240, 240));
    EXPECT_EQ(theme.cameraOverlayRect(), CGRectMake(10.25, 20, 300.5, 190));
    EXPECT_EQ(theme.cameraCircularOverlayRect(), CGRectMake(-5, 0, 240, 240));
}

}  // namespace
}  // namespace fv
