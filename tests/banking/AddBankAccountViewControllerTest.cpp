#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "banking/AccountAddingConfirmationViewController.h"
#include "banking/AddBankAccountViewController.h"
#include "banking/MyBankAccountsViewController.h"
#include "core/DataModel.h"
#include "core/FrameworkResources.h"
#include "core/ScreenRegistry.h"
#include "core/ThemeManager.h"
#include "platform/foundation/Log.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/UIToolbar.h"
#include "tests/banking/BundleWithFile.h"

namespace fv {
namespace {

using Confirmation = AccountAddingConfirmationViewController;
const std::vector<std::string> kAccountTypes{"Checking", "Savings", "Money Market", "Certificate of Deposit"};

class AddBankAccountTest : public TestHostFixture {
  protected:
    void SetUp() override {
        host.navigationController()->setNavigationBarHidden(true);
        form = std::dynamic_pointer_cast<AddBankAccountViewController>(
            ScreenRegistry::screenNamed(screen::AddBankAccountViewController));
        ASSERT_TRUE(form);
        host.show(form);
    }
    void settle() { host.advance(UIViewControllerTransitionDuration + 0.1); }

    void fill() {
        ASSERT_TRUE(host.typeText(form->tf_LegalName.get(), "Jordan A. Reyes"));
        ASSERT_TRUE(host.typeText(form->tf_BankName.get(), "Harbor Point Bank"));
        ASSERT_TRUE(host.typeText(form->tf_AccountNumber.get(), "1111222233330000"));
        ASSERT_TRUE(host.typeText(form->tf_RoutingNumber.get(), "011401533"));
        ASSERT_TRUE(host.typeText(form->tf_nickName.get(), "Main "));
        form->view()->endEditing(true);
    }

    // Submit, then the sheet's action of that title.
    std::shared_ptr<Confirmation> submitAndChoose(const std::string& action) {
        if (!host.tap(form->btn_submit.get())) return nullptr;
        settle();
        if (!host.tapAlertAction(action)) return nullptr;
        settle();
        return std::dynamic_pointer_cast<Confirmation>(host.topViewController());
    }

