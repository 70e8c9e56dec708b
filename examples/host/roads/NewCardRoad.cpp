#include "examples/host/roads/NewCardRoad.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <utility>
#include <vector>

#include "core/ScreenNames.h"
#include "examples/host/Walkthrough.h"
#include "examples/host/roads/BannerSteps.h"
#include "platform/camera/AVCaptureDevice.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/kits/DatePickerPopup.h"
#include "platform/kits/DropList.h"
#include "platform/testing/UserDriver.h"
#include "platform/ui/UIImageView.h"

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

// The applicant holds that side of the sample document to the back camera.
void showDocument(const char* sample) {
    AVCaptureDevice::provider()->setFrameFile(AVCaptureDevicePositionBack,
                                              CameraProvider::sampleFramePath(sample));
}

// The capture button of the camera screen on top, then the preview it opens with the photo.
std::string takePhoto(const Walkthrough& walk, ScreenName preview) {
    auto screen = walk.topScreen();
    if (!screen) return "no screen is showing";
    const auto shutter = UserDriver::controlWiredTo(screen->view(), screen.get(), "action_capture_image:");
    if (auto problem = UserDriver::tap(shutter, "the capture button"); !problem.empty()) return problem;
    if (auto problem = walk.reachInRealTime(preview); !problem.empty()) return problem;
    const auto photo =
        std::dynamic_pointer_cast<UIImageView>(UserDriver::outlet(walk.topScreen(), "img_captured_image"));
    if (!photo || !photo->image()) return "the preview shows no photo";
    return "";
}

// Continue on the agreement posts the application; the demo backend fails it as `outcome` says. The
// agreement stays under the error banner `title`, and the backend issues cards again.
std::string failApplication(const Walkthrough& walk, DemoBackend::Outcome outcome, const std::string& title) {
    auto& backend = walk.app().demoBackend();
    const auto agreement = walk.topScreen();
    if (auto problem = tapAwayBanner(); !problem.empty()) return problem;
    backend.setOutcome(outcome);
    const auto before = backend.receivedBodies().size();
    std::string problem = tapButton(walk, "Btn_continue");
    if (problem.empty()) problem = awaitErrorBanner(title);
    backend.setOutcome(DemoBackend::Outcome::Created);
    if (!problem.empty()) return problem;
    if (backend.receivedBodies().size() != before + 1) return "no application reached the backend";
    if (walk.topScreen() != agreement) return "the agreement did not stay";
    return "";
}

// Continue on the agreement posts the application; the demo backend's card opens the success screen.
std::string postApplication(const Walkthrough& walk) {
    if (auto problem = tapAwayBanner(); !problem.empty()) return problem;
    const auto before = walk.app().demoBackend().receivedBodies().size();
    // The backend answers on its own thread.
    if (auto problem = tapButton(walk, "Btn_continue"); !problem.empty()) return problem;
    if (auto problem = walk.reachInRealTime(screen::SuccessAndVerifiedViewController); !problem.empty())
        return problem;
    if (walk.app().demoBackend().receivedBodies().size() != before + 1)
        return "no application reached the backend";
    return "";
}

// The virtual card opens over the success screen, which stays beneath it.
std::string openVirtualCard(const Walkthrough& walk) {
    const auto success = walk.topScreen();
    if (auto problem = tapOn(walk, "Btn_view_virtual_card", screen::VirtualCardViewController);
        !problem.empty())
        return problem;
    const auto stack = walk.app().navigationController()->viewControllers();
    if (stack.size() < 2 || stack[stack.size() - 2] != success)
        return "the success screen is not beneath the card";
    return "";
}

// The wizard has no way back from its end: the host takes its stack back to its first screen.
std::string hostTakesItsStackBack(const Walkthrough& walk) {
    walk.app().navigationController()->popToRootViewControllerAnimated(true);
    return walk.awaitHost();
}

// The end both roads share, from the selfie camera: the selfie, the agreement, the post, the card.
// With `failures`, the backend first declines the application, then fails with an HTTP 500.
std::vector<Walkthrough::Step> selfieToCard(const Walkthrough& w, const std::string& suffix, bool failures) {
    std::vector<Walkthrough::Step> steps = {
        {"selfie" + suffix, "the capture button takes the selfie, cut to the circle, for approval",
         [&w] { return takePhoto(w, screen::UserPicturePreviewViewController); }},
        {"agreement" + suffix, "Continue opens the cardholder agreement; the selfie is only shown",
         [&w] { return tapOn(w, "Btn_continue", screen::CardholderAgreementViewController); }},
    };
    if (failures) {
        steps.push_back(
            {"declined" + suffix, "Continue: the backend declines the application; its banner shows",
             [&w] { return failApplication(w, DemoBackend::Outcome::Declined, "Unable To Get Card"); }});
        steps.push_back({"server-error" + suffix,
                         "Continue again: the backend fails with HTTP 500; its banner shows", [&w] {
                             return failApplication(w, DemoBackend::Outcome::ServerError,
                                                    "Get Card Service Failed");
                         }});
    }
    std::vector<Walkthrough::Step> rest = {
        {"post" + suffix, "Continue posts the application; the demo backend issues a card",
         [&w] { return postApplication(w); }},
        {"virtual-card" + suffix, "the success screen opens the virtual card",
         [&w] { return openVirtualCard(w); }},
        {"host" + suffix, "the host takes its stack back to its first screen",
         [&w] { return hostTakesItsStackBack(w); }},
    };
    steps.insert(steps.end(), std::make_move_iterator(rest.begin()), std::make_move_iterator(rest.end()));
    return steps;
}

}  // namespace

