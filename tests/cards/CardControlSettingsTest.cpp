#include "cards/CardControlSettings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/AppSettings.h"
#include "core/FrameworkResources.h"
#include "core/SDKManager.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/testing/TestHost.h"
#include "tests/cards/CardControlTestSupport.h"

namespace fv {
namespace {

namespace fs = std::filesystem;
using test::allOffered;
using test::card;
using test::Option;
using test::store;

NSUserDefaults& defaults() {
    return NSUserDefaults::standardUserDefaults();
}

// Forgets the in-memory store, so the next load reads what reached the disk.
void rereadFromDisk() {
    NSUserDefaults::resetStandardUserDefaultsForTesting();
}

class CardControlSettingsTest : public TestHostFixture {};

TEST_F(CardControlSettingsTest, TheSeededBundledCardsLoadWithoutComplaint) {
    SDKManager::sharedInstance()->initAllView();
    LogCapture log;
    const auto settings = CardControlSettings::load();
    EXPECT_TRUE(log.lines().empty()) << log.lines().front();
    const auto bundled = readFrameworkArray("cardControl");
    ASSERT_TRUE(bundled);
    EXPECT_EQ(settings.cards(), *bundled);
    ASSERT_EQ(settings.count(), 3u);
    EXPECT_EQ(settings.exp(0), "0928");
    EXPECT_TRUE(settings.settings(0).isOffered(Option::BlockInternational));
    EXPECT_TRUE(settings.settings(0).isBlocked(Option::BlockCashAtm));
    EXPECT_EQ(settings.settings(0).transactionLimit(), "500");
    EXPECT_EQ(settings.settings(1).transactionLimit(), "");
    EXPECT_FALSE(settings.settings(2).isOffered(Option::ChangeCardPin));
    EXPECT_TRUE(settings.settings(2).isInactive());
}

TEST_F(CardControlSettingsTest, EveryBundledAmountLimitFitsTheFourCharacterField) {
    const auto bundled = readFrameworkArray("cardControl");
    ASSERT_TRUE(bundled);
    for (const Value& entry : *bundled->asArray())
        EXPECT_LE(CardSettings(entry[CardControlSettings::kSetting]).transactionLimit().size(), 4u);
}

TEST_F(CardControlSettingsTest, SavedChangesOnTwoCardsAreReadBackFromDisk) {
    store(Value::Array{card("4111 1111 1111 1111", allOffered()), card("5555 5555 5555 4444", allOffered()),
                       "kept as it was"});
    auto settings = CardControlSettings::load();
    CardSettings first = settings.settings(0);
    first.setBlocked(Option::BlockInternational, true);
    first.setTransactionLimit("250");
    ASSERT_TRUE(settings.setSettings(0, first));
    CardSettings second = settings.settings(1);
    second.setInactive(true);
    ASSERT_TRUE(settings.setSettings(1, second));
    ASSERT_TRUE(settings.save());

    rereadFromDisk();
    const auto again = CardControlSettings::load();
    EXPECT_EQ(again.cards(), settings.cards());
    EXPECT_TRUE(again.settings(0).isBlocked(Option::BlockInternational));
    EXPECT_FALSE(again.settings(0).isBlocked(Option::BlockCashAtm));
    EXPECT_EQ(again.settings(0).transactionLimit(), "250");
    EXPECT_TRUE(again.settings(1).isInactive());
    EXPECT_EQ(again.card(2), Value("kept as it was"));
}

TEST_F(CardControlSettingsTest, EditsStayInMemoryUntilSaved) {
    store(Value::Array{card("4111 1111 1111 1111", allOffered())});
    auto settings = CardControlSettings::load();
    CardSettings edited = settings.settings(0);
    edited.setBlocked(Option::BlockOnlineEcommerce, true);
    settings.setSettings(0, edited);
    EXPECT_FALSE(CardControlSettings::load().settings(0).isBlocked(Option::BlockOnlineEcommerce));
}

TEST_F(CardControlSettingsTest, SettingsCannotBeSetPastTheCardsOrOnAnEntryThatIsNoCard) {
    store(Value::Array{"no card"});
    auto settings = CardControlSettings::load();
    const Value before = settings.cards();
    CardSettings setting(allOffered());
    EXPECT_FALSE(settings.setSettings(0, setting));
    EXPECT_FALSE(settings.setSettings(1, setting));
    EXPECT_EQ(settings.cards(), before);
}

TEST_F(CardControlSettingsTest, ASettingThatCannotBeArchivedSavesNothing) {
    store(Value::Array{card("4111 1111 1111 1111", allOffered())});
    const Value stored = defaults().objectForKey(kCardControlDataDefaultsKey);
    auto settings = CardControlSettings::load();
    CardSettings edited = settings.settings(0);
    edited.setTransactionLimit(std::string("12\0", 3));
    settings.setSettings(0, edited);
    LogCapture log;
    EXPECT_FALSE(settings.save());
    EXPECT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(defaults().objectForKey(kCardControlDataDefaultsKey), stored);
}

TEST_F(CardControlSettingsTest, AFailedWriteLeavesTheStoredRecordAsItWas) {
    // The defaults file would have to live under a regular file, which no write can manage.
    const fs::path blocker = fs::temp_directory_path() / ("fv-cards-blocker-" + std::to_string(::getpid()));
    std::ofstream(blocker) << "x";
    const std::string previousPath = std::getenv("FERNVAULT_DEFAULTS_PATH");
    ::setenv("FERNVAULT_DEFAULTS_PATH", (blocker / "defaults.plist").c_str(), 1);
    rereadFromDisk();
    store(Value::Array{card("4111 1111 1111 1111", allOffered())});
    const Value stored = defaults().objectForKey(kCardControlDataDefaultsKey);
    auto settings = CardControlSettings::load();
    CardSettings edited = settings.settings(0);
    edited.setInactive(true);
    settings.setSettings(0, edited);
    {
        LogCapture log;
        EXPECT_FALSE(settings.save());
        EXPECT_TRUE(log.contains("Card controls: the settings could not be written"));
    }
    EXPECT_EQ(defaults().objectForKey(kCardControlDataDefaultsKey), stored);
    EXPECT_FALSE(CardControlSettings::load().settings(0).isInactive());
    ::setenv("FERNVAULT_DEFAULTS_PATH", previousPath.c_str(), 1);
    rereadFromDisk();
    fs::remove(blocker);
}

// ---- damaged records ----

struct DamagedCase {
    const char* name;
    Value stored;  // null: nothing stored
};

class DamagedRecordTest : public CardControlSettingsTest,
                          public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedRecordTest, ReadsAsNoCardsWithOneLine) {
    if (!GetParam().stored.isNull()) defaults().setObject(GetParam().stored, kCardControlDataDefaultsKey);
    LogCapture log;
    const auto settings = CardControlSettings::load();
    EXPECT_EQ(settings.count(), 0u);
    EXPECT_TRUE(settings.cards().isArray());
    EXPECT_EQ(settings.cardNumber(0), "");
    EXPECT_FALSE(settings.settings(0).isOffered(Option::ChangeCardPin));
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_NE(log.lines()[0].find(GetParam().stored.isNull() ? "no saved settings" : "damaged"),
              std::string::npos)
        << log.lines()[0];
}

Value::Bytes bytes(const std::string& text) {
    return Value::Bytes(text.begin(), text.end());
}

const std::string kForeignClass =
    "<plist version=\"1.0\"><dict><key>$archiver</key><string>FVKeyedArchiver</string><key>$version</key>"
    "<integer>1</integer><key>$top</key><dict><key>root</key><dict><key>$class</key><string>NSURL</string>"
    "</dict></dict></dict></plist>";

INSTANTIATE_TEST_SUITE_P(
    Stores, DamagedRecordTest,
    ::testing::Values(DamagedCase{"Missing", Value()}, DamagedCase{"NotData", Value("archive")},
                      DamagedCase{"EmptyData", Value(Value::Bytes{})},
                      DamagedCase{"NotAnArchive", Value(bytes("\x01\x02garbage"))},
                      DamagedCase{"ForeignClass", Value(bytes(kForeignClass))},
                      DamagedCase{
                          "RootNotAnArray",
                          Value(NSKeyedArchiver::archivedDataWithRootObject(Value(Value::Dictionary{})))}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CardControlSettingsTest, DamagedCardsReadAsEmptyWithOneLineEachNamingKeysNotValues) {
    Value noSetting = card("4111 1111 1111 1111", Value());
    noSetting.remove(CardControlSettings::kCVV);
    Value mistyped = allOffered();
    mistyped.set(CardSettings::kInactive, "yes");
    mistyped.set(CardSettings::valueKey(Option::BlockCashAtm), 1);
    mistyped.set(CardSettings::kBlockTransactionGreaterThan, 300);
    store(Value::Array{noSetting, card("5555 5555 5555 4444", mistyped), 42});
    LogCapture log;
    const auto settings = CardControlSettings::load();
    ASSERT_EQ(settings.count(), 3u);
    EXPECT_EQ(settings.cardNumber(0), "4111 1111 1111 1111");
    EXPECT_EQ(settings.cvv(0), "");
    EXPECT_FALSE(settings.settings(0).isOffered(Option::BlockInternational));
    EXPECT_FALSE(settings.settings(1).isInactive());
    EXPECT_FALSE(settings.settings(1).isBlocked(Option::BlockCashAtm));
    EXPECT_EQ(settings.settings(1).transactionLimit(), "");
    EXPECT_EQ(settings.exp(2), "");
    ASSERT_EQ(log.lines().size(), 3u);
    EXPECT_EQ(log.lines()[0], "Card controls: card 0 is damaged: CVV, Setting");
    EXPECT_EQ(log.lines()[1], "Card controls: card 1 is damaged: Block_Cash/ATM, Inactive");
    EXPECT_EQ(log.lines()[2], "Card controls: card 2 is damaged: not a dictionary");
    EXPECT_FALSE(log.contains("4444"));
}

TEST_F(CardControlSettingsTest, AnOptionValueIsOnlyRequiredWhileItsRowIsOffered) {
    Value setting = allOffered();
    setting.set(CardSettings::enableKey(Option::BlockInternational), false);
    setting.remove(CardSettings::valueKey(Option::BlockInternational));
    store(Value::Array{card("4111 1111 1111 1111", setting)});
    LogCapture log;
    CardControlSettings::load();
    EXPECT_TRUE(log.lines().empty());
}

// ---- one card's settings ----

TEST(CardSettingsTest, OnlyTheThreeBlockRowsHaveASwitch) {
    CardSettings settings(allOffered());
    settings.setBlocked(Option::BlockTransactionGreaterThan, true);
    settings.setBlocked(Option::ChangeCardPin, true);
    EXPECT_EQ(settings.dictionary(), allOffered());
    EXPECT_FALSE(settings.isBlocked(Option::ChangeCardPin));
    settings.setBlocked(Option::BlockCashAtm, true);
    EXPECT_TRUE(settings.isBlocked(Option::BlockCashAtm));
    EXPECT_EQ(settings.dictionary()["Block_Cash/ATM"], Value(true));
}

TEST(CardSettingsTest, ANonDictionaryReadsAsNothingOfferedAndBecomesOneWhenSet) {
    CardSettings settings(Value("settings"));
    EXPECT_FALSE(settings.isOffered(Option::BlockInternational));
    EXPECT_FALSE(settings.isInactive());
    settings.setTransactionLimit("99");
    EXPECT_EQ(settings.dictionary()["Block_TransactionGreaterThan"], Value("99"));
}

}  // namespace
}  // namespace fv
