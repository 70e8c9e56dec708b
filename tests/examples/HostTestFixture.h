#pragma once
// What every test of the example host shares: a fresh defaults file, output folder and run loop per
// test, as a fresh process would have, the check that a road wrote one picture and one console line
// per step, in order, and a look for an error banner in a picture.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "examples/host/HostApplication.h"
#include "examples/host/Walkthrough.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/TouchDispatch.h"
#include "platform/ui/UINib.h"
#include "platform/ui/UIScreen.h"
#include "tests/support/Pixels.h"

namespace fv {

class HostTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "fv-host-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        setenv("FERNVAULT_DEFAULTS_PATH", (dir_ / "defaults.plist").c_str(), 1);
        NSUserDefaults::resetStandardUserDefaultsForTesting();
        RunLoop::main().reset();
        TouchDispatch::reset();
        UINib::clearLoadErrors();
    }
    void TearDown() override {
        for (const auto& e : UINib::loadErrors()) ADD_FAILURE() << "interface file error: " << e;
        TouchDispatch::reset();
        RunLoop::main().reset();
        unsetenv("FERNVAULT_DEFAULTS_PATH");
        NSUserDefaults::resetStandardUserDefaultsForTesting();
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    static HostApplication::Options fast() {
        HostApplication::Options options;
        options.virtualClock = true;
        return options;
    }

    // No console line holds any of `secrets`.
    static void expectConsoleNeverShows(const LogCapture& console, const std::vector<std::string>& secrets) {
        for (const auto& line : console.lines())
            for (const auto& secret : secrets) EXPECT_EQ(line.find(secret), std::string::npos) << line;
    }

    // The walk wrote <out>/01-host.png, 02-<steps[0]>.png, ... (full-size pictures of the window) and
    // printed one numbered line naming each.
    static void expectPicturesOfSteps(const Walkthrough& walk, const LogCapture& console,
                                      const std::filesystem::path& out, std::vector<std::string> steps) {
        steps.insert(steps.begin(), "host");
        ASSERT_EQ(walk.pictures().size(), steps.size());
        std::vector<std::string> stepLines;
        for (const auto& line : console.lines())
            if (line.size() > 3 && std::isdigit(static_cast<unsigned char>(line[0])))
                stepLines.push_back(line);
        ASSERT_EQ(stepLines.size(), steps.size());
        for (std::size_t i = 0; i < steps.size(); ++i) {
            char name[64];
            std::snprintf(name, sizeof name, "%02zu-%s.png", i + 1, steps[i].c_str());
            EXPECT_EQ(std::filesystem::path(walk.pictures()[i]), out / name);
            EXPECT_NE(stepLines[i].find(name), std::string::npos) << stepLines[i];
            const auto image = UIImage::imageWithContentsOfFile(walk.pictures()[i]);
            ASSERT_NE(image, nullptr) << name;
            EXPECT_EQ(image->pixelWidth(), 750) << name;
        }
    }

    // The share of the picture's banner band (where a banner slides in, below the status bar) painted
    // in the error banners' red: most of it when the picture shows an error banner, none otherwise.
    static double errorBannerShare(const std::string& picture) {
        const auto image = UIImage::imageWithContentsOfFile(picture);
        if (!image || image->isEmpty()) return 0;
        const double scale = image->pixelWidth() / UIScreen::mainScreen()->bounds().size.width;
        const auto near = [](std::uint32_t pixel, int shift, int want) {
            return std::abs(static_cast<int>((pixel >> shift) & 0xff) - want) <= 8;
        };
        int red = 0, all = 0;
        for (int y = static_cast<int>(40 * scale); y < static_cast<int>(80 * scale); y += 2)
            for (int x = static_cast<int>(20 * scale); x < image->pixelWidth() - 20 * scale; x += 2, ++all) {
                const auto pixel = test::pixelAt(*image, x, y);
                if (near(pixel, 16, 219) && near(pixel, 8, 51) && near(pixel, 0, 51)) ++red;
            }
        return all ? static_cast<double>(red) / all : 0;
    }

    std::filesystem::path dir_;
};

}  // namespace fv