    std::shared_ptr<AddBankAccountViewController> form;
};

TEST_F(AddBankAccountTest, ThemesTheFormAndPreselectsTheFirstAccountType) {
    EXPECT_TRUE(colorsEqual(form->view_navbar.get()->backgroundColor(),
                            ThemeManager::sharedInstance()->header_color()));
    EXPECT_TRUE(colorsEqual(form->lbl_headerTitle.get()->textColor(), UIColor::whiteColor()));
    for (const auto& box : {form->view_FirstField, form->view_SecondField, form->view_ThirdField,
                            form->view_FifthField, form->view_SixthField, form->view_SeventhField})
        EXPECT_EQ(box.get()->layer()->borderWidth, 1.5);
    EXPECT_EQ(form->view_accountType.get()->layer()->borderWidth, 0);
    EXPECT_EQ(form->accountTypeTitles, kAccountTypes);
    EXPECT_EQ(form->tf_AccountType.get()->text(), "Checking");
    EXPECT_EQ(UIApplication::sharedApplication()->statusBarStyle(), UIStatusBarStyleLightContent);
}

TEST_F(AddBankAccountTest, OnlyTheNumberFieldsCarryTheDoneToolbar) {
    auto toolbar = std::dynamic_pointer_cast<UIToolbar>(form->tf_AccountNumber.get()->inputAccessoryView());
    ASSERT_TRUE(toolbar);
    EXPECT_EQ(toolbar, form->tf_RoutingNumber.get()->inputAccessoryView());
    EXPECT_EQ(toolbar->frame(), CGRectMake(0, 0, 375, 50));
    EXPECT_EQ(toolbar->items().at(1)->title(), "DONE");
    for (const auto& field : {form->tf_LegalName, form->tf_BankName, form->tf_nickName})
        EXPECT_FALSE(field.get()->inputAccessoryView());

    ASSERT_TRUE(host.typeText(form->tf_AccountNumber.get(), "12"));
    EXPECT_TRUE(toolbar->items().at(1)->sendAction());
    EXPECT_FALSE(form->tf_AccountNumber.get()->isFirstResponder());
    ASSERT_TRUE(host.typeText(form->tf_LegalName.get(), "J\n"));
    EXPECT_FALSE(form->tf_LegalName.get()->isFirstResponder());
    EXPECT_FALSE(form->tf_BankName.get()->isFirstResponder());
}

TEST_F(AddBankAccountTest, TheAccountTypeFieldOpensTheListInsteadOfAKeyboard) {
    ASSERT_TRUE(host.typeText(form->tf_LegalName.get(), "J"));
    ASSERT_TRUE(host.tap(form->tf_AccountType.get()));
    EXPECT_FALSE(form->tf_LegalName.get()->isFirstResponder());
    EXPECT_FALSE(form->tf_AccountType.get()->isFirstResponder());
    auto list = DropList::visibleList();
    ASSERT_EQ(list, form->dropList);
    EXPECT_EQ(list->rows(), kAccountTypes);
    const CGRect anchor =
        form->view_accountType.get()->convertRectToView(form->view_accountType.get()->bounds(), nullptr);
    ASSERT_TRUE(list->listFrame());
    EXPECT_EQ(list->listFrame()->origin.y, CGRectGetMaxY(anchor));
    EXPECT_EQ(list->listFrame()->origin.x, anchor.origin.x);
    EXPECT_EQ(DropList::appearance().textFont()->pointSize(), 16);

    ASSERT_TRUE(list->select(2));
    EXPECT_EQ(form->tf_AccountType.get()->text(), "Money Market");
    EXPECT_FALSE(list->isVisible());

    ASSERT_TRUE(host.tap(form->tf_AccountType.get()));
    ASSERT_TRUE(form->dropList->isVisible());
    // One tap on another field closes the list and starts editing there.
    ASSERT_TRUE(host.tap(form->tf_BankName.get()));
    EXPECT_FALSE(form->dropList->isVisible());
    EXPECT_TRUE(form->tf_BankName.get()->isFirstResponder());
    EXPECT_TRUE(Keyboard::isVisible());
    EXPECT_EQ(form->tf_AccountType.get()->text(), "Money Market");
}

TEST_F(AddBankAccountTest, ATapOnTheAccountTypeFieldWhileItsListIsOpenClosesIt) {
    ASSERT_TRUE(host.tap(form->tf_AccountType.get()));
    ASSERT_TRUE(form->dropList->isVisible());
    const CGRect field =
        form->tf_AccountType.get()->convertRectToView(form->tf_AccountType.get()->bounds(), nullptr);
    ASSERT_TRUE(host.tap(CGPoint{CGRectGetMidX(field), CGRectGetMidY(field)}));
    EXPECT_FALSE(form->dropList->isVisible());
    EXPECT_FALSE(DropList::visibleList());
    EXPECT_FALSE(form->tf_AccountType.get()->isFirstResponder());
    EXPECT_FALSE(Keyboard::isVisible());
    EXPECT_EQ(form->tf_AccountType.get()->text(), "Checking");
    // The field still opens it on the next tap.
    ASSERT_TRUE(host.tap(form->tf_AccountType.get()));
    EXPECT_TRUE(form->dropList->isVisible());
}

TEST_F(AddBankAccountTest, AnUntouchedFormHandsOverTheFirstTypeAndEmptyTexts) {
    auto confirmation = submitAndChoose("Bank Link");
    ASSERT_TRUE(confirmation);
    EXPECT_EQ(confirmation->verificationType(), "BANK_LINK");
    EXPECT_EQ(confirmation->userEnteredDetailDict(), Value(Value::Dictionary{{"LEGAL_NAME", ""},
                                                                             {"BANK_NAME", ""},
                                                                             {"ACCOUNT_NUMBER", ""},
                                                                             {"ACCOUNT_TYPE", "Checking"},
                                                                             {"ACCOUNT_ROUTING_NUMBER", ""},
                                                                             {"NICK_NAME", ""}}));
}

TEST_F(AddBankAccountTest, TheVendorRouteHandsOverTheTextsAsTyped) {
    fill();
    auto confirmation = submitAndChoose("Bank Link");
    ASSERT_TRUE(confirmation);
    const Value& details = *confirmation->userEnteredDetailDict();
    EXPECT_EQ(details["NICK_NAME"], Value("Main "));
    EXPECT_EQ(details["ACCOUNT_NUMBER"], Value("1111222233330000"));

    // Back, change a text, submit again: every value written afresh.
    ASSERT_TRUE(host.tap(CGPoint{26, 42}));
    settle();
    ASSERT_EQ(host.topViewController(), form);
    form->tf_nickName.get()->setText(std::string("Bills"));
    auto second = submitAndChoose("Bank Link");
    ASSERT_TRUE(second);
    EXPECT_EQ((*second->userEnteredDetailDict())["NICK_NAME"], Value("Bills"));
    EXPECT_EQ(form->userEnteredDetailDict.at("NICK_NAME"), Value("Bills"));
}

TEST_F(AddBankAccountTest, TheMicroDepositRouteHandsOverNoDetails) {
    fill();
    auto confirmation = submitAndChoose("Micro Payments");
    ASSERT_TRUE(confirmation);
    EXPECT_EQ(confirmation->verificationType(), "MICRO_PAYMENTS");
    EXPECT_FALSE(confirmation->userEnteredDetailDict());
    EXPECT_TRUE(form->userEnteredDetailDict.empty());
}

TEST_F(AddBankAccountTest, TheSheetIsAnchoredToSubmitAndCancelOnlyClosesIt) {
    fill();
    ASSERT_TRUE(host.tap(form->btn_submit.get()));
    settle();
    auto sheet = host.visibleAlert();
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->preferredStyle(), UIAlertControllerStyleActionSheet);
    EXPECT_EQ(sheet->alertTitle(), "Verification Method");
    EXPECT_EQ(sheet->message(),
              "Please select a verification process to verify your added bank account details");
    EXPECT_EQ(sheet->actionTitles(), (std::vector<std::string>{"Cancel", "Bank Link", "Micro Payments"}));
    EXPECT_EQ(sheet->popoverPresentationController().sourceView.lock(), form->btn_submit.get());
    EXPECT_TRUE(host.snapshot("add_bank_account_sheet"));

