#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>

#include "core/ThemeManager.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PropertyList.h"
#include "platform/graphics/UIColorHex.h"

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

}  // namespace
}  // namespace fv
