#pragma once
// A scripted user: walks a road through the framework's screens by touches and keystrokes on the
// host's window, saving the window as a PNG after every step (<output>/01-host.png, 02-...) and
// printing one line per step. It drives the screens through the same user driver as the tests
// (platform/testing/UserDriver.h): a tap must reach the view it means, views are found by outlet and
// by the action they are wired to.
#include <functional>
#include <string>
#include <vector>

#include "core/ScreenNames.h"
#include "examples/host/HostApplication.h"

namespace fv {

class Walkthrough {
  public:
    Walkthrough(HostApplication& app, std::string outputDir);

    // Every road of Roads.h in order, numbering the pictures on across them. False at the first failure.
    bool runAll();

    // The "transfer" road. OpenMyCards from the host's first screen: the first verified account in the
    // picker, an amount, Next, the knob slid to the end, the success screen, Continue back to the host's
    // first screen. False at the first step that does not reach what it expects, after a line saying why.
    bool runTransfer(const std::string& amount = "250.00");

    // The PNGs written so far, in order.
    const std::vector<std::string>& pictures() const { return pictures_; }

  private:
    // Runs `action` (an empty result means it went as expected, else it says what went wrong), then
    // saves the window and prints the step's line.
    bool step(const std::string& name, const std::string& description,
              const std::function<std::string()>& action);

    std::string savePicture(const std::string& name);

    // The steps; each answers an empty text when it reached what it expects, else what went wrong.
    UIViewControllerPtr topScreen() const;
    std::string reach(ScreenName screen) const;
    std::string awaitHost() const;
    std::string openTransfer() const;
    std::string openPicker() const;
    std::string chooseFirstAccount() const;
    std::string typeAmount(const std::string& amount) const;
    std::string openConfirmation() const;
    std::string slideToConfirm() const;
    std::string continueToHost() const;

    HostApplication& app_;
    std::string outputDir_;
    std::vector<std::string> pictures_;
    int stepNumber_ = 0;
};

}  // namespace fv
