#include "core/DataModel.h"

#include <gtest/gtest.h>

#include "core/ScreenRegistry.h"
#include "platform/foundation/Fault.h"
#include "platform/foundation/Log.h"
#include "platform/testing/TestHost.h"
#include "tests/core/FacadeTestScreens.h"

namespace fv {
namespace {

using facade_test::CardToBankTransferViewController;
using facade_test::HiddenScreenClass;
using facade_test::MyCardsViewController;
using facade_test::PlainScreen;
using facade_test::VerificationPhoneEmailViewController;

FV_REGISTER_CLASS(PlainScreen);
FV_REGISTER_CLASS(VerificationPhoneEmailViewController);
FV_REGISTER_CLASS(MyCardsViewController);
FV_REGISTER_CLASS(CardToBankTransferViewController);

using StackGetter = UINavigationControllerPtr (DataModel::*)() const;
struct StackCase {
    const char* property;
    ScreenName screenClass;
    StackGetter get;
};

const StackCase kStacks[] = {
    {"homeNavView", screen::MyCardsViewController, &DataModel::homeNavView},
    {"cardControlsNavView", screen::CardControlViewController, &DataModel::cardControlsNavView},
    {"historyNavView", screen::TransactionsViewController, &DataModel::historyNavView},
    {"directDepositNavView", screen::DirectDepositViewController, &DataModel::directDepositNavView},
    {"bankTransferNavView", screen::BankTransferViewController, &DataModel::bankTransferNavView},
    {"loadCheckNavView", screen::LoadCheckViewController, &DataModel::loadCheckNavView},
    {"loadCenterNavView", screen::LoadCenterViewController, &DataModel::loadCenterNavView},
    {"atmLocationsNavView", screen::LocationsViewController, &DataModel::atmLocationsNavView},
    {"fundsTransferHistoryNavView", screen::FundTransferHistoryViewController,
     &DataModel::fundsTransferHistoryNavView},
    {"cardToCardTransNavView", screen::CardToCardTransferViewController, &DataModel::cardToCardTransNavView},
    {"myBankAccountsNavView", screen::MyBankAccountsViewController, &DataModel::myBankAccountsNavView},
    {"addBankAccountNavView", screen::AddBankAccountViewController, &DataModel::addBankAccountNavView},
    {"cardToBankTransferNavView", screen::CardToBankTransferViewController,
     &DataModel::cardToBankTransferNavView},
};

class DataModelStackTest : public TestHostFixture, public ::testing::WithParamInterface<StackCase> {};

TEST_P(DataModelStackTest, EachCallBuildsAFreshHiddenBarStackAroundItsScreenOrNone) {
    const StackCase& c = GetParam();
    DataModel model;
    EXPECT_EQ((model.*c.get)(), nullptr) << "no stack before the first build";

    model.initAllViews();
    const auto first = (model.*c.get)();
    if (!ScreenRegistry::isRegistered(c.screenClass)) {
        EXPECT_EQ(first, nullptr);
        return;
    }
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isNavigationBarHidden());
    ASSERT_EQ(first->viewControllers().size(), 1u);
    const auto root = first->viewControllers().front();
    EXPECT_EQ(root->className(), c.screenClass.className);
    EXPECT_EQ(root->nibName(), c.screenClass.className);

