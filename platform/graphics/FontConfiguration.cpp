#include "platform/graphics/FontConfiguration.h"

#include <fontconfig/fontconfig.h>

#include <cstdlib>

namespace fv {

namespace {

// The system's folders and caches, and only the rules that change what the platform draws.
constexpr const char* kConfiguration = R"(<?xml version="1.0"?>
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <dir>/usr/local/share/fonts</dir>
  <dir prefix="xdg">fonts</dir>
  <dir>~/.fonts</dir>
  <cachedir>/var/cache/fontconfig</cachedir>
  <cachedir prefix="xdg">fontconfig</cachedir>
  <cachedir>~/.fontconfig</cachedir>

  <selectfont><rejectfont><pattern>
    <patelt name="scalable"><bool>false</bool></patelt>
  </pattern></rejectfont></selectfont>

  <match target="pattern">
    <edit name="antialias" mode="append"><bool>true</bool></edit>
    <edit name="hintstyle" mode="append"><const>hintslight</const></edit>
    <edit name="lcdfilter" mode="append"><const>lcddefault</const></edit>
  </match>

  <alias><family>DejaVu Sans</family><default><family>sans-serif</family></default></alias>
  <alias><family>DejaVu Serif</family><default><family>serif</family></default></alias>
  <alias><family>DejaVu Sans Mono</family><default><family>monospace</family></default></alias>
  <match target="pattern">
    <test qual="all" name="family" compare="not_eq"><string>sans-serif</string></test>
    <test qual="all" name="family" compare="not_eq"><string>serif</string></test>
    <test qual="all" name="family" compare="not_eq"><string>monospace</string></test>
    <edit name="family" mode="append_last"><string>sans-serif</string></edit>
  </match>
  <alias><family>sans-serif</family><prefer><family>DejaVu Sans</family></prefer></alias>
  <alias><family>serif</family><prefer><family>DejaVu Serif</family></prefer></alias>
  <alias><family>monospace</family><prefer><family>DejaVu Sans Mono</family></prefer></alias>

  <!-- DejaVu's hinting below 8 pixels per em is poor. -->
  <match target="font">
    <test name="family"><string>DejaVu Sans</string></test>
    <test name="pixelsize" compare="less"><double>7.5</double></test>
    <edit name="hinting"><bool>false</bool></edit>
  </match>
  <match target="font">
    <test name="family"><string>DejaVu Serif</string></test>
    <test name="pixelsize" compare="less"><double>7.5</double></test>
    <edit name="hinting"><bool>false</bool></edit>
  </match>
  <match target="font">
    <test name="family"><string>DejaVu Sans Mono</string></test>
    <test name="pixelsize" compare="less"><double>7.5</double></test>
    <edit name="hinting"><bool>false</bool></edit>
  </match>

  <!-- A face without the slant or the weight asked for is slanted or emboldened. -->
  <match target="font">
    <test name="slant"><const>roman</const></test>
    <test target="pattern" name="slant" compare="not_eq"><const>roman</const></test>
    <edit name="matrix" mode="assign"><times><name>matrix</name>
      <matrix><double>1</double><double>0.2</double><double>0</double><double>1</double></matrix>
    </times></edit>
    <edit name="slant" mode="assign"><const>oblique</const></edit>
    <edit name="embeddedbitmap" mode="assign"><bool>false</bool></edit>
  </match>
  <match target="font">
    <test name="weight" compare="less_eq"><const>medium</const></test>
    <test target="pattern" name="weight" compare="more_eq"><const>bold</const></test>
    <edit name="embolden" mode="assign"><bool>true</bool></edit>
    <edit name="weight" mode="assign"><const>bold</const></edit>
  </match>
</fontconfig>
)";

bool userChoseConfiguration() {
    return std::getenv("FONTCONFIG_FILE") || std::getenv("FONTCONFIG_PATH");
}

bool hasFonts(FcConfig* config) {
    FcFontSet* fonts = FcConfigGetFonts(config, FcSetSystem);
    return fonts && fonts->nfont > 0;
}

// Null when the platform's configuration cannot serve.
FcConfig* buildOwn() {
    if (userChoseConfiguration()) return nullptr;
    FcConfig* config = FcConfigCreate();
    if (!config) return nullptr;
    if (FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(kConfiguration), FcTrue) &&
        FcConfigBuildFonts(config) && hasFonts(config))
        return config;
    FcConfigDestroy(config);
    return nullptr;
}

// Never made fontconfig's current configuration: that one is the host's, with its users' aliases and
// its own rules, and the fonts we register stay out of it.
struct Shared {
    FcConfig* config = nullptr;
    bool own = false;

    Shared() {
        config = buildOwn();
        own = config != nullptr;
        // The configuration the environment or the system chooses, loaded as a copy of our own.
        if (!own) config = FcInitLoadConfigAndFonts();
        if (!config) config = FcConfigCreate();
    }
};

const Shared& state() {
    static const Shared s;
    return s;
}

}  // namespace

FcConfig* FontConfiguration::shared() {
    return state().config;
}

bool FontConfiguration::isOwn() {
    return state().own;
}

}  // namespace fv
