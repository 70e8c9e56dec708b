#include <algorithm>

#include "core/ApiDataModel.h"
#include "core/DataModel.h"
#include "examples/host/roads/NewCardRoad.h"
#include "platform/camera/AVCaptureDevice.h"
#include "platform/foundation/FileContents.h"
#include "platform/foundation/JSON.h"
#include "tests/examples/HostTestFixture.h"
#include "tests/support/ValueLeaves.h"

namespace fv {
namespace {

using NewCardRoad = HostTest;

const std::vector<std::string> kSteps = {"newcard",
                                         "phone",
                                         "email",
                                         "code",
                                         "boxes",
                                         "link",
                                         "names",
                                         "address",
                                         "dob",
                                         "ssn",
                                         "account",
                                         "passwords",
                                         "gate",
                                         "selfie",
                                         "agreement",
                                         "declined",
                                         "server-error",
                                         "post",
                                         "virtual-card",
                                         "host",
                                         "newcard-id",
                                         "code-id",
                                         "boxes-id",
                                         "link-id",
                                         "names-id",
                                         "address-id",
                                         "dob-id",
                                         "no-ssn",
                                         "passwords-id",
                                         "id-check",
                                         "front",
                                         "front-preview",
                                         "back",
                                         "back-preview",
                                         "selfie-camera-id",
                                         "selfie-id",
                                         "agreement-id",
                                         "post-id",
                                         "virtual-card-id",
                                         "host-id"};

// The request as the demo backend received it, with the road's values and the SSN given.
Value expectedBody(const std::string& ssn) {
    std::string text = R"({"create_cardholder": {
      "transaction": {"acquirer_id": "acq-ws-1", "acquirer_ref_no": "3456999", "card_acceptor_id": "",
        "card_acceptor_name_location": "", "description": "", "device_id": "", "device_type": "",
        "local_date_time": "", "mcc": ""},
      "cardholder_data": {"activate_card": "", "card_bin": "221133", "dda_account_no": "", "dda_routing_no": "",
        "initial_load_amount": "", "program_id": "SF_Prg1",
        "profile_data": {"date_of_birth": "12/31/1990", "email": "ada.lovelace@example.org", "first_name": "Ada",
          "middle_name": "", "last_name": "Lovelace", "gender": "M", "mobile": "+15558675309",
          "phone": "+15558675309", "kyc_data": {"ssn": "SSN"},
          "addresses": {"address": {"address1": "12 Quarry Lane", "address2": "Austin, TX",
            "address_type": "S", "city": "", "country": "", "postal_code": "", "state": ""}}}}}})";
    text.replace(text.find("SSN\""), 3, ssn);
    return *JSON::parse(text);
}

TEST_F(NewCardRoad, BothWaysThroughTheWizardPostTheApplicationAndEndAtTheVirtualCard) {
    const auto out = dir_ / "out";
    HostApplication app(fast());
    Walkthrough walk(app, out.string());
    LogCapture console;
    const NewCardApplicant applicant;
    ASSERT_TRUE(walkNewCard(walk, applicant)) << ::testing::PrintToString(console.lines());

    ASSERT_EQ(app.navigationController()->viewControllers().size(), 1u);
    EXPECT_EQ(app.navigationController()->topViewController(), app.rootScreen());

    // What the wizard's steps wrote last, on the road without an SSN.
    const auto profile =
        ApiDataModel::sharedInstance()->getNewCardRequest()->createCardHolder->cardHolder->profileData;
    EXPECT_EQ(profile->mobile, "+15558675309");
    EXPECT_EQ(profile->email, "ada.lovelace@example.org");
    EXPECT_EQ(DataModel::sharedInstance()->verificationEmail(), "ada.lovelace@example.org");
    EXPECT_EQ(profile->dateOfBirth, "12/31/1990");
    EXPECT_EQ(profile->kycData->ssn, "");
    // The photos were only shown: nothing kept them.
    EXPECT_FALSE(DataModel::sharedInstance()->capturedSelfieImage());
    // The applicant turned the document over for its back.
    const auto backSide =
        readFileContents(CameraProvider::sampleFramePath(CameraProvider::kSampleDocumentBack),
                         CameraProvider::kMaxFrameFileSize);
    ASSERT_TRUE(backSide);
    EXPECT_EQ(AVCaptureDevice::provider()->frameData(AVCaptureDevicePositionBack), backSide);

    // Nothing personal reached the console.
    expectConsoleNeverShows(console, {applicant.ssnDigits, applicant.password, applicant.phoneDigits,
                                      applicant.email, applicant.lastName, "1990"});

    expectPicturesOfSteps(walk, console, out, kSteps);

    // The declined application and the HTTP 500 each show their error banner on the agreement, which
    // shows none before them and none once the card is issued.
    EXPECT_TRUE(console.contains("   banner: Unable To Get Card / Something went wrong. Please try again!"));
    EXPECT_TRUE(console.contains("   banner: Get Card Service Failed"));
    const auto picture = [&](const std::string& step) {
        return walk.pictures()[std::find(kSteps.begin(), kSteps.end(), step) - kSteps.begin() + 1];
    };
    EXPECT_GT(errorBannerShare(picture("declined")), 0.5);
    EXPECT_GT(errorBannerShare(picture("server-error")), 0.5);
    for (const char* without : {"agreement", "post", "agreement-id", "post-id"}) {
        EXPECT_LT(errorBannerShare(picture(without)), 0.05) << without;
    }

    // The exact bodies the backend received, one per post (three with an SSN, the first two failed,
    // then one without): every leaf of the request, the road's values, no password and no photo.
    const auto bodies = app.demoBackend().receivedBodies();
    ASSERT_EQ(bodies.size(), 4u);
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        const bool withSSN = i < 3;
        SCOPED_TRACE(withSSN ? "with an SSN" : "without an SSN");
        const auto received = JSON::parse(bodies[i]);
        ASSERT_TRUE(received.has_value());
        EXPECT_EQ(*received, expectedBody(withSSN ? applicant.ssnDigits : ""));
        EXPECT_EQ(test::leafCount(*received), 31u);
        EXPECT_EQ(bodies[i].find("password"), std::string::npos);
        EXPECT_EQ(bodies[i].find(applicant.password), std::string::npos);
    }

    const auto& cards =
        ApiDataModel::sharedInstance()->getNewCardResponse()->createCardHolderResponse->cardsDataList;
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0]->cardLastFour, HostApplication::kDemoCardLastFour);
}

}  // namespace
}  // namespace fv