bool walkNewCard(Walkthrough& walk, const NewCardApplicant& applicant) {
    const Walkthrough& w = walk;
    const std::string masked = "(" + applicant.phoneDigits.substr(0, 3) + ") " +
                               applicant.phoneDigits.substr(3, 3) + "-" + applicant.phoneDigits.substr(6);
    // The camera sees the framework's sample photos (the document's front or back at the back camera,
    // a face at the front one) and the applicant allows it when asked.
    AVCaptureDevice::provider()->setPromptAnswer(true);

    // The forms from the code step on, which both roads fill alike; `suffix` names their pictures.
    const auto forms = [&](const std::string& suffix) -> std::vector<Walkthrough::Step> {
        return {
            {"code" + suffix, "Next opens the one-time-code step, which says where the code went",
             [&] { return tapOn(w, "Btn_next", screen::OTPVerificationViewController); }},
            {"boxes" + suffix, "the six code boxes are filled and Redeem is enabled",
             [&] { return enterCode(w, applicant.code); }},
            {"link" + suffix, "Redeem verifies and offers to link an app account",
             [&] { return tapOn(w, "btn_redeemCode", screen::LinkAppAccountViewController); }},
            {"names" + suffix, "Skip opens the name and address step; the names are typed",
             [&] {
                 if (auto problem = tapOn(w, "Btn_skip", screen::UserInfoFormViewController);
                     !problem.empty())
                     return problem;
                 return typeAll(w, {{"tf_firstName", applicant.firstName},
                                    {"tf_lastName", applicant.lastName},
                                    {"tf_homeAddress", applicant.homeAddress}});
             }},
            {"address" + suffix, "the city is begun and picked from the suggestions",
             [&] { return pickCity(w, applicant.cityAndState); }},
            {"dob" + suffix,
             "Next opens the date of birth and SSN step; the date field opens the date dialog",
             [&] {
                 if (auto problem = tapOn(w, "Btn_next", screen::DobSSNFormViewController); !problem.empty())
                     return problem;
                 return UserDriver::tap(outlet(w, "tf_dob"), "tf_dob");
             }},
        };
    };
    const auto passwords = [&](const std::string& suffix) -> Walkthrough::Step {
        return {"passwords" + suffix, "the password is typed twice and shows as bullets", [&] {
                    for (const char* field : {"tf_password", "tf_retype_password"})
                        if (auto problem = UserDriver::type(outlet(w, field), applicant.password, field);
                            !problem.empty())
                            return problem;
                    return std::string();
                }};
    };

    // With an SSN: the forms, the camera permission, the selfie, the agreement and the card.
    std::vector<Walkthrough::Step> steps = {
        {"newcard", "\"Get a new card\" opens the wizard's first step (SDKManager GetNewCard)",
         [&] { return w.openRoad("newcard", screen::VerificationPhoneEmailViewController); }},
        {"phone", "the phone number is typed digit by digit into its mask",
         [&] { return typeInto(w, "tf_phoneNumber", applicant.phoneDigits, masked); }},
        {"email", "the e-mail address is typed",
         [&] { return typeInto(w, "tf_emailAddress", applicant.email, applicant.email); }},
    };
    const auto add = [&steps](std::vector<Walkthrough::Step> more) {
        steps.insert(steps.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    };
    add(forms(""));
    add({
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
        passwords(""),
        {"gate", "Finish asks for the camera; allowed, the selfie camera shows the face under its circle",
         [&] {
             if (auto problem = tapButton(w, "Btn_finish"); !problem.empty()) return problem;
             return w.reachInRealTime(screen::UserPictureCaptureViewController);
         }},
    });
    add(selfieToCard(w, "", true));

    // Without an SSN: the wizard again (its first step as the applicant left it), then the identity
    // document, front and back, before the selfie.
    add({
        {"newcard-id", "\"Get a new card\" again: the first step keeps what was typed",
         [&] { return w.openRoad("newcard", screen::VerificationPhoneEmailViewController); }},
    });
    add(forms("-id"));
    add({
        {"no-ssn", "the date is picked; \"I don't have an SSN\" opens the e-mail and password step",
         [&] {
             if (auto problem = pickDateOfBirth(w, applicant.dateOfBirth); !problem.empty()) return problem;
             const auto form = w.topScreen();
             const auto noSSN =
                 UserDriver::controlWiredTo(form->view(), form.get(), "action_do_not_have_ssn:");
             if (auto problem = UserDriver::tap(noSSN, "I don't have an SSN"); !problem.empty())
                 return problem;
             return w.reach(screen::AccountCreationViewController);
         }},
        passwords("-id"),
        {"id-check", "Finish opens the ID check, which asks for photos of the identity document",
         [&] { return tapOn(w, "Btn_finish", screen::VerifyIDCardStartViewController); }},
        {"front", "Continue opens the back camera on the document under the card window",
         [&] {
             showDocument(CameraProvider::kSampleDocumentFront);
             if (auto problem = tapButton(w, "Btn_continue"); !problem.empty()) return problem;
             return w.reachInRealTime(screen::FrontIDCardCameraViewController);
         }},
        {"front-preview", "the capture button photographs the front, cropped to the window, for approval",
         [&] { return takePhoto(w, screen::FrontIDCardPreviewViewController); }},
        {"back", "Continue opens the camera for the document's back, which the applicant turns over",
         [&] {
             showDocument(CameraProvider::kSampleDocumentBack);
             return tapOn(w, "Btn_continue", screen::BackIDCardCameraViewController);
         }},
        {"back-preview", "the capture button photographs the back for approval",
         [&] { return takePhoto(w, screen::BackIDCardPreviewViewController); }},
        {"selfie-camera-id", "Continue opens the selfie camera",
         [&] { return tapOn(w, "Btn_continue", screen::UserPictureCaptureViewController); }},
    });
    add(selfieToCard(w, "-id", false));
    return walk.run(steps);
}

}  // namespace fv
