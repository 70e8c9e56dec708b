#include "core/ApiDataModel.h"
#include "core/DataModel.h"
#include "core/ScreenRegistry.h"
#include "examples/host/roads/NewCardRoad.h"
#include "platform/foundation/JSON.h"
#include "platform/testing/UserDriver.h"
#include "screenkit/ProgressHUD.h"
#include "tests/examples/HostTestFixture.h"
#include "tests/support/ValueLeaves.h"

namespace fv {
namespace {

using NewCardRoad = HostTest;

const std::vector<std::string> kSteps = {"newcard", "phone",     "email",   "code",     "boxes",
                                         "link",    "names",     "address", "dob",      "ssn",
                                         "account", "passwords", "gate",    "back-host"};

TEST_F(NewCardRoad, FillsTheWizardUpToTheCameraGateAndTheAgreementPostsItForTheVirtualCard) {
    const auto out = dir_ / "out";
    HostApplication app(fast());
    Walkthrough walk(app, out.string());
    LogCapture console;
    const NewCardApplicant applicant;
    ASSERT_TRUE(walkNewCard(walk, applicant)) << ::testing::PrintToString(console.lines());

    ASSERT_EQ(app.navigationController()->viewControllers().size(), 1u);
    EXPECT_EQ(app.navigationController()->topViewController(), app.rootScreen());

    // What the wizard's steps wrote.
    const auto profile =
        ApiDataModel::sharedInstance()->getNewCardRequest()->createCardHolder->cardHolder->profileData;
    EXPECT_EQ(profile->mobile, "+15558675309");
    EXPECT_EQ(profile->phone, "+15558675309");
    EXPECT_EQ(profile->email, "ada.lovelace@example.org");
    EXPECT_EQ(DataModel::sharedInstance()->verificationEmail(), "ada.lovelace@example.org");
    EXPECT_EQ(profile->firstName, "Ada");
    EXPECT_EQ(profile->lastName, "Lovelace");
    EXPECT_EQ(profile->addresses->address->address1, "12 Quarry Lane");
    EXPECT_EQ(profile->addresses->address->address2, "Austin, TX");
    EXPECT_EQ(profile->dateOfBirth, "12/31/1990");
    EXPECT_EQ(profile->kycData->ssn, "219099999");

    // Nothing personal reached the console.
    for (const auto& line : console.lines())
        for (const std::string& secret : {applicant.ssnDigits, applicant.password, applicant.phoneDigits,
                                          applicant.email, applicant.lastName, std::string("1990")})
            EXPECT_EQ(line.find(secret), std::string::npos) << line;

    expectPicturesOfSteps(walk, console, out, kSteps);

    // The capture screens come between the gate and the agreement; here the agreement is opened as
    // the selfie screens would open it, with the request as the road filled it. (One test: the
    // wizard's first screen, and so its texts, live as long as the process.)
    auto agreement = ScreenRegistry::screenNamed(screen::CardholderAgreementViewController);
    ASSERT_TRUE(agreement);
    app.navigationController()->pushViewController(agreement, true);
    ASSERT_EQ(walk.reach(screen::CardholderAgreementViewController), "");
    ASSERT_EQ(UserDriver::tap(UserDriver::outlet(agreement, "Btn_continue"), "Continue"), "");
    ASSERT_EQ(walk.reach(screen::SuccessAndVerifiedViewController), "");
    EXPECT_FALSE(ProgressHUD::isVisible());
    const auto success = walk.topScreen();
    ASSERT_EQ(UserDriver::tap(UserDriver::outlet(success, "Btn_view_virtual_card"), "the virtual card"), "");
    ASSERT_EQ(walk.reach(screen::VirtualCardViewController), "");

    const auto& cards =
        ApiDataModel::sharedInstance()->getNewCardResponse()->createCardHolderResponse->cardsDataList;
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0]->cardLastFour, HostApplication::kDemoCardLastFour);
    const auto stack = app.navigationController()->viewControllers();
    ASSERT_GE(stack.size(), 3u);
    EXPECT_EQ(stack[stack.size() - 2], success) << "the success screen stays beneath the card";
    EXPECT_EQ(stack[stack.size() - 3], agreement);

    // The exact body the backend received: every leaf of the request, the road's values, no password.
    const auto bodies = app.demoBackend().receivedBodies();
    ASSERT_EQ(bodies.size(), 1u);
    const auto received = JSON::parse(bodies[0]);
    ASSERT_TRUE(received.has_value());
    EXPECT_EQ(*received, *JSON::parse(R"({"create_cardholder": {
      "transaction": {"acquirer_id": "acq-ws-1", "acquirer_ref_no": "3456999", "card_acceptor_id": "",
        "card_acceptor_name_location": "", "description": "", "device_id": "", "device_type": "",
        "local_date_time": "", "mcc": ""},
      "cardholder_data": {"activate_card": "", "card_bin": "221133", "dda_account_no": "", "dda_routing_no": "",
        "initial_load_amount": "", "program_id": "SF_Prg1",
        "profile_data": {"date_of_birth": "12/31/1990", "email": "ada.lovelace@example.org", "first_name": "Ada",
          "middle_name": "", "last_name": "Lovelace", "gender": "M", "mobile": "+15558675309",
          "phone": "+15558675309", "kyc_data": {"ssn": "219099999"},
          "addresses": {"address": {"address1": "12 Quarry Lane", "address2": "Austin, TX",
            "address_type": "S", "city": "", "country": "", "postal_code": "", "state": ""}}}}}})"));
    EXPECT_EQ(test::leafCount(*received), 31u);
    EXPECT_EQ(bodies[0].find("password"), std::string::npos);
    EXPECT_EQ(bodies[0].find(NewCardApplicant{}.password), std::string::npos);
}

}  // namespace
}  // namespace fv
