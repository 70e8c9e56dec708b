#pragma once
// The colour palette and feature flag of the framework's "theme.plist", and the camera overlay
// rectangles that the capture screens share.
#include <memory>
#include <string>

#include "platform/graphics/Geometry.h"
#include "platform/graphics/UIColor.h"

namespace fv {

class ThemeManager {
  public:
    // Made on first use from "theme.plist" of the framework bundle; never none.
    static std::shared_ptr<ThemeManager> sharedInstance();

    // Reads the theme at `themePath`. A missing or unreadable file leaves every colour opaque black and
    // the flag off.
    explicit ThemeManager(const std::string& themePath);

    UIColorPtr main_color() const { return mainColor_; }
    UIColorPtr header_color() const { return headerColor_; }
    UIColorPtr header_text_color() const { return headerTextColor_; }
    UIColorPtr header_button_color() const { return headerButtonColor_; }
    UIColorPtr main_font_color() const { return mainFontColor_; }
    UIColorPtr light_font_color() const { return lightFontColor_; }
    UIColorPtr border_color() const { return borderColor_; }
    UIColorPtr progressbar_color() const { return progressbarColor_; }
    UIColorPtr progressbar_bg_color() const { return progressbarBgColor_; }
    UIColorPtr switch_tint_color() const { return switchTintColor_; }

    bool isLinkAccountEnabled() const { return isLinkAccountEnabled_; }
    // Switches the link-account step on or off as a theme would; for tests of both wizard roads.
    void setLinkAccountEnabledForTesting(bool enabled) { isLinkAccountEnabled_ = enabled; }

    // The document window and the selfie circle's bounding rect, in view coordinates; zero until set.
    CGRect cameraOverlayRect() const { return cameraOverlayRect_; }
    void setCameraOverlayRect(CGRect rect) { cameraOverlayRect_ = rect; }
    CGRect cameraCircularOverlayRect() const { return cameraCircularOverlayRect_; }
    void setCameraCircularOverlayRect(CGRect rect) { cameraCircularOverlayRect_ = rect; }

  private:
    UIColorPtr mainColor_, headerColor_, headerTextColor_, headerButtonColor_, mainFontColor_,
        lightFontColor_, borderColor_, progressbarColor_, progressbarBgColor_, switchTintColor_;
    bool isLinkAccountEnabled_ = false;
    CGRect cameraOverlayRect_ = CGRectZero;
    CGRect cameraCircularOverlayRect_ = CGRectZero;
};

}  // namespace fv
