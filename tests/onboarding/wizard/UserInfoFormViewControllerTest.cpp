#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/ThemeManager.h"
#include "onboarding/wizard/AddressSuggestionList.h"
#include "onboarding/wizard/UserInfoFormViewController.h"
#include "platform/kits/DropList.h"
#include "tests/onboarding/support/WizardTestSupport.h"
#include "tests/support/TemporaryBundle.h"

namespace fv::wizard_test {
namespace {

using Screen = UserInfoFormViewController;

class NameAddressTest : public WizardTest {
  protected:
    std::shared_ptr<Screen> openForm() { return open<Screen>(screen::UserInfoFormViewController); }

    void fill(const std::shared_ptr<Screen>& s, const std::string& first, const std::string& last,
              const std::string& home, const std::string& area) {
        for (const auto& [field, text] :
             {std::pair{s->tf_firstName.get(), first}, std::pair{s->tf_lastName.get(), last},
              std::pair{s->tf_homeAddress.get(), home}, std::pair{s->tf_areaAddress.get(), area}})
            if (!text.empty()) {
                ASSERT_TRUE(host.typeText(field, text));
            }
    }

    // Every entry of the shipped list that holds `needle`, spelled as it stands.
    static std::vector<std::string> entriesHolding(const std::string& needle) {
        std::vector<std::string> out;
        for (const auto& entry : AddressSuggestionList::load())
            if (entry.find(needle) != std::string::npos) out.push_back(entry);
        return out;
    }

