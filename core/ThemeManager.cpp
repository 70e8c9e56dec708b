#include "core/ThemeManager.h"

#include "core/FrameworkResources.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PropertyList.h"
#include "platform/graphics/UIColorHex.h"

namespace fv {

std::shared_ptr<ThemeManager> ThemeManager::sharedInstance() {
    static const auto instance =
        std::make_shared<ThemeManager>(frameworkResourcePath("theme", "plist").value_or(""));
    return instance;
}

ThemeManager::ThemeManager(const std::string& themePath) {
    const auto theme = themePath.empty() ? std::nullopt : PropertyList::readDictionary(themePath);
    if (!theme) log("Failed to load theme.plist: " + (themePath.empty() ? "not in the bundle" : themePath));
    const Value& t = theme ? *theme : Value::null();
    // An absent entry reads as "", which the parser turns into opaque black.
    const auto color = [&t](const char* group, const char* key) {
        return colorWithCSS(t[group][key].asString().value_or(""));
    };
    mainColor_ = color("Color", "APP_COLOR");
    mainFontColor_ = color("Color", "Main Font Color");
    lightFontColor_ = color("Color", "Light Font Color");
    borderColor_ = color("Color", "Border Color");
    progressbarColor_ = color("Color", "Progress Bar");
    progressbarBgColor_ = color("Color", "Progress Bar - BG");
    headerColor_ = color("HeaderView", "backgroundColor");
    headerTextColor_ = color("HeaderView", "textColor");
    headerButtonColor_ = color("HeaderView", "textColor");
    switchTintColor_ = color("UISwitch", "tintColor");
    isLinkAccountEnabled_ = t["isLinkAccountEnabled"].boolValue(false);
}

}  // namespace fv