    model.initAllViews();
    const auto second = (model.*c.get)();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    ASSERT_EQ(second->viewControllers().size(), 1u);
    EXPECT_NE(second->viewControllers().front(), root);
}

INSTANTIATE_TEST_SUITE_P(AllStacks, DataModelStackTest, ::testing::ValuesIn(kStacks),
                         [](const auto& info) { return std::string(info.param.property); });

// A screen class that went missing is a program fault, and only its own stack is lost.
TEST_F(DataModelStackTest, AStackWhoseScreenClassIsMissingIsNoneAndAFault) {
    DataModel model;
    {
        HiddenScreenClass hidden("MyCardsViewController");
        model.initAllViews();
        EXPECT_EQ(model.homeNavView(), nullptr);
        EXPECT_NE(model.cardToBankTransferNavView(), nullptr);
    }
    const auto faults = host.faults().faults();
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_NE(faults[0].find("MyCardsViewController is not a creatable view controller"), std::string::npos)
        << faults[0];
    host.faults().clear();
    model.initAllViews();
    EXPECT_NE(model.homeNavView(), nullptr);
    EXPECT_TRUE(host.faults().faults().empty());
}

TEST(ScreenRegistryTest, MakesOnlyRegisteredViewControllersAndReportsTheRest) {
    FaultCollector faults;
    EXPECT_EQ(ScreenRegistry::screenNamed(ScreenName{"NoSuchViewController"}), nullptr);
    EXPECT_FALSE(ScreenRegistry::isRegistered(ScreenName{"NoSuchViewController"}));
    EXPECT_FALSE(ScreenRegistry::isRegistered(ScreenName{"UIView"}));
    EXPECT_EQ(ScreenRegistry::screenNamed(ScreenName{"UIView"}), nullptr);
    const auto reported = faults.faults();
    ASSERT_EQ(reported.size(), 2u);
    EXPECT_NE(reported[0].find("no screen class NoSuchViewController"), std::string::npos) << reported[0];
    EXPECT_NE(reported[1].find("UIView is not a creatable view controller"), std::string::npos)
        << reported[1];
}

TEST(DataModelTest, WizardScreenIsMadeOnceAndKeptAcrossRebuilds) {
    DataModel model;
    const auto screen = model.getCardViews();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->className(), "VerificationPhoneEmailViewController");
    EXPECT_EQ(screen->nibName(), "VerificationPhoneEmailViewController");
    model.initAllViews();
    model.initAllViews();
    EXPECT_EQ(model.getCardViews(), screen);
}

TEST(DataModelTest, NoWizardScreenWhileItsClassIsMissing) {
    FaultCollector faults;
    HiddenScreenClass hidden("VerificationPhoneEmailViewController");
    DataModel model;
    EXPECT_EQ(model.getCardViews(), nullptr);
    EXPECT_EQ(faults.faults().size(), 1u);
}

TEST(DataModelTest, SelectionsStartEmptyAndSurviveRebuilds) {
    DataModel model;
    EXPECT_EQ(model.verificationEmail(), "");
    EXPECT_EQ(model.capturedSelfieImage(), nullptr);
    EXPECT_EQ(model.selectedBankAccount(), nullptr);
    EXPECT_EQ(model.selectedRecipient(), nullptr);
    EXPECT_FALSE(model.UserLocation().has_value());

    auto account = std::make_shared<BankAccountModel>();
    auto recipient = std::make_shared<RecipientModel>();
    const CLLocation here(CLLocationCoordinate2DMake(40.7, -74.0), 10, 5, Date{1700000000});
    model.setVerificationEmail("jane@example.com");
    model.setSelectedBankAccount(account);
    model.setSelectedRecipient(recipient);
    model.setUserLocation(here);
    model.initAllViews();

    EXPECT_EQ(model.verificationEmail(), "jane@example.com");
    EXPECT_EQ(model.selectedBankAccount(), account);
    EXPECT_EQ(model.selectedRecipient(), recipient);
    EXPECT_EQ(model.UserLocation(), here);
}

TEST(DataModelTest, CardFaceMasksShowInFullOrHidden) {
    const auto model = DataModel::sharedInstance();
    EXPECT_EQ(model->formattedCardNumber("4929-1834 5520-7316", false), "4929   1834   5520   7316");
    EXPECT_EQ(model->formattedCardNumber("4929183455207316", true), "✱✱✱✱ ✱✱✱✱ ✱✱✱✱ 7316");
    EXPECT_EQ(model->formattedCardNumber("49291", false), "4929   1");
    EXPECT_EQ(model->formattedCVV("371", false), "371");
    EXPECT_EQ(model->formattedCVV("371", true), "✱✱✱");
    EXPECT_EQ(model->formattedEXP("0928", false), "09/28");
    EXPECT_EQ(model->formattedEXP("0928", true), "✱✱/✱✱");
}

}  // namespace
}  // namespace fv
