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

    // The exact bodies the backend received, one per road: every leaf of the request, the road's
    // values, no password and no photo.
    const auto bodies = app.demoBackend().receivedBodies();
    ASSERT_EQ(bodies.size(), 2u);
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        SCOPED_TRACE(i == 0 ? "with an SSN" : "without an SSN");
        const auto received = JSON::parse(bodies[i]);
        ASSERT_TRUE(received.has_value());
        EXPECT_EQ(*received, expectedBody(i == 0 ? applicant.ssnDigits : ""));
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
