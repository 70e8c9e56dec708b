#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "banking/BankAccountsListViewController.h"
#include "core/DataModel.h"
#include "core/FrameworkResources.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PropertyList.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UINib.h"
#include "screenkit/BannerMessages.h"
#include "tests/banking/BundleWithFile.h"

namespace fv {
namespace {

using Names = std::vector<std::string>;

// The header's back button, in window coordinates.
constexpr CGPoint kBackButton{26, 42};

const Names kVerifiedInFileOrder{"Everyday Checking", "Rainy Day Fund", "College Fund"};

// The picker's own "bankAccounts.plist" (none for no file), in force while alive.
class BundleWithAccounts : public test::BundleWithFile {
  public:
    explicit BundleWithAccounts(const std::optional<Value::Array>& records)
        : BundleWithFile("bankAccounts.plist",
                         records ? std::optional<Value>(Value(*records)) : std::nullopt) {}
};

Value record(const std::string& nick, const std::string& bank, const std::string& status,
             const std::string& accountStatus) {
    Value::Dictionary d{{"LEGAL_NAME", "Jordan A. Reyes"},
                        {"ACCOUNT_NUMBER", "XXXXXX0001"},
                        {"ACCOUNT_ROUTING_NUMBER", "021000089"},
                        {"ACCOUNT_TYPE", "Checking"}};
    if (!nick.empty()) d["NICK_NAME"] = nick;
    if (!bank.empty()) d["BANK_NAME"] = bank;
    if (!status.empty()) d["STATUS"] = status;
    if (!accountStatus.empty()) d["ACCOUNT_STATUS"] = accountStatus;
    return Value(d);
}

class BankAccountsListTest : public TestHostFixture {
  protected:
    void SetUp() override {
        DataModel::sharedInstance()->setSelectedBankAccount(nullptr);
        // The framework's screens draw their own header, as on the host stack of the card-to-bank road.
        host.navigationController()->setNavigationBarHidden(true);
    }
    void TearDown() override {
        // Banners outlive a test; let them go so the next one starts clean.
        host.advance(BannerMessages::kDuration + 1);
        TestHostFixture::TearDown();
    }

    // The picker as the transfer screen opens it: from its interface file, pushed over the host's screen.
    std::shared_ptr<BankAccountsListViewController> openPicker() {
        auto picker = std::make_shared<BankAccountsListViewController>("BankAccountsListViewController",
                                                                       frameworkBundle());
        host.show(picker);
        return picker;
    }

    static UITableViewPtr table(const std::shared_ptr<BankAccountsListViewController>& picker) {
        return picker->tbl_bankAccs.get();
    }

    static BankAccountListTableViewCellPtr row(const std::shared_ptr<BankAccountsListViewController>& picker,
                                               long r) {
        return std::dynamic_pointer_cast<BankAccountListTableViewCell>(
            table(picker)->cellForRowAtIndexPath(NSIndexPath::indexPathForRow(r, 0)));
    }

    // The nicknames the table shows, top to bottom.
    static Names shown(const std::shared_ptr<BankAccountsListViewController>& picker) {
        Names out;
        auto tbl = table(picker);
        tbl->layoutIfNeeded();
        for (long r = 0; r < tbl->numberOfRowsInSection(0); ++r) {
            auto cell = row(picker, r);
            out.push_back(cell ? cell->lbl_legalName.get()->text().value_or("") : "<no row>");
        }
        return out;
    }

