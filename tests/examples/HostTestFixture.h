#pragma once
// What every test of the example host shares: a fresh defaults file, output folder and run loop per
// test, as a fresh process would have, and the check that a road wrote one picture and one console
// line per step, in order.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <cctype>
#include <cstdio>
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

    std::filesystem::path dir_;
};

}  // namespace fv
