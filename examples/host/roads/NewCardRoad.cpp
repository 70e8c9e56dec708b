#include "examples/host/roads/NewCardRoad.h"

#include "core/ScreenNames.h"
#include "examples/host/Walkthrough.h"
#include "platform/testing/UserDriver.h"

namespace fv {

namespace {

UIViewPtr outlet(const Walkthrough& walk, const std::string& name) {
    return UserDriver::outlet(walk.topScreen(), name);
}

std::string textOf(const Walkthrough& walk, const std::string& name) {
    auto view = outlet(walk, name);
    return view ? view->valueForKey("text").stringValue() : "";
}

// Keystrokes go to whatever the tap made first responder, as a keyboard's would.
std::string typeInto(const Walkthrough& walk, const std::string& field, const std::string& keys,
                     const std::string& expected) {
    if (auto problem = UserDriver::type(outlet(walk, field), keys, field); !problem.empty()) return problem;
    if (const std::string shown = textOf(walk, field); shown != expected)
        return field + " reads \"" + shown + "\", not \"" + expected + "\"";
    return "";
}

// The keyboard closed first, as a user would, so that the tap reaches the button.
std::string tapButton(const Walkthrough& walk, const std::string& button) {
    if (auto screen = walk.topScreen()) screen->view()->endEditing(true);
    return UserDriver::tap(outlet(walk, button), button);
}

std::string enterCode(const Walkthrough& walk, const std::string& code) {
    for (std::size_t k = 1; k <= 6 && k <= code.size(); ++k) {
        const std::string box = "tf_code" + std::to_string(k);
        if (auto problem = typeInto(walk, box, code.substr(k - 1, 1), code.substr(k - 1, 1));
            !problem.empty())
            return problem;
    }
    const auto redeem = outlet(walk, "btn_redeemCode");
    if (!redeem || !redeem->valueForKey("enabled").boolValue()) return "Redeem stays disabled";
    return "";
}

// The screen's back control, found by the action it is wired to.
std::string tapBack(const Walkthrough& walk) {
    auto screen = walk.topScreen();
    if (!screen) return "no screen is showing";
    screen->view()->endEditing(true);
    return UserDriver::tap(UserDriver::controlWiredTo(screen->view(), screen.get(), "action_back:"), "back");
}

}  // namespace

bool walkNewCard(Walkthrough& walk, const NewCardApplicant& applicant) {
    const Walkthrough& w = walk;
    const std::string masked = "(" + applicant.phoneDigits.substr(0, 3) + ") " +
                               applicant.phoneDigits.substr(3, 3) + "-" + applicant.phoneDigits.substr(6);
    // One list, in the order a user meets the screens. The two back steps end the road at the host;
    // the wizard's further steps (Redeem onwards) take their place after "boxes".
    return walk.run({
        {"newcard", "\"Get a new card\" opens the wizard's first step (SDKManager GetNewCard)",
         [&] { return w.openRoad("newcard", screen::VerificationPhoneEmailViewController); }},
        {"phone", "the phone number is typed digit by digit into its mask",
         [&] { return typeInto(w, "tf_phoneNumber", applicant.phoneDigits, masked); }},
        {"email", "the e-mail address is typed",
         [&] { return typeInto(w, "tf_emailAddress", applicant.email, applicant.email); }},
        {"code", "Next opens the one-time-code step, which says where the code went",
         [&] {
             if (auto problem = tapButton(w, "Btn_next"); !problem.empty()) return problem;
             return w.reach(screen::OTPVerificationViewController);
         }},
        {"boxes", "the six code boxes are filled and Redeem is enabled",
         [&] { return enterCode(w, applicant.code); }},
        {"back-phone", "back returns to the first step, its texts kept",
         [&] {
             if (auto problem = tapBack(w); !problem.empty()) return problem;
             return w.reach(screen::VerificationPhoneEmailViewController);
         }},
        {"back-host", "back returns to the host's first screen",
         [&] {
             if (auto problem = tapBack(w); !problem.empty()) return problem;
             return w.awaitHost();
         }},
    });
}

}  // namespace fv
