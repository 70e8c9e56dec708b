#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "banking/BankAccountListTableViewCell.h"
#include "core/FrameworkResources.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UINib.h"

namespace fv {
namespace {

// Receives the Verify button's action.
class VerifyTarget : public NSObject {
    FV_CLASS(VerifyTarget, NSObject)
    static void registerMembers(ClassBuilder<VerifyTarget>& b) {
        b.action("VerifyAccountPressedWithSender:", &VerifyTarget::pressed);
    }
    void pressed(UIButton* sender) {
        ++presses;
        lastTag = sender ? sender->tag() : -1;
    }
    int presses = 0;
    long lastTag = -1;
};

BankAccountModel account(const std::string& status, const std::string& accountStatus) {
    BankAccountModel a;
    a.setNickName("Everyday Checking");
    a.setBankName("Harbor Point Bank");
    a.setAccountNumber("XXXXXX4821");
    a.setStatus(status);
    a.setAccountStatus(accountStatus);
    return a;
}

class BankAccountRowTest : public TestHostFixture {
  protected:
    void SetUp() override {
        auto nib = UINib::nibWithNibName(BankAccountListTableViewCell::kNibName, frameworkBundle());
        ASSERT_TRUE(nib);
        auto objects = nib->instantiateWithOwner(nullptr);
        ASSERT_FALSE(objects.empty());
        cell = std::dynamic_pointer_cast<BankAccountListTableViewCell>(objects.front());
        ASSERT_TRUE(cell);
        cell->setFrame(CGRectMake(0, 100, 375, 75));
        host.rootScreen()->view()->addSubview(cell);
        cell->layoutIfNeeded();
    }

    BankAccountRowStyle myAccountsStyle() {
        return {"Logged", "SFProDisplay-Light", "VerifyAccountPressedWithSender:", target};
    }

    UIImagePtr badge(const char* name) { return UIImage::imageNamed(name, frameworkBundle()); }