    void search(const std::shared_ptr<BankAccountsListViewController>& picker, const std::string& text) {
        ASSERT_TRUE(host.typeText(picker->searchBar.get()->searchField(), text));
    }
};

TEST_F(BankAccountsListTest, ListsOnlyVerifiedAccountsInFileOrderWithTheirBadges) {
    auto picker = openPicker();
    EXPECT_EQ(shown(picker), kVerifiedInFileOrder);
    auto verified = UIImage::imageNamed("verified.png", frameworkBundle());
    ASSERT_TRUE(verified);
    for (long r = 0; r < 3; ++r) {
        auto cell = row(picker, r);
        ASSERT_TRUE(cell);
        EXPECT_EQ(cell->lbl_status.get()->text(), "Verified");
        ASSERT_TRUE(cell->Img_status.get()->image());
        EXPECT_TRUE(cell->Img_status.get()->image()->isEqual(*verified));
        EXPECT_TRUE(cell->btn_verify.get()->isHidden());
        EXPECT_EQ(table(picker)->rectForRowAtIndexPath(NSIndexPath::indexPathForRow(r, 0)).size.height, 75);
    }
    EXPECT_EQ(row(picker, 0)->lbl_bankName.get()->text(), "Harbor Point Bank - XXXXXX4821");
    EXPECT_EQ(UIApplication::sharedApplication()->statusBarStyle(), UIStatusBarStyleLightContent);
}

struct SearchCase {
    const char* text;
    Names expected;
};

class BankAccountsSearchTest : public BankAccountsListTest,
                               public ::testing::WithParamInterface<SearchCase> {};

TEST_P(BankAccountsSearchTest, NarrowsByBankNameOrNickname) {
    auto picker = openPicker();
    search(picker, GetParam().text);
    EXPECT_EQ(shown(picker), GetParam().expected) << "search: " << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BankAccountsSearchTest,
    ::testing::Values(SearchCase{"harbor", {"Everyday Checking"}},              // bank name, other case
                      SearchCase{"FUND", {"Rainy Day Fund", "College Fund"}},   // nickname, file order
                      SearchCase{"c\u00E9dar r\u00CEdge", {"Rainy Day Fund"}},  // accents ignored
                      SearchCase{"4821", {}},                                   // account number not searched
                      SearchCase{"Northgate", {}},                              // only verified accounts
                      SearchCase{"zzz", {}},                                    // nothing matches
                      SearchCase{"%", {}}, SearchCase{"\"", {}}, SearchCase{"*", {}}));  // taken literally

TEST_F(BankAccountsListTest, ClearingTheSearchShowsEveryAccountAgainInOrder) {
    auto picker = openPicker();
    search(picker, "fund");
    ASSERT_EQ(shown(picker).size(), 2u);
    ASSERT_TRUE(host.tap(picker->searchBar.get()->clearButton()));
    EXPECT_EQ(shown(picker), kVerifiedInFileOrder);

    search(picker, "ra");
    ASSERT_TRUE(host.deleteBackward(picker->searchBar.get()->searchField(), 2));
    EXPECT_EQ(shown(picker), kVerifiedInFileOrder);
}

TEST_F(BankAccountsListTest, SearchButtonOnlyPutsTheKeyboardAway) {
    auto picker = openPicker();
    search(picker, "fund\n");
    EXPECT_FALSE(picker->searchBar.get()->isFirstResponder());
    EXPECT_EQ(shown(picker), (Names{"Rainy Day Fund", "College Fund"}));
}

TEST_F(BankAccountsListTest, TapStoresTheAccountAndGoesBack) {
    auto picker = openPicker();
    search(picker, "fund");
    ASSERT_TRUE(host.tap(row(picker, 0)));
    auto chosen = DataModel::sharedInstance()->selectedBankAccount();
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->nickName(), "Rainy Day Fund");  // the first match, not the first account of the file
    EXPECT_EQ(chosen->bankName(), "Cedar Ridge Credit Union");
    host.advance(UIViewControllerTransitionDuration + 0.1);
    EXPECT_EQ(host.topViewController(), host.rootScreen());
    EXPECT_FALSE(picker->view()->window()) << "the picker still shows over the screen below";
}

struct UnverifiedTapCase {
    const char* status;
    const char* title;
    const char* message;
};

class BankAccountsUnverifiedTapTest : public BankAccountsListTest,
                                      public ::testing::WithParamInterface<UnverifiedTapCase> {};

// Only verified accounts are listed, so an account whose status changed after loading stands in for
// the accounts the tap rule warns about (or, for an unknown status, ignores).
TEST_P(BankAccountsUnverifiedTapTest, WarnsAndStays) {
    auto picker = openPicker();
    picker->filteredBankAccounts[1]->setStatus(GetParam().status);
    ASSERT_TRUE(host.tap(row(picker, 1)));
    host.advance(UIViewControllerTransitionDuration + 0.1);
    EXPECT_EQ(host.topViewController(), picker);
    EXPECT_FALSE(DataModel::sharedInstance()->selectedBankAccount());
    std::vector<BannerInfo> expected;
    if (GetParam().title)
        expected.push_back({GetParam().title, std::string(GetParam().message), BannerMessageTypeWarning});
    EXPECT_EQ(BannerMessages::visibleBanners(), expected);
}

INSTANTIATE_TEST_SUITE_P(Statuses, BankAccountsUnverifiedTapTest,
                         ::testing::Values(UnverifiedTapCase{"In-Process", "Verification in in progress",
                                                             "This account verification is in progress."},
                                           UnverifiedTapCase{
                                               "Un-Verified", "Un-Verified Account",
                                               "This account verification is not yet completed."},
                                           UnverifiedTapCase{"verified", nullptr, nullptr}));

TEST_F(BankAccountsListTest, KeepsVerifiedWhateverTheAccountStatusAndShowsNoBadgeOffTheTable) {
    BundleWithAccounts bundle(Value::Array{
        record("Plain", "First Bank", "Verified", "V"),
        record("Lower Case", "Second Bank", "verified", "V"),
        record("Logged But Verified", "Third Bank", "Verified", "L"),
        record("No Status", "Fourth Bank", "", "V"),
        record("", "", "Verified", ""),
    });
    auto picker = openPicker();
    EXPECT_EQ(shown(picker), (Names{"Plain", "Logged But Verified", ""}));
    for (long r : {1, 2}) {
        auto cell = row(picker, r);
        EXPECT_FALSE(cell->Img_status.get()->image()) << "row " << r;
        EXPECT_EQ(cell->lbl_status.get()->text(), "") << "row " << r;
        EXPECT_TRUE(cell->btn_verify.get()->isHidden()) << "row " << r;
    }
    EXPECT_EQ(row(picker, 2)->lbl_bankName.get()->text(), " - XXXXXX0001");
    for (const auto& text : TestHost::visibleTexts(picker->view()))
        EXPECT_EQ(text.find("(null)"), std::string::npos) << text;
}

TEST_F(BankAccountsListTest, WithoutVerifiedAccountsOnlyBackLeadsOutAndKeepsTheEarlierChoice) {
    auto earlier = std::make_shared<BankAccountModel>();
    DataModel::sharedInstance()->setSelectedBankAccount(earlier);
    BundleWithAccounts bundle(Value::Array{record("Pending", "First Bank", "In-Process", "I")});
    auto picker = openPicker();
    EXPECT_EQ(shown(picker), Names{});
    ASSERT_TRUE(host.tap(kBackButton));
    host.advance(UIViewControllerTransitionDuration + 0.1);
    EXPECT_EQ(host.topViewController(), host.rootScreen());
    EXPECT_EQ(DataModel::sharedInstance()->selectedBankAccount(), earlier);
}

TEST_F(BankAccountsListTest, MissingListGivesAnEmptyPickerAndALogLine) {
    BundleWithAccounts bundle(std::nullopt);
    LogCapture capture;
    auto picker = openPicker();
    EXPECT_EQ(shown(picker), Names{});
    EXPECT_TRUE(capture.contains("bankAccounts.plist"));
}

TEST_F(BankAccountsListTest, LooksLikeAPickerOfAccounts) {
    openPicker();
    EXPECT_TRUE(host.snapshot("bank_accounts_picker"));
}

}  // namespace
}  // namespace fv
