#include "examples/host/roads/NewCardRoad.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <utility>
#include <vector>

#include "core/ScreenNames.h"
#include "examples/host/Walkthrough.h"
#include "platform/camera/AVCaptureDevice.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/kits/DatePickerPopup.h"
#include "platform/kits/DropList.h"
#include "platform/kits/ThemedAlertView.h"
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

// The keyboard closed first, as a user would, and the form left to settle where the keyboard had
// pushed it, so that the touch lifts where it went down.
std::string tapButton(const Walkthrough& walk, const std::string& button) {
    const auto view = outlet(walk, button);
    if (auto screen = walk.topScreen()) screen->view()->endEditing(true);
    if (view) {
        CGRect last = view->convertRectToView(view->bounds(), nullptr);
        int still = 0;
        UserDriver::waitFor([&] {
            const CGRect now = view->convertRectToView(view->bounds(), nullptr);
            still = now == last ? still + 1 : 0;
            last = now;
            return still >= 3;
        });
    }
    return UserDriver::tap(view, button);
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

// Taps `button`, then waits for `next` on top.
std::string tapOn(const Walkthrough& walk, const std::string& button, ScreenName next) {
    if (auto problem = tapButton(walk, button); !problem.empty()) return problem;
    return walk.reach(next);
}

// The fields typed in order, each checked as it then reads.
std::string typeAll(const Walkthrough& walk, const std::vector<std::pair<std::string, std::string>>& fields) {
    for (const auto& [field, keys] : fields)
        if (auto problem = typeInto(walk, field, keys, keys); !problem.empty()) return problem;
    return "";
}

// The first word of the city typed, then its row tapped in the suggestion list.
std::string pickCity(const Walkthrough& walk, const std::string& city) {
    const std::string start = city.substr(0, city.find(' '));
    if (auto problem = typeInto(walk, "tf_areaAddress", start, start); !problem.empty()) return problem;
    auto list = DropList::visibleList();
    if (!list) return "no suggestions show for \"" + start + "\"";
    const auto rows = list->rows();
    const auto row = std::find(rows.begin(), rows.end(), city);
    if (row == rows.end()) return "\"" + city + "\" is not among the suggestions";
    if (!list->select(static_cast<long>(row - rows.begin()))) return "the suggestion cannot be tapped";
    if (const std::string shown = textOf(walk, "tf_areaAddress"); shown != city)
        return "tf_areaAddress reads \"" + shown + "\"";
    return "";
}

// The date field opens the dialog; the wheels are set to the day and Done is tapped.
std::string pickDateOfBirth(const Walkthrough& walk, const std::string& day) {
    NSDateFormatter format;
    format.setDateFormat("yyyy-MM-dd HH:mm");
    const auto date = format.dateFromString(day + " 12:00");
    if (!date) return "the date of birth " + day + " is no day";
    auto popup = DatePickerPopup::visiblePopup();
    if (!popup) return "the date dialog is not showing";
    if (!popup->pick(*date)) return "the date dialog takes no date";
    if (!UserDriver::waitFor([] { return !DatePickerPopup::visiblePopup(); })) return "the date dialog stays";
    if (textOf(walk, "tf_dob").empty()) return "the date field stays empty";
    return "";
}

// The SSN field shows the last four digits only.
std::string typeSSN(const Walkthrough& walk, const std::string& digits) {
    if (auto problem = UserDriver::type(outlet(walk, "tf_ssn"), digits, "tf_ssn"); !problem.empty())
        return problem;
    const std::string shown = textOf(walk, "tf_ssn");
    if (digits.size() < 4 || shown.size() < 4 ||
        shown.substr(shown.size() - 4) != digits.substr(digits.size() - 4) ||
        shown.find(digits.substr(0, 5)) != std::string::npos)
        return "the SSN field reads \"" + shown + "\"";
    return "";
}

// Finish with the camera refused at the prompt: the gate answers with its alert.
std::string finishAtTheGate(const Walkthrough& walk) {
    AVCaptureDevice::provider()->setPromptAnswer(false);
    if (auto problem = tapButton(walk, "Btn_finish"); !problem.empty()) return problem;
    // The prompt is answered on the camera's own thread: wait in real time, whatever the loop's clock.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!UserDriver::waitFor([] { return ThemedAlertView::visibleAlert() != nullptr; }, 0.05)) {
        if (std::chrono::steady_clock::now() > deadline) return "the camera alert does not show";
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (ThemedAlertView::visibleAlert()->title() != "Camera unavailable") return "another alert shows";
    return "";
}

// "Not now", then back, step by step, to the host's first screen.
std::string backToHost(const Walkthrough& walk) {
    auto alert = ThemedAlertView::visibleAlert();
    if (!alert || !alert->tapButton("Not now")) return "no \"Not now\" to tap";
    if (!UserDriver::waitFor([] { return !ThemedAlertView::visibleAlert(); })) return "the alert stays";
    const auto root = walk.app().rootScreen();
    for (int screens = 0; walk.topScreen() != root; ++screens) {
        if (screens == 10) return "back does not lead to the host";
        const auto from = walk.topScreen();
        if (auto problem = tapBack(walk); !problem.empty()) return problem;
        if (!UserDriver::waitFor([&] { return walk.topScreen() != from; })) return "back stays on the screen";
    }
    return walk.awaitHost();
}

}  // namespace

