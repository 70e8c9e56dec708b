#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "examples/host/Roads.h"
#include "examples/host/roads/TransferRoad.h"
#include "platform/foundation/Bundle.h"
#include "tests/examples/HostTestFixture.h"

namespace fv {
namespace {

using HostWalkthrough = HostTest;

TEST_F(HostWalkthrough, ShowsItsOwnScreenWithTextsFromItsOwnBundle) {
    HostApplication app(fast());
    EXPECT_EQ(NSBundle::mainBundle()->bundleIdentifier(), "com.example.NorthwindHost");
    EXPECT_EQ(app.rootScreen()->view()->window(), app.window().get());
    EXPECT_EQ(app.rootScreen()->lbl_title.get()->text(), "Northwind Bank");
    EXPECT_EQ(app.rootScreen()->buttonForRoad("transfer")->currentTitle(), "Transfer to bank");
    // One button per road, each worded from the host's table.
    for (const auto& road : roads()) {
        auto button = app.rootScreen()->buttonForRoad(road.name);
        ASSERT_NE(button, nullptr) << road.name;
        EXPECT_EQ(button->currentTitle(), NSLocalizedString(road.titleKey, "")) << road.name;
    }
    EXPECT_EQ(roadNamed("no such road"), nullptr);
    // The framework's texts are looked up in the host's table too.
    EXPECT_EQ(NSLocalizedString("Verification in in progress", ""), "Verification in progress");
}

TEST_F(HostWalkthrough, StopsAndSaysWhyWhenAStepCannotBeSaved) {
    // A file where the output folder should be.
    const auto blocked = dir_ / "blocked";
    std::ofstream(blocked) << "x";
    HostApplication app(fast());
    Walkthrough walk(app, (blocked / "out").string());
    LogCapture console;
    EXPECT_FALSE(walkTransfer(walk));
    EXPECT_TRUE(walk.pictures().empty());
    EXPECT_TRUE(console.contains("01 host: FAILED: cannot write the picture"));
    // Nothing was opened after the failed step.
    EXPECT_EQ(app.navigationController()->viewControllers().size(), 1u);
}

TEST_F(HostWalkthrough, StopsAtAStepThatDoesNotReachWhatItExpects) {
    HostApplication app(fast());
    Walkthrough walk(app, "");
    LogCapture console;
    EXPECT_FALSE(
        walk.run({{"nowhere", "a road the host has no button for",
                   [&] { return walk.openRoad("no such road", screen::CardToBankTransferViewController); }},
                  {"never", "not reached", [] { return std::string(); }}}));
    EXPECT_TRUE(console.contains("02 nowhere: FAILED: the host has no button for the road no such road"));
    EXPECT_FALSE(console.contains("never"));
}

// Without the framework bundle a road could only fail halfway: the program says so and stops before
// its first road, with a failing exit.
TEST_F(HostWalkthrough, TheProgramStopsBeforeItsFirstRoadWithoutTheFrameworkBundle) {
    const std::string missing = (dir_ / "no-bundle").string();
    const std::string command =
        "FERNVAULT_BUNDLE_PATH='" + missing + "' '" FV_HOST_PROGRAM "' --fast --no-pictures 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    ASSERT_TRUE(pipe);
    std::vector<std::string> lines;
    char line[1024];
    while (std::fgets(line, sizeof line, pipe.get())) lines.emplace_back(line);
    const int status = ::pclose(pipe.release());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 0);
    std::string said;
    for (const auto& l : lines) said += l;
    EXPECT_EQ(
        std::count(lines.begin(), lines.end(), "FERNVAULT_BUNDLE_PATH names no folder: " + missing + "\n"), 1)
        << said;
    EXPECT_NE(said.find("fernvault_host: no framework bundle"), std::string::npos) << said;
    EXPECT_EQ(said.find("01 host"), std::string::npos) << said;
}

}  // namespace
}  // namespace fv
