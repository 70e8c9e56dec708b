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
                               "not a record"}};
    const BankAccountModel receiver;
    const auto accounts = receiver.setupBankAccount(records);
    ASSERT_EQ(accounts.size(), 2u);
    const auto& a = *accounts[0];
    EXPECT_EQ(std::vector<std::string>({a.legalName(), a.bankName(), a.routingNumber(), a.accountNumber(),
                                        a.accountType(), a.nickName(), a.status(), a.accountStatus()}),
              std::vector<std::string>({"Jordan Reyes", "Harbor Point Bank", "021000089", "XXXX4821",
                                        "Checking", "Everyday", "Verified", "V"}));
    EXPECT_EQ(accounts[1]->accountNumber(), "123456");  // a number reads as its decimal text
    EXPECT_EQ(accounts[1]->nickName(), "");
    EXPECT_EQ(accounts[1]->status(), "");
    EXPECT_EQ(receiver.bankName(), "");
    EXPECT_TRUE(receiver.setupBankAccount(Value(Value::Array{})).empty());
    EXPECT_TRUE(receiver.setupBankAccount(Value(Value::Dictionary{{"BANK_NAME", "x"}})).empty());
}

TEST(RecipientModel, SetupReadsEveryKeyAndLeavesMissingOnesEmpty) {
    Value records{Value::Array{
        Value::Dictionary{{"Nickname", "Mom"}, {"Username", "elena.reyes"}, {"Recipient", "Elena Reyes"}},
        Value::Dictionary{{"Recipient", "Dana Whitfield"}}, 7}};
    const auto recipients = RecipientModel().setupRecipient(records);
    ASSERT_EQ(recipients.size(), 2u);
    EXPECT_EQ(recipients[0]->nickname(), "Mom");
    EXPECT_EQ(recipients[0]->username(), "elena.reyes");
    EXPECT_EQ(recipients[0]->Recipient(), "Elena Reyes");
    EXPECT_EQ(recipients[1]->nickname(), "");
    EXPECT_EQ(recipients[1]->username(), "");
}

// The lists filter the shipped records with predicates over the models' properties.
TEST(RecordModels, BundledRecordsFilterByKey) {
    const auto records = PropertyList::readArray(kResources + "/bankAccounts.plist");
    ASSERT_TRUE(records.has_value());
    const auto accounts = BankAccountModel().setupBankAccount(*records);
    std::set<std::pair<std::string, std::string>> pairs;
    for (const auto& a : accounts) pairs.insert({a->status(), a->accountStatus()});
    EXPECT_EQ(pairs, (std::set<std::pair<std::string, std::string>>{
                         {"Verified", "V"}, {"In-Process", "L"}, {"In-Process", "I"}, {"Un-Verified", "F"}}));

    const auto verified = filter(accounts, NSPredicate::equals("status", "Verified"));
    EXPECT_EQ(verified.size(), 3u);
    const auto search = NSPredicate::orPredicate(
        {NSPredicate::containsCD("bankName", "HARBOR"), NSPredicate::containsCD("nickName", "harbor")});
    ASSERT_EQ(filter(accounts, search).size(), 1u);

    const auto recipients = RecipientModel().setupRecipient(
        PropertyList::readArray(kResources + "/recipients.plist").value_or(Value()));
    EXPECT_EQ(filter(recipients, NSPredicate::containsCD("Recipient", "elena")).size(), 1u);
    EXPECT_TRUE(recipients[0]->valueForKey("recipient").isNull());
}

TEST(RecordModels, BundledCardControlsHaveTheirKeys) {
    const auto cards = PropertyList::readArray(kResources + "/cardControl.plist");
    ASSERT_TRUE(cards.has_value());
    ASSERT_GE(cards->size(), 2u);
    for (const Value& card : *cards->asArray()) {
        EXPECT_TRUE(card["Card Number"].isString());
        EXPECT_EQ(card["Exp"].stringValue().size(), 4u);  // month then year
        EXPECT_EQ(card["CVV"].stringValue().size(), 3u);
        for (const char* key :
             {"is_Enable_Block_International", "Block_International", "is_Enable_Block_Cash/ATM",
              "Block_Cash/ATM", "is_Enable_Block_Online_E-commerce", "Block_Online_E-commerce",
              "is_Enable_Block_TransactionGreaterThan", "is_Enable_ChangeCardPin", "Inactive"}) {
            EXPECT_TRUE(card["Setting"][key].isBool()) << key;
        }
    }
    EXPECT_EQ(PropertyList::readArray(kResources + "/fonts.plist").value_or(Value()).size(), 11u);
}

}  // namespace
}  // namespace fv
