#include "cards/CardOverviewRecord.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <string>

#include "core/Constants.h"
#include "core/FrameworkResources.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/Log.h"
#include "platform/graphics/UIImage.h"
#include "tests/support/TemporaryBundle.h"

namespace fv {
namespace {

namespace fs = std::filesystem;
using Count = std::optional<std::int64_t>;

// ---- "Wallet Count" as text ----

struct CountCase {
    const char* text;
    Count expected;
};

class WalletCountParseTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(WalletCountParseTest, ReadsOnlyASignedRunOfDigits) {
    EXPECT_EQ(CardOverviewRecord::parseWalletCount(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WalletCountParseTest,
    ::testing::Values(CountCase{"1", 1}, CountCase{"+2", 2}, CountCase{"-3", -3}, CountCase{"0", 0},
                      CountCase{"007", 7},
                      CountCase{"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
                      CountCase{"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
                      CountCase{"9223372036854775808", std::nullopt}, CountCase{"2 ", std::nullopt},
                      CountCase{" 2", std::nullopt}, CountCase{"two", std::nullopt},
                      CountCase{"", std::nullopt}, CountCase{"+", std::nullopt}, CountCase{"-", std::nullopt},
                      CountCase{"+-2", std::nullopt}, CountCase{"1.5", std::nullopt},
                      CountCase{"0x10", std::nullopt}, CountCase{"\xd9\xa3", std::nullopt}));

// ---- pages built in the test ----

Value walletRecord(const std::string& currency) {
    Value record;
    record.set(WalletRecord::kCurrency, currency);
    record.set(WalletRecord::kCurrencyCode, "USD");
    record.set(WalletRecord::kAmount, "10.50");
    record.set(WalletRecord::kCountry, "usa");
    return record;
}

Value transactionRecord(const std::string& type) {
    Value record;
    record.set(TransactionRecord::kTransType, type);
    record.set(TransactionRecord::kCategoryIcon, "category_dining");
    return record;
}

Value walletPage(const Value& count, int records) {
    Value page;
    page.set(CardOverviewRecord::kCardNumber, "4111 1111 1111 1111");
    page.set(CardOverviewRecord::kExp, "0929");
    page.set(CardOverviewRecord::kCVV, "123");
    page.set(CardOverviewRecord::kWallet, true);
    page.set(CardOverviewRecord::kWalletCount, count);
    Value wallets = Value::Array{};
    for (int i = 0; i < records; ++i) wallets.append(walletRecord("usd"));
    page.set(CardOverviewRecord::kWalletRecords, wallets);
    page.set(CardOverviewRecord::kRecords, Value::Array{transactionRecord("debit")});
    return page;
}

struct WalletPageCase {
    const char* name;
    Value count;
    int records;
    std::int64_t cells;
    bool logged;
};

class WalletPageTest : public ::testing::TestWithParam<WalletPageCase> {};

TEST_P(WalletPageTest, CountsCellsAndLogsOneLineForADamagedCount) {
    LogCapture log;
    const auto record =
        CardOverviewRecord::fromValue(Value::Array{walletPage(GetParam().count, GetParam().records)});
    EXPECT_EQ(record.walletCount(0), GetParam().cells);
    EXPECT_EQ(log.lines().size(), GetParam().logged ? 1u : 0u);
    if (GetParam().logged) {
        EXPECT_TRUE(log.contains("Wallet Count"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Counts, WalletPageTest,
    ::testing::Values(
        WalletPageCase{"One", "1", 1, 1, false}, WalletPageCase{"Three", "3", 3, 3, false},
        WalletPageCase{"Zero", "0", 0, 0, false}, WalletPageCase{"Plus", "+2", 2, 2, false},
        WalletPageCase{"Unparsable", "two", 2, 0, true}, WalletPageCase{"Negative", "-1", 2, 0, true},
        WalletPageCase{"NotAText", Value(2), 2, 0, true}, WalletPageCase{"Missing", Value(), 2, 0, true},
        WalletPageCase{"BeyondTheRecords", "3", 1, 3, true},
        WalletPageCase{"Huge", "9223372036854775807", 1, CardOverviewRecord::kMaxWalletCount, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CardOverviewRecordTest, RowsPastTheRecordsOrNotDictionariesReadAsAbsent) {
    Value page = walletPage("3", 1);
    page.mutableDictionary()[CardOverviewRecord::kWalletRecords].append("not a wallet");
    page.mutableDictionary()[CardOverviewRecord::kRecords].append(7);
    LogCapture log;
    const auto record = CardOverviewRecord::fromValue(Value::Array{page});
    ASSERT_TRUE(record.wallet(0, 0).has_value());
    EXPECT_EQ(record.wallet(0, 0)->currencyTitle(), "USD");
    EXPECT_FALSE(record.wallet(0, 1).has_value());
    EXPECT_FALSE(record.wallet(0, 2).has_value());
    EXPECT_EQ(record.transactionCount(0), 2u);
    EXPECT_TRUE(record.transaction(0, 0).has_value());
    EXPECT_FALSE(record.transaction(0, 1).has_value());
    EXPECT_FALSE(record.transaction(1, 0).has_value());
    EXPECT_FALSE(record.wallet(5, 0).has_value());
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines()[0],
              "Card pages: page 0 is damaged: Records (1 damaged), Wallet Records (1 damaged), Wallet Count");
}

TEST(CardOverviewRecordTest, ADamagedPageReadsAsEmptyAndItsLogLineNamesKeysNotValues) {
    Value page;
    page.set(CardOverviewRecord::kCardNumber, "4111 1111 1111 1111");
    page.set(CardOverviewRecord::kWallet, "yes");
    page.set(CardOverviewRecord::kDate, 20261207);
    LogCapture log;
    const auto record = CardOverviewRecord::fromValue(Value::Array{page, "not a page"});
    EXPECT_EQ(record.pageCount(), 2u);
    EXPECT_FALSE(record.isWalletPage(0));
    EXPECT_EQ(record.exp(0), "");
    EXPECT_EQ(record.date(0), "");
    EXPECT_EQ(record.transactionCount(0), 0u);
    EXPECT_EQ(record.cardNumber(1), "");
    EXPECT_EQ(record.walletCount(1), 0);
    ASSERT_EQ(log.lines().size(), 2u);
    EXPECT_EQ(log.lines()[0], "Card pages: page 0 is damaged: Exp, CVV, Date, Records, Wallet");
    EXPECT_EQ(log.lines()[1], "Card pages: page 1 is damaged: not a dictionary");
    EXPECT_FALSE(log.contains("1111"));
}

TEST(CardOverviewRecordTest, ManyDamagedPagesLogEightLinesAndACount) {
    LogCapture log;
    const auto record = CardOverviewRecord::fromValue(Value(Value::Array(1000, Value(1))));
    EXPECT_EQ(record.pageCount(), 1000u);
    ASSERT_EQ(log.lines().size(), 9u);
    EXPECT_EQ(log.lines()[7], "Card pages: page 7 is damaged: not a dictionary");
    EXPECT_EQ(log.lines()[8], "Card pages: 992 more pages are damaged");
}

TEST(CardOverviewRecordTest, ATransactionsPageIsNeverAskedForItsWallets) {
    Value page = walletPage("not read", 0);
    page.set(CardOverviewRecord::kWallet, false);
    page.remove(CardOverviewRecord::kWalletRecords);
    LogCapture log;
    CardOverviewRecord::fromValue(Value::Array{page});
    EXPECT_TRUE(log.lines().empty());
}

TEST(CardOverviewRecordTest, ARootThatIsNotAnArrayOrIsEmptyGivesNoPagesAndOneLine) {
    for (const Value& root : {Value("pages"), Value(Value::Dictionary{}), Value(Value::Array{})}) {
        LogCapture log;
        const auto record = CardOverviewRecord::fromValue(root);
        EXPECT_EQ(record.pageCount(), 0u);
        EXPECT_TRUE(record.pages().isArray());
        EXPECT_EQ(log.lines().size(), 1u);
        EXPECT_FALSE(record.isWalletPage(0));
        EXPECT_EQ(record.date(0), "");
    }
}

// Points the framework bundle at an empty folder, or one holding only the given "sample.plist".
class BundleWithSample {
  public:
    explicit BundleWithSample(const std::optional<std::string>& sample) {
        if (sample) std::ofstream(bundle_.path() / "sample.plist") << *sample;
    }

  private:
    test::TemporaryBundle bundle_;
};

class MissingSampleTest : public ::testing::TestWithParam<std::optional<std::string>> {};

TEST_P(MissingSampleTest, GivesNoPagesAndOneLine) {
    BundleWithSample bundle(GetParam());
    LogCapture log;
    const auto record = CardOverviewRecord::load();
    EXPECT_EQ(record.pageCount(), 0u);
    EXPECT_EQ(log.lines().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MissingSampleTest,
    ::testing::Values(std::nullopt, std::optional<std::string>(""),
                      std::optional<std::string>("<plist version=\"1.0\"><array><dict>"),
                      std::optional<std::string>("<plist version=\"1.0\"><dict/></plist>"),
                      std::optional<std::string>("<plist version=\"1.0\"><array/></plist>")));

// ---- the shipped demonstration pages ----

TEST(ShippedSampleTest, LoadsWithoutComplaintAndFillsTheFirstPage) {
    LogCapture log;
    const auto record = CardOverviewRecord::load();
    EXPECT_TRUE(log.lines().empty()) << log.lines().front();
    ASSERT_GE(record.pageCount(), 3u);
    EXPECT_NE(record.date(0), "");
    EXPECT_GT(record.transactionCount(0), 0u);
    // The second card shows wallets, so a swipe from the first shows the strip.
    EXPECT_TRUE(record.isWalletPage(1));
    EXPECT_GT(record.walletCount(1), 1);
}

TEST(ShippedSampleTest, EveryNamedImageIsInTheFrameworkBundle) {
    const auto bundle = frameworkBundle();
    ASSERT_TRUE(bundle);
    const auto record = CardOverviewRecord::load();
    int images = 0;
    for (std::size_t page = 0; page < record.pageCount(); ++page) {
        for (std::size_t row = 0; row < record.pages()[page][CardOverviewRecord::kWalletRecords].size();
             ++row) {
            const auto name = record.wallet(page, row)->flagImageName();
            ASSERT_TRUE(name);
            EXPECT_TRUE(UIImage::imageNamed(*name, bundle)) << *name;
            ++images;
        }
        for (std::size_t row = 0; row < record.transactionCount(page); ++row) {
            const auto name = record.transaction(page, row)->categoryImageName();
            ASSERT_TRUE(name);
            EXPECT_TRUE(UIImage::imageNamed(*name, bundle)) << *name;
            ++images;
        }
    }
    EXPECT_GT(images, 0);
}

TEST(ShippedSampleTest, HasBothDebitsAndCreditsAndAWalletCellOfEachKind) {
    const auto record = CardOverviewRecord::load();
    bool debit = false, credit = false, single = false, multiple = false;
    for (std::size_t page = 0; page < record.pageCount(); ++page) {
        for (std::size_t row = 0; row < record.transactionCount(page); ++row)
            (record.transaction(page, row)->isDebit() ? debit : credit) = true;
        if (record.isWalletPage(page)) (record.walletCount(page) == 1 ? single : multiple) = true;
    }
    EXPECT_TRUE(debit && credit && single && multiple);
}

}  // namespace
}  // namespace fv
