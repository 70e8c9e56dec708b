#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "cards/TransactionRecord.h"
#include "cards/WalletRecord.h"

namespace fv {
namespace {

struct TypeCase {
    Value type;
    bool debit;
};

class DebitTest : public ::testing::TestWithParam<TypeCase> {};

TEST_P(DebitTest, OnlyTheExactLowerCaseWordIsADebit) {
    Value record;
    record.set(TransactionRecord::kTransType, GetParam().type);
    EXPECT_EQ(TransactionRecord(record).isDebit(), GetParam().debit);
}

INSTANTIATE_TEST_SUITE_P(Types, DebitTest,
                         ::testing::Values(TypeCase{"debit", true}, TypeCase{"Debit", false},
                                           TypeCase{"DEBIT", false}, TypeCase{"debit ", false},
                                           TypeCase{"credit", false}, TypeCase{Value(), false},
                                           TypeCase{Value(1), false}));

TEST(TransactionRecordTest, RowsShowAnyValueAndThePopUpOnlyTexts) {
    Value record;
    record.set(TransactionRecord::kAmount, 12);
    record.set(TransactionRecord::kTitle, "Corner Bean Coffee");
    record.set(TransactionRecord::kTransType, "debit");
    record.set(TransactionRecord::kCategoryIcon, "category_dining");
    const TransactionRecord transaction(record);
    EXPECT_EQ(transaction.rowText(TransactionRecord::kAmount), std::optional<std::string>("12"));
    EXPECT_EQ(transaction.rowText(TransactionRecord::kTime), std::nullopt);
    EXPECT_EQ(transaction.popupText(TransactionRecord::kAmount), "");
    EXPECT_EQ(transaction.popupText(TransactionRecord::kTitle), "Corner Bean Coffee");
    EXPECT_EQ(transaction.popupText(TransactionRecord::kTime), "");
    EXPECT_EQ(transaction.typeTitle(), "DEBIT");
    EXPECT_EQ(transaction.categoryImageName(), std::optional<std::string>("category_dining.png"));
}

TEST(TransactionRecordTest, ANonDictionaryHasNoKeys) {
    const TransactionRecord transaction(Value("debit"));
    EXPECT_FALSE(transaction.isDebit());
    EXPECT_EQ(transaction.rowText(TransactionRecord::kTitle), std::nullopt);
    EXPECT_EQ(transaction.categoryImageName(), std::nullopt);
    EXPECT_EQ(transaction.typeTitle(), "");
}

TEST(WalletRecordTest, CurrencyInCapitalsAmountFromCodeAndAmountFlagFromCountry) {
    Value record;
    record.set(WalletRecord::kCurrency, "eur");
    record.set(WalletRecord::kCurrencyCode, "EUR");
    record.set(WalletRecord::kAmount, "20");
    record.set(WalletRecord::kCountry, "europe");
    const WalletRecord wallet(record);
    EXPECT_EQ(wallet.currencyTitle(), "EUR");
    EXPECT_EQ(wallet.amountText(), std::optional<std::string>("EUR 20"));
    EXPECT_EQ(wallet.flagImageName(), std::optional<std::string>("europe.png"));
}

TEST(WalletRecordTest, MissingKeysLeaveTheirPartsAbsent) {
    Value record;
    record.set(WalletRecord::kCurrency, 5);
    record.set(WalletRecord::kAmount, "20");
    const WalletRecord wallet(record);
    EXPECT_EQ(wallet.currencyTitle(), "");
    EXPECT_EQ(wallet.amountText(), std::nullopt);
    EXPECT_EQ(wallet.flagImageName(), std::nullopt);
}

}  // namespace
}  // namespace fv
