#pragma once
// A scripted user: walks a road through the framework's screens by touches and keystrokes on the
// host's window, saving the screen (the window and the banners, pop-ups and alerts above it) as a
// PNG after every step (<output>/01-host.png, 02-...) and printing one line per step. With no output
// folder the screen is still rendered after every step, but nothing is written. It drives the screens through
// the same user driver as the tests (platform/testing/UserDriver.h): a tap must reach the view it means,
// views are found by outlet and by the action they are wired to.
//
// Each road's steps live in examples/host/roads/<Name>Road.cpp and are run by run(); the helpers below
// are what every road needs.
#include <functional>
#include <string>
#include <vector>

#include "core/ScreenNames.h"
#include "examples/host/HostApplication.h"
#include "platform/graphics/PNGWriter.h"

namespace fv {

class Walkthrough {
  public:
    // One step: its action answers an empty text when it reached what it expects, else what went wrong.
    struct Step {
        std::string name;
        std::string description;
        std::function<std::string()> action;
    };

    Walkthrough(HostApplication& app, std::string outputDir);

    // Every road of Roads.h in order, numbering the pictures on across them. False at the first failure.
    bool runAll();

    // The host's own first screen, then `steps` in order; false at the first step that does not reach
    // what it expects (after a line saying why) or whose picture cannot be written.
    bool run(const std::vector<Step>& steps);

    // The PNGs written so far, in order.
    const std::vector<std::string>& pictures() const { return pictures_; }

    HostApplication& app() const { return app_; }
    // The top of the stack the user sees: the host's own, or a framework stack it presents over it.
    UIViewControllerPtr topScreen() const;
    // Waits until `screen` is on top and has appeared.
    std::string reach(ScreenName screen) const;
    // Waits in real time, whatever the loop's clock, for what other threads answer (the camera, the
    // demo backend, the bank-link vendor); false when `done` has not come within `seconds`.
    static bool awaitInRealTime(const std::function<bool()>& done, double seconds = 15);
    // Waits in real time until `screen` is on top, then until it has appeared.
    std::string reachInRealTime(ScreenName screen) const;
    // Waits until the host's first screen is on top, alone, with nothing presented over it.
    std::string awaitHost() const;
    // Taps the host's button for the road `road` and waits for `screen`.
    std::string openRoad(const std::string& road, ScreenName screen) const;

  private:
    // Runs the step's action, then saves the window and prints the step's line.
    bool step(const Step& step);
    std::string savePicture(const std::string& name);
    // Waits for the pictures still being written; false (after a line per picture) when any failed.
    bool finishPictures();

    HostApplication& app_;
    std::string outputDir_;
    std::vector<std::string> pictures_;
    // Encodes and writes the pictures while the walk goes on.
    PNGWriter writer_;
    int stepNumber_ = 0;
};

}  // namespace fv
