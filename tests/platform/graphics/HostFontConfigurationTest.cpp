#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/graphics/FontConfiguration.h"
#include "platform/graphics/FontWarmup.h"
#include "platform/graphics/GraphicsContext.h"
#include "platform/graphics/TextLayout.h"
#include "platform/graphics/UIFont.h"
#include "tests/support/HostFonts.h"

namespace fv {
namespace {

namespace fs = std::filesystem;

// Everything the platform does with fonts: the font worker, a font file registered, and text drawn in
// that face and in one standing in for a character it lacks. Then checks that the process's current
// configuration, `host`, is still current, answers as before, and does not list the registered file.
std::string useFontsBeside(FcConfig* host) {
    const std::string before = test::fontMatchesIn(nullptr);
    const fs::path dir = fs::temp_directory_path() / ("fv-host-fonts-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path copy = dir / "HostTest-Medium.otf";
    fs::copy_file("/usr/share/fonts/opentype/inter/Inter-Medium.otf", copy);

    std::string problems;
    warmFontsInBackground();
    if (auto error = UIFont::registerFontFile(copy.string())) problems += "registration: " + *error + "\n";
    TextStyle style;
    style.font = UIFont::fontWithName("HostTest-Medium", 17);
    if (!style.font) problems += "the registered face is not found by name\n";
    UIGraphicsBeginImageContextWithOptions({200, 40}, false, 2);
    TextLayout::drawText(*UIGraphicsGetCurrentContext(), "Transfer \u2731 1234", style, {{0, 0}, {200, 40}});
    UIGraphicsEndImageContext();
    waitForFontWarmup();

    if (FcConfigGetCurrent() != host) problems += "the current configuration was replaced\n";
    if (FontConfiguration::shared() == host) problems += "the platform draws with the host's configuration\n";
    const std::string after = test::fontMatchesIn(nullptr);
    if (after != before) problems += "matches before:\n" + before + "after:\n" + after;
    if (test::listsFontFile(nullptr, fs::canonical(copy).string()))
        problems += "the registered file joined the host's configuration\n";
    fs::remove_all(dir);
    return problems;
}

// A host that made its own configuration current before the platform's first font keeps it.
TEST(HostFontConfiguration, RegisteringFontsAndDrawingTextLeaveTheHostsConfigurationAlone) {
    test::runInFreshProcess([] {
        FcConfig* host = test::makeHostFontConfiguration();
        if (!host || !FcConfigSetCurrent(host)) return std::string("the host's configuration failed\n");
        std::string problems = useFontsBeside(host);
        if (!FontConfiguration::isOwn()) problems += "the platform's own configuration was not used\n";
        return problems;
    });
}

// A process that chose its configuration file draws with that configuration's rules, but the
// platform's fonts still go into a copy of its own.
TEST(HostFontConfiguration, AChosenConfigurationFileIsLoadedAsACopyOfOurOwn) {
    test::runInFreshProcess([] {
        ::setenv("FONTCONFIG_FILE", "/etc/fonts/fonts.conf", 1);
        FcConfig* chosen = FcConfigGetCurrent();
        std::string problems = useFontsBeside(chosen);
        if (FontConfiguration::isOwn()) problems += "the platform ignored the chosen configuration\n";
        return problems;
    });
}

}  // namespace
}  // namespace fv