bool walkNewCard(Walkthrough& walk, const NewCardApplicant& applicant) {
    const Walkthrough& w = walk;
    const std::string masked = "(" + applicant.phoneDigits.substr(0, 3) + ") " +
                               applicant.phoneDigits.substr(3, 3) + "-" + applicant.phoneDigits.substr(6);
    // One list, in the order a user meets the screens. The road stops at the camera permission gate and
    // comes back to the host from there.
    return walk.run({
        {"newcard", "\"Get a new card\" opens the wizard's first step (SDKManager GetNewCard)",
         [&] { return w.openRoad("newcard", screen::VerificationPhoneEmailViewController); }},
        {"phone", "the phone number is typed digit by digit into its mask",
         [&] { return typeInto(w, "tf_phoneNumber", applicant.phoneDigits, masked); }},
        {"email", "the e-mail address is typed",
         [&] { return typeInto(w, "tf_emailAddress", applicant.email, applicant.email); }},
        {"code", "Next opens the one-time-code step, which says where the code went",
         [&] { return tapOn(w, "Btn_next", screen::OTPVerificationViewController); }},
        {"boxes", "the six code boxes are filled and Redeem is enabled",
         [&] { return enterCode(w, applicant.code); }},
        {"link", "Redeem verifies and offers to link an app account",
         [&] { return tapOn(w, "btn_redeemCode", screen::LinkAppAccountViewController); }},
        {"names", "Skip opens the name and address step; the names are typed",
         [&] {
             if (auto problem = tapOn(w, "Btn_skip", screen::UserInfoFormViewController); !problem.empty())
                 return problem;
             return typeAll(w, {{"tf_firstName", applicant.firstName},
                                {"tf_lastName", applicant.lastName},
                                {"tf_homeAddress", applicant.homeAddress}});
         }},
        {"address", "the city is begun and picked from the suggestions",
         [&] { return pickCity(w, applicant.cityAndState); }},
        {"dob", "Next opens the date of birth and SSN step; the date field opens the date dialog",
         [&] {
             if (auto problem = tapOn(w, "Btn_next", screen::DobSSNFormViewController); !problem.empty())
                 return problem;
             return UserDriver::tap(outlet(w, "tf_dob"), "tf_dob");
         }},
        {"ssn", "the date is picked and the SSN typed; only its last four digits show",
         [&] {
             if (auto problem = pickDateOfBirth(w, applicant.dateOfBirth); !problem.empty()) return problem;
             return typeSSN(w, applicant.ssnDigits);
         }},
        {"account", "Next opens the e-mail and password step with the first step's address",
         [&] {
             if (auto problem = tapOn(w, "Btn_next", screen::AccountCreationViewController); !problem.empty())
                 return problem;
             const std::string shown = textOf(w, "tf_emailAddress");
             return shown == applicant.email ? std::string() : "the e-mail field reads \"" + shown + "\"";
         }},
        {"passwords", "the password is typed twice and shows as bullets",
         [&] {
             for (const char* field : {"tf_password", "tf_retype_password"})
                 if (auto problem = UserDriver::type(outlet(w, field), applicant.password, field);
                     !problem.empty())
                     return problem;
             return std::string();
         }},
        {"gate", "Finish asks for the camera; refused, the \"Camera unavailable\" alert offers the settings",
         [&] { return finishAtTheGate(w); }},
        {"back-host", "\"Not now\", then back through the wizard to the host's first screen",
         [&] { return backToHost(w); }},
    });
}

}  // namespace fv
