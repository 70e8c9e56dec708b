#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "core/DataModel.h"
#include "examples/host/HostApplication.h"
#include "examples/host/Roads.h"
#include "examples/host/Walkthrough.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PropertyList.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/TouchDispatch.h"
#include "platform/ui/UINib.h"

namespace fv {
namespace {

namespace fs = std::filesystem;

// Each test gets its own defaults file and output folder and a clean run loop, as a fresh process would.
class HostWalkthrough : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "fv-host-XXXXXX").string();
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
        fs::remove_all(dir_, ec);
    }

    static HostApplication::Options fast() {
        HostApplication::Options options;
        options.virtualClock = true;
        return options;
    }

    fs::path dir_;
};

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

TEST_F(HostWalkthrough, TransfersToTheFirstVerifiedAccountAndComesBackToTheHost) {
    const auto out = dir_ / "out";
    HostApplication app(fast());
    Walkthrough walk(app, out.string());
    LogCapture console;
    ASSERT_TRUE(walk.runTransfer("125.5")) << ::testing::PrintToString(console.lines());

    // Back on the host's own screen, nothing of the framework left above it.
    ASSERT_EQ(app.navigationController()->viewControllers().size(), 1u);
    EXPECT_EQ(app.navigationController()->topViewController(), app.rootScreen());

    // The account chosen is the file's first verified one.
    const auto records = PropertyList::readArray(FV_SOURCE_DIR "/resources/bankAccounts.plist");
    ASSERT_TRUE(records.has_value());
    std::string firstVerified;
    for (const Value& record : *records->asArray()) {
        if (record["STATUS"].stringValue() == "Verified") {
            firstVerified = record["ACCOUNT_NUMBER"].stringValue();
            break;
        }
    }
    const auto chosen = DataModel::sharedInstance()->selectedBankAccount();
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->accountNumber(), firstVerified);

    // One picture and one console line per step, in order, each a full-size picture of the window.
    const std::vector<std::string> steps{"host",         "transfer", "picker",  "account", "amount",
                                         "confirmation", "slide",    "success", "back"};
    ASSERT_EQ(walk.pictures().size(), steps.size());
    std::vector<std::string> stepLines;
    for (const auto& line : console.lines())
        if (line.size() > 3 && std::isdigit(static_cast<unsigned char>(line[0]))) stepLines.push_back(line);
    ASSERT_EQ(stepLines.size(), steps.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "%02zu-%s.png", i + 1, steps[i].c_str());
        EXPECT_EQ(fs::path(walk.pictures()[i]), out / name);
        EXPECT_NE(stepLines[i].find(name), std::string::npos) << stepLines[i];
        const auto image = UIImage::imageWithContentsOfFile(walk.pictures()[i]);
        ASSERT_NE(image, nullptr) << name;
        EXPECT_EQ(image->pixelWidth(), 750) << name;
    }
}

TEST_F(HostWalkthrough, StopsAndSaysWhyWhenAStepCannotBeSaved) {
    // A file where the output folder should be.
    const auto blocked = dir_ / "blocked";
    std::ofstream(blocked) << "x";
    HostApplication app(fast());
    Walkthrough walk(app, (blocked / "out").string());
    LogCapture console;
    EXPECT_FALSE(walk.runTransfer());
    EXPECT_TRUE(walk.pictures().empty());
    EXPECT_TRUE(console.contains("01 host: FAILED: cannot write the picture"));
    // Nothing was opened after the failed step.
    EXPECT_EQ(app.navigationController()->viewControllers().size(), 1u);
}

}  // namespace
}  // namespace fv