    ASSERT_TRUE(host.tapAlertAction("Cancel"));
    settle();
    EXPECT_FALSE(host.visibleAlert());
    EXPECT_EQ(host.topViewController(), form);
    EXPECT_EQ(host.navigationStack().size(), 2u);
    EXPECT_EQ(form->tf_LegalName.get()->text(), "Jordan A. Reyes");
}

TEST_F(AddBankAccountTest, LooksAsDesigned) {
    fill();
    EXPECT_TRUE(host.snapshot("add_bank_account"));
}

TEST_F(AddBankAccountTest, FromMyBankAccountsBackReturnsThere) {
    auto list = ScreenRegistry::screenNamed(screen::MyBankAccountsViewController);
    host.navigationController()->setViewControllers({list}, false);
    host.advance(0.5);
    ASSERT_TRUE(host.tap(TestHost::outlet(list, "Btn_AddNewBankAccount")));
    settle();
    ASSERT_TRUE(std::dynamic_pointer_cast<AddBankAccountViewController>(host.topViewController()));
    ASSERT_TRUE(host.tap(CGPoint{26, 42}));
    settle();
    EXPECT_EQ(host.topViewController(), list);
}

TEST_F(AddBankAccountTest, OnTheRootOfItsStackBackDoesNothing) {
    DataModel::sharedInstance()->initAllViews();
    auto stack = DataModel::sharedInstance()->addBankAccountNavView();
    ASSERT_TRUE(stack);
    auto root = stack->topViewController();
    host.window()->setRootViewController(stack);
    host.advance(0.5);
    ASSERT_TRUE(host.tap(CGPoint{26, 42}));
    settle();
    EXPECT_EQ(stack->viewControllers().size(), 1u);
    EXPECT_EQ(stack->topViewController(), root);
}

struct AccountTypesCase {
    const char* name;
    std::optional<Value> file;
    std::vector<std::string> titles;
};

class AccountTypesFileTest : public AddBankAccountTest,
                             public ::testing::WithParamInterface<AccountTypesCase> {};

// Titles and records come from the same entries, so a pick names its own record; without any usable
// entry the field stays empty and one line says why.
TEST_P(AccountTypesFileTest, OnlyEntriesWithATextTitleCount) {
    test::BundleWithFile bundle("accountTypes.plist", GetParam().file);
    LogCapture console;
    auto other =
        std::make_shared<AddBankAccountViewController>("AddBankAccountViewController", frameworkBundle());
    host.show(other);
    EXPECT_EQ(other->accountTypeTitles, GetParam().titles);
    EXPECT_EQ(other->accountTypeArr.size(), GetParam().titles.size());
    EXPECT_EQ(other->tf_AccountType.get()->text(),
              GetParam().titles.empty() ? std::string() : GetParam().titles.front());
    EXPECT_EQ(console.lines().size(), GetParam().titles.empty() ? 1u : 0u);
    if (GetParam().titles.size() > 1) {
        ASSERT_TRUE(host.tap(other->tf_AccountType.get()));
        ASSERT_TRUE(other->dropList->select(1));
        EXPECT_EQ(other->tf_AccountType.get()->text(), GetParam().titles[1]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, AccountTypesFileTest,
    ::testing::Values(
        AccountTypesCase{"Missing", std::nullopt, {}}, AccountTypesCase{"Empty", Value(Value::Array{}), {}},
        AccountTypesCase{"NotAnArray", Value(Value::Dictionary{{"title", "Checking"}}), {}},
        AccountTypesCase{"Mixed",
                         Value(Value::Array{Value(Value::Dictionary{{"name", "Nameless"}}), Value("Checking"),
                                            Value(Value::Dictionary{{"title", "Savings"}}),
                                            Value(Value::Dictionary{{"title", Value(7)}}),
                                            Value(Value::Dictionary{{"title", "Business"}})}),
                         {"Savings", "Business"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fv