    BankAccountListTableViewCellPtr cell;
    std::shared_ptr<VerifyTarget> target = std::make_shared<VerifyTarget>();
    const BankAccountRowStyle pickerStyle{"In-Process", "Lato-Light", "", {}};
};

struct StatusCase {
    const char* status;
    const char* accountStatus;
    const char* badge;  // none: no image
    bool badgeShown;
    const char* pickerLabel;
    const char* myAccountsLabel;
    bool verifyShown;
};

class BankAccountRowStatusTest : public BankAccountRowTest,
                                 public ::testing::WithParamInterface<StatusCase> {};

TEST_P(BankAccountRowStatusTest, ShowsTheStatusTableLineOnBothLists) {
    const StatusCase& c = GetParam();
    for (bool picker : {true, false}) {
        SCOPED_TRACE(picker ? "picker" : "my accounts");
        cell->showBankAccount(account(c.status, c.accountStatus), 4,
                              picker ? pickerStyle : myAccountsStyle());
        auto image = cell->Img_status.get()->image();
        if (c.badge) {
            ASSERT_TRUE(image);
            EXPECT_TRUE(image->isEqual(*badge(c.badge)));
        } else {
            EXPECT_FALSE(image && c.badgeShown);
        }
        EXPECT_EQ(cell->Img_status.get()->isHidden(), !c.badgeShown);
        EXPECT_EQ(cell->lbl_status.get()->isHidden(), !c.badgeShown);
        if (c.badgeShown) {
            EXPECT_EQ(cell->lbl_status.get()->text(), picker ? c.pickerLabel : c.myAccountsLabel);
        }
        auto verify = cell->btn_verify.get();
        EXPECT_EQ(verify->isHidden(), !c.verifyShown);
        if (c.verifyShown) {
            EXPECT_EQ(verify->tag(), 4);
        }
        EXPECT_EQ(verify->titleLabel()->font()->pointSize(), 12);
        EXPECT_EQ(cell->lbl_legalName.get()->text(), "Everyday Checking");
        EXPECT_EQ(cell->lbl_bankName.get()->text(), "Harbor Point Bank - XXXXXX4821");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BankAccountRowStatusTest,
    ::testing::Values(StatusCase{"Verified", "V", "verified.png", true, "Verified", "Verified", false},
                      StatusCase{"In-Process", "L", "inprogress.png", true, "In-Process", "Logged", false},
                      StatusCase{"In-Process", "I", nullptr, false, "", "", true},
                      StatusCase{"Un-Verified", "F", "unverified.png", true, "Un-Verified", "Un-Verified",
                                 false},
                      // No line: no badge and an empty label.
                      StatusCase{"Verified", "L", nullptr, true, "", "", false},
                      StatusCase{"verified", "V", nullptr, true, "", "", false},
                      StatusCase{"Un-Verified", "V", nullptr, true, "", "", false},
                      StatusCase{"", "", nullptr, true, "", "", false}));

TEST_F(BankAccountRowTest, ReusedRowLosesThePreviousAccountsBadgeTextAndButton) {
    cell->showBankAccount(account("Verified", "V"), 0, pickerStyle);
    cell->showBankAccount(account("Verified", "X"), 1, pickerStyle);
    EXPECT_FALSE(cell->Img_status.get()->image());
    EXPECT_EQ(cell->lbl_status.get()->text(), "");

    cell->showBankAccount(account("In-Process", "I"), 2, pickerStyle);
    cell->showBankAccount(account("Verified", "V"), 3, pickerStyle);
    EXPECT_TRUE(cell->btn_verify.get()->isHidden());
    EXPECT_FALSE(cell->Img_status.get()->isHidden());
    EXPECT_FALSE(cell->lbl_status.get()->isHidden());
    EXPECT_EQ(cell->lbl_status.get()->text(), "Verified");
}

TEST_F(BankAccountRowTest, VerifyButtonKeepsOneActionThroughReuse) {
    auto verify = cell->btn_verify.get();
    for (long row : {0, 1, 2}) cell->showBankAccount(account("In-Process", "I"), row, myAccountsStyle());
    EXPECT_EQ(verify->actionsForTarget(target.get(), UIControlEventTouchUpInside).size(), 1u);
    ASSERT_TRUE(host.tap(verify));
    EXPECT_EQ(target->presses, 1);
    EXPECT_EQ(target->lastTag, 2);

    // The picker's rows have no Verify action, also when the row served the other list before.
    cell->showBankAccount(account("In-Process", "I"), 0, pickerStyle);
    EXPECT_TRUE(verify->allTargets().empty());
    ASSERT_TRUE(host.tap(verify));
    EXPECT_EQ(target->presses, 1);
}

TEST_F(BankAccountRowTest, LooksLikeAnAccountRow) {
    auto strip = UIView::create(CGRectMake(0, 0, 375, 300));
    strip->setBackgroundColor(UIColor::whiteColor());
    const std::pair<const char*, const char*> lines[] = {
        {"Verified", "V"}, {"In-Process", "L"}, {"In-Process", "I"}, {"Un-Verified", "F"}};
    long index = 0;
    for (const auto& line : lines) {
        auto nib = UINib::nibWithNibName(BankAccountListTableViewCell::kNibName, frameworkBundle());
        auto row = std::dynamic_pointer_cast<BankAccountListTableViewCell>(
            nib->instantiateWithOwner(nullptr).front());
        row->setFrame(CGRectMake(0, 75 * index, 375, 75));
        strip->addSubview(row);
        row->layoutIfNeeded();
        row->showBankAccount(account(line.first, line.second), index++, myAccountsStyle());
    }
    host.rootScreen()->view()->addSubview(strip);
    strip->layoutIfNeeded();
    EXPECT_TRUE(host.snapshot("bank_account_rows", strip));
}

}  // namespace
}  // namespace fv