    static std::vector<std::string> shownRows() {
        auto list = DropList::visibleList();
        return list ? list->rows() : std::vector<std::string>{};
    }
};

TEST_F(NameAddressTest, StartsDisabledAtTwoThirdsWithTheThemedLook) {
    auto screen = openForm();
    ASSERT_TRUE(screen);
    EXPECT_TRUE(mainButtonIs(screen->Btn_next.get(), false));
    EXPECT_FLOAT_EQ(screen->progress_bar.get()->progress(), 0.68f);
    auto theme = ThemeManager::sharedInstance();
    EXPECT_TRUE(
        colorsEqual(screen->view_border_apartmentAddress.get()->backgroundColor(), theme->border_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_bodyTitle_lastName.get()->textColor(), theme->main_font_color()));
    EXPECT_TRUE(colorsEqual(screen->tf_homeAddress.get()->tintColor(), theme->main_color()));
    EXPECT_FALSE(DropList::visibleList());
    EXPECT_EQ(screen->locationsArr.size(), 92u);
    EXPECT_EQ(screen->filteredlocationsContent, screen->locationsArr);
}

TEST_F(NameAddressTest, NextNeedsAllFourFieldsAndBlanksCount) {
    auto screen = openForm();
    ASSERT_TRUE(screen);
    fill(screen, " ", "Lovelace", "12 Quarry Lane", "");
    EXPECT_TRUE(mainButtonIs(screen->Btn_next.get(), false));
    ASSERT_TRUE(host.typeText(screen->tf_areaAddress.get(), "Q"));
    EXPECT_TRUE(mainButtonIs(screen->Btn_next.get(), true));
    ASSERT_TRUE(host.deleteBackward(screen->tf_lastName.get(), 8));
    EXPECT_TRUE(mainButtonIs(screen->Btn_next.get(), false)) << "on the keystroke that empties a field";
}

TEST_F(NameAddressTest, OneCharacterOffersEveryEntryHoldingItInListOrder) {
    auto screen = openForm();
    ASSERT_TRUE(screen);
    ASSERT_TRUE(host.typeText(screen->tf_areaAddress.get(), "Z"));
    std::vector<std::string> expected;
    for (const auto& entry : AddressSuggestionList::load())
        if (entry.find('z') != std::string::npos || entry.find('Z') != std::string::npos)
            expected.push_back(entry);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(shownRows(), expected);
    EXPECT_EQ(screen->filteredlocationsContent, expected);
    EXPECT_TRUE(host.snapshot("name_address_suggestions", std::make_shared<WholeScreenView>()));

    ASSERT_TRUE(host.typeText(screen->tf_firstName.get(), "A"));
    EXPECT_FALSE(DropList::visibleList()) << "typing elsewhere hides the list";
}

TEST_F(NameAddressTest, TheListFollowsTheTextAsItWillBeAndHidesWhenNothingMatches) {
    auto screen = openForm();
    ASSERT_TRUE(screen);
    ASSERT_TRUE(host.typeText(screen->tf_areaAddress.get(), "Springf"));
    EXPECT_EQ(shownRows(), entriesHolding("Springfield"));
    ASSERT_TRUE(host.typeText(screen->tf_areaAddress.get(), "ield, M"));
    EXPECT_EQ(shownRows(), (std::vector<std::string>{"Springfield, MA", "Springfield, MO"}));
    ASSERT_TRUE(host.typeText(screen->tf_areaAddress.get(), "X"));
    EXPECT_FALSE(DropList::visibleList());
    ASSERT_TRUE(host.deleteBackward(screen->tf_areaAddress.get()));
    EXPECT_EQ(shownRows().size(), 2u) << "a deletion filters too";
    ASSERT_TRUE(host.deleteBackward(screen->tf_areaAddress.get(), 13));
    EXPECT_EQ(screen->tf_areaAddress.get()->text(), "S");
    ASSERT_TRUE(host.deleteBackward(screen->tf_areaAddress.get()));
    EXPECT_FALSE(DropList::visibleList()) << "the empty text matches nothing";
}

TEST_F(NameAddressTest, MatchingIgnoresCaseAndDiacritics) {
    auto screen = openForm();
    ASSERT_TRUE(screen);
    ASSERT_TRUE(host.typeText(screen->tf_areaAddress.get(), "canon"));
    EXPECT_EQ(shownRows(), (std::vector<std::string>{"Cañon City, CO"}));
    screen->tf_areaAddress.get()->setText("");
    ASSERT_TRUE(host.typeText(screen->tf_areaAddress.get(), "SAN JOSE"));
    EXPECT_EQ(shownRows(), (std::vector<std::string>{"San José, CA"}));
}

TEST_F(NameAddressTest, APickWritesTheRowOfTheLatestFilteringAsShown) {
    auto screen = openForm();
    ASSERT_TRUE(screen);
    ASSERT_TRUE(host.typeText(screen->tf_areaAddress.get(), "an"));
    const auto rows = shownRows();
    ASSERT_GE(rows.size(), 3u);
    auto list = DropList::visibleList();
    ASSERT_TRUE(list->select(2));
    settle();
    EXPECT_EQ(screen->tf_areaAddress.get()->text(), rows[2]);
    EXPECT_NE(rows[2], screen->locationsArr[2]);
    EXPECT_EQ(screen->tf_firstName.get()->text(), "");
}

TEST_F(NameAddressTest, TheListTakesTheThinTwentyFourPointFontForEveryList) {
    auto screen = openForm();
    ASSERT_TRUE(screen);
    auto font = DropList::appearance().textFont();
    ASSERT_TRUE(font);
    EXPECT_EQ(font->pointSize(), 24);
    const CGFloat height = screen->view_areaAddress.get()->bounds().size.height;
    EXPECT_EQ(screen->dropList->bottomOffset, CGPointMake(0, height));
    EXPECT_EQ(screen->dropList->topOffset, CGPointMake(0, -height));
}

TEST_F(NameAddressTest, NextWritesTheFourTextsAsTypedAndLeavesTheRestAlone) {
    auto screen = openForm();
    ASSERT_TRUE(screen);
    fill(screen, "Ada ", "Lovelace", "12 Quarry Lane", "Springfield, I");
    ASSERT_EQ(shownRows(), (std::vector<std::string>{"Springfield, IL"}));
    ASSERT_TRUE(DropList::visibleList()->select(0));
    screen->view()->endEditing(true);
    ASSERT_TRUE(host.tap(screen->Btn_next.get()));
    EXPECT_TRUE(opened(screen::DobSSNFormViewController, screen));
    EXPECT_EQ(profileLeaf("first_name"), "Ada ");
    EXPECT_EQ(profileLeaf("last_name"), "Lovelace");
    const auto address = [](const char* key) {
        return requestLeaf({"cardholder_data", "profile_data", "addresses", "address", key}).stringValue();
    };
    EXPECT_EQ(address("address1"), "12 Quarry Lane");
    EXPECT_EQ(address("address2"), "Springfield, IL");
    EXPECT_EQ(address("address_type"), "S");
    for (const char* untouched : {"city", "state", "postal_code", "country"})
        EXPECT_EQ(address(untouched), "");
    EXPECT_EQ(profileLeaf("middle_name"), "");
}

TEST_F(NameAddressTest, BackWritesNothingAndANextAfterReturnReplacesAllFour) {
    auto screen = openForm();
    ASSERT_TRUE(screen);
    fill(screen, "Ada", "Lovelace", "12 Quarry Lane", "Austin, TX");
    screen->ShowHUD("Verifying");
    screen->action_back(nullptr);
    settle();
    EXPECT_FALSE(ProgressHUD::isVisible());
    EXPECT_EQ(profileLeaf("first_name"), "");

    screen = openForm();
    ASSERT_TRUE(screen);
    fill(screen, "Ada", "Lovelace", "12 Quarry Lane", "Austin, TX");
    screen->action_next(nullptr);
    (void)opened(screen::DobSSNFormViewController, screen);
    host.navigationController()->popToViewController(screen, false);
    settle();
    screen->tf_firstName.get()->setText("Augusta");
    screen->tf_areaAddress.get()->setText("Boise, ID");
    screen->action_next(nullptr);
    (void)opened(screen::DobSSNFormViewController, screen);
    EXPECT_EQ(profileLeaf("first_name"), "Augusta");
    EXPECT_EQ(
        requestLeaf({"cardholder_data", "profile_data", "addresses", "address", "address2"}).stringValue(),
        "Boise, ID");
}

TEST_F(NameAddressTest, AFilledFormLooksRight) {
    auto screen = openForm();
    ASSERT_TRUE(screen);
    fill(screen, "Ada", "Lovelace", "12 Quarry Lane", "Austin, TX");
    screen->dropList->hide();
    screen->view()->endEditing(true);
    EXPECT_TRUE(host.snapshot("name_address_filled"));
}

// The suggestion file as a bundle might hold it, and what the list makes of it.
struct SuggestionFile {
    const char* name;
    const char* contents;  // none: no file at all
    std::vector<std::string> entries;
};

class SuggestionFileTest : public ::testing::TestWithParam<SuggestionFile> {};

TEST_P(SuggestionFileTest, GivesOnlyTheTextsItHolds) {
    const SuggestionFile f = GetParam();
    test::TemporaryBundle bundle;
    if (f.contents) std::ofstream(bundle.path() / "usadata.plist") << f.contents;
    EXPECT_EQ(AddressSuggestionList::load(), f.entries);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SuggestionFileTest,
    ::testing::Values(
        SuggestionFile{"missing", nullptr, {}}, SuggestionFile{"garbage", "not a property list", {}},
        SuggestionFile{
            "dictionary", "<plist version=\"1.0\"><dict><key>a</key><string>b</string></dict></plist>", {}},
        SuggestionFile{"mixed",
                       "<plist version=\"1.0\"><array><string>Reno, NV</string><integer>4</integer><dict/>"
                       "<string>Fargo, ND</string></array></plist>",
                       {"Reno, NV", "Fargo, ND"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fv::wizard_test
