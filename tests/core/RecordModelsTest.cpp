#include <gtest/gtest.h>

#include <set>

#include "core/BankAccountModel.h"
#include "core/RecipientModel.h"
#include "platform/foundation/Predicate.h"
#include "platform/foundation/PropertyList.h"

namespace fv {
namespace {

const std::string kResources = FV_SOURCE_DIR "/resources";

TEST(BankAccountModel, SetupReadsEveryKeyAndLeavesMissingOnesEmpty) {
    Value records{Value::Array{Value::Dictionary{{"LEGAL_NAME", "Jordan Reyes"},
                                                 {"BANK_NAME", "Harbor Point Bank"},
                                                 {"ACCOUNT_ROUTING_NUMBER", "021000089"},
                                                 {"ACCOUNT_NUMBER", "XXXX4821"},
                                                 {"ACCOUNT_TYPE", "Checking"},
                                                 {"NICK_NAME", "Everyday"},
                                                 {"STATUS", "Verified"},
                                                 {"ACCOUNT_STATUS", "V"}},
                               Value::Dictionary{{"BANK_NAME", "Summit Trust"}, {"ACCOUNT_NUMBER", 123456}},
                               "not a record", Value::Dictionary{}}};
    const BankAccountModel receiver;
    const auto accounts = receiver.setupBankAccount(records);
    ASSERT_EQ(accounts.size(), 3u);

    const auto& full = *accounts[0];
    EXPECT_EQ(full.legalName(), "Jordan Reyes");
    EXPECT_EQ(full.bankName(), "Harbor Point Bank");
    EXPECT_EQ(full.routingNumber(), "021000089");
    EXPECT_EQ(full.accountNumber(), "XXXX4821");
    EXPECT_EQ(full.accountType(), "Checking");
    EXPECT_EQ(full.nickName(), "Everyday");
    EXPECT_EQ(full.status(), "Verified");
    EXPECT_EQ(full.accountStatus(), "V");

    const auto& partial = *accounts[1];
    EXPECT_EQ(partial.bankName(), "Summit Trust");
    EXPECT_EQ(partial.accountNumber(), "123456");  // a number reads as its decimal text
    EXPECT_EQ(partial.nickName(), "");
    EXPECT_EQ(partial.status(), "");
    EXPECT_EQ(accounts[2]->legalName(), "");
    EXPECT_EQ(receiver.bankName(), "");
}

TEST(BankAccountModel, SetupOfNothingGivesNothing) {
    const BankAccountModel receiver;
    EXPECT_TRUE(receiver.setupBankAccount(Value(Value::Array{})).empty());
    EXPECT_TRUE(receiver.setupBankAccount(Value()).empty());
    EXPECT_TRUE(receiver.setupBankAccount(Value(Value::Dictionary{{"BANK_NAME", "x"}})).empty());
}

TEST(BankAccountModel, PropertiesReadByKey) {
    BankAccountModel account;
    account.setBankName("Cedar Ridge");
    account.setNickName("Rainy Day");
    account.setStatus("In-Process");
    account.setAccountStatus("L");
    EXPECT_EQ(account.valueForKey("bankName"), Value("Cedar Ridge"));
    EXPECT_EQ(account.valueForKey("nickName"), Value("Rainy Day"));
    EXPECT_EQ(account.valueForKey("status"), Value("In-Process"));
    EXPECT_EQ(account.valueForKey("accountStatus"), Value("L"));
    EXPECT_EQ(account.valueForKey("legalName"), Value(""));
    EXPECT_TRUE(account.valueForKey("BANK_NAME").isNull());
}

TEST(RecipientModel, SetupReadsEveryKeyAndLeavesMissingOnesEmpty) {
    Value records{Value::Array{
        Value::Dictionary{{"Nickname", "Mom"}, {"Username", "elena.reyes"}, {"Recipient", "Elena Reyes"}},
        Value::Dictionary{{"Recipient", "Dana Whitfield"}}, 7}};
    const RecipientModel receiver;
    const auto recipients = receiver.setupRecipient(records);
    ASSERT_EQ(recipients.size(), 2u);
    EXPECT_EQ(recipients[0]->nickname(), "Mom");
    EXPECT_EQ(recipients[0]->username(), "elena.reyes");
    EXPECT_EQ(recipients[0]->Recipient(), "Elena Reyes");
    EXPECT_EQ(recipients[1]->nickname(), "");
    EXPECT_EQ(recipients[1]->username(), "");
    EXPECT_EQ(recipients[1]->valueForKey("Recipient"), Value("Dana Whitfield"));
    EXPECT_TRUE(recipients[1]->valueForKey("recipient").isNull());
    EXPECT_TRUE(receiver.setupRecipient(Value(Value::Array{})).empty());
}

// The lists filter the models with predicates over their properties.
TEST(RecordModels, FilterByKeyWithPredicates) {
    const auto records = PropertyList::readArray(kResources + "/bankAccounts.plist");
    ASSERT_TRUE(records.has_value());
    const auto accounts = BankAccountModel().setupBankAccount(*records);
    const auto verified = filter(accounts, NSPredicate::equals("status", "Verified"));
    ASSERT_FALSE(verified.empty());
    for (const auto& a : verified) EXPECT_EQ(a->status(), "Verified");
    const auto search = NSPredicate::orPredicate(
        {NSPredicate::containsCD("bankName", "HARBOR"), NSPredicate::containsCD("nickName", "harbor")});
    ASSERT_EQ(filter(accounts, search).size(), 1u);
    EXPECT_EQ(filter(accounts, search)[0]->bankName(), "Harbor Point Bank");

    const auto recipients =
        RecipientModel().setupRecipient(*PropertyList::readArray(kResources + "/recipients.plist"));
    EXPECT_EQ(filter(recipients, NSPredicate::containsCD("Recipient", "elena")).size(), 1u);
}

// The shipped demonstration data must carry what the screens read.
TEST(BundledRecords, BankAccountsCoverEveryStatusPair) {
    const auto records = PropertyList::readArray(kResources + "/bankAccounts.plist");
    ASSERT_TRUE(records.has_value());
    const auto accounts = BankAccountModel().setupBankAccount(*records);
    ASSERT_EQ(accounts.size(), records->size());
    std::set<std::pair<std::string, std::string>> pairs;
    for (const auto& a : accounts) {
        EXPECT_FALSE(a->nickName().empty());
        EXPECT_FALSE(a->bankName().empty());
        EXPECT_FALSE(a->accountNumber().empty());
        pairs.insert({a->status(), a->accountStatus()});
    }
    const std::set<std::pair<std::string, std::string>> expected{
        {"Verified", "V"}, {"In-Process", "L"}, {"In-Process", "I"}, {"Un-Verified", "F"}};
    EXPECT_EQ(pairs, expected);
}

TEST(BundledRecords, RecipientsHaveNames) {
    const auto records = PropertyList::readArray(kResources + "/recipients.plist");
    ASSERT_TRUE(records.has_value());
    const auto recipients = RecipientModel().setupRecipient(*records);
    ASSERT_GE(recipients.size(), 3u);
    for (const auto& r : recipients) EXPECT_FALSE(r->Recipient().empty());
}

TEST(BundledRecords, CardControlEntriesHaveTheirKeys) {
    const auto cards = PropertyList::readArray(kResources + "/cardControl.plist");
    ASSERT_TRUE(cards.has_value());
    ASSERT_GE(cards->size(), 2u);
    for (const Value& card : *cards->asArray()) {
        EXPECT_TRUE(card["Card Number"].isString());
        EXPECT_EQ(card["Exp"].stringValue().size(), 4u);  // month then year
        EXPECT_EQ(card["CVV"].stringValue().size(), 3u);
        const Value& setting = card["Setting"];
        for (const char* key :
             {"is_Enable_Block_International", "Block_International", "is_Enable_Block_Cash/ATM",
              "Block_Cash/ATM", "is_Enable_Block_Online_E-commerce", "Block_Online_E-commerce",
              "is_Enable_Block_TransactionGreaterThan", "is_Enable_ChangeCardPin", "Inactive"}) {
            EXPECT_TRUE(setting[key].isBool()) << key;
        }
        const Value& limit = setting["Block_TransactionGreaterThan"];
        EXPECT_TRUE(limit.isNull() || (limit.isString() && limit.stringValue().size() <= 4));
    }
}

TEST(BundledRecords, FontListNamesElevenFaces) {
    const auto fonts = PropertyList::readArray(kResources + "/fonts.plist");
    ASSERT_TRUE(fonts.has_value());
    EXPECT_EQ(fonts->size(), 11u);
    std::set<std::string> names;
    for (const Value& f : *fonts->asArray()) names.insert(f.stringValue());
    EXPECT_TRUE(names.count("SF-Pro-Display-Light"));
    EXPECT_TRUE(names.count("SF-Pro-Display-Regular"));
    EXPECT_TRUE(names.count("SF-Pro-Display-Thin"));
    EXPECT_EQ(names.size(), 11u);
}

}  // namespace
}  // namespace fv
