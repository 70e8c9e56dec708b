#include <fontconfig/fontconfig.h>

#include <string>

#include "core/SDKManager.h"
#include "platform/foundation/RunLoop.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UIViewRendering.h"
#include "tests/examples/HostTestFixture.h"
#include "tests/support/HostFonts.h"

namespace fv {
namespace {

class HostFonts : public HostTest {
  protected:
    // The example host starts (font worker, framework entry), opens the transfer screen and draws
    // its first frame. Returns a problem, or nothing.
    static std::string enterAndDrawAFrame() {
        HostApplication app(fast());
        SDKManager::sharedInstance()->initAllView();
        SDKManager::sharedInstance()->OpenMyCards(app.navigationController());
        RunLoop::main().advance(2 * UIViewControllerTransitionDuration);
        const auto top = app.navigationController()->topViewController();
        if (!top || top->className() != "CardToBankTransferViewController")
            return "the transfer screen did not open\n";
        if (TestHost::visibleTexts(top->view()).empty()) return "the transfer screen shows no text\n";
        app.window()->layoutIfNeeded();
        const UIImagePtr frame = renderView(*app.window(), 2);
        return frame && !frame->isEmpty() ? "" : "no frame was drawn\n";
    }
};

// Users' aliases and the application's own rules live in the configuration the host made current;
// embedding the framework must not replace it nor change what it matches.
TEST_F(HostFonts, TheHostsCurrentConfigurationAndItsMatchesSurviveTheEntryAndAFrame) {
    test::runInFreshProcess([] {
        FcConfig* host = test::makeHostFontConfiguration();
        if (!host || !FcConfigSetCurrent(host)) return std::string("the host's configuration failed\n");
        const std::string before = test::fontMatchesIn(nullptr);
        std::string problems = enterAndDrawAFrame();
        if (FcConfigGetCurrent() != host) problems += "the current configuration was replaced\n";
        const std::string after = test::fontMatchesIn(nullptr);
        if (after != before) problems += "matches before:\n" + before + "after:\n" + after;
        return problems;
    });
}

// A host that never chose a configuration gets fontconfig's default, the system's rules, afterwards
// as it would have without the framework ("Courier" a monospace face, "Times" a serif one).
TEST_F(HostFonts, AHostWithoutAConfigurationOfItsOwnStillGetsTheSystemsRules) {
    test::runInFreshProcess([] {
        std::string problems = enterAndDrawAFrame();
        FcConfig* system = FcInitLoadConfigAndFonts();
        if (!system) return problems + "the system's configuration failed\n";
        const std::string expected = test::fontMatchesIn(system);
        const std::string current = test::fontMatchesIn(nullptr);
        if (current != expected) problems += "the system's matches:\n" + expected + "current:\n" + current;
        FcConfigDestroy(system);
        return problems;
    });
}

}  // namespace
}  // namespace fv
