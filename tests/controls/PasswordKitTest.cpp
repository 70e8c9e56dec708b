#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "controls/AllowedCharacterRule.h"
#include "controls/BlockRule.h"
#include "controls/DictionaryWordRule.h"
#include "controls/LengthRule.h"
#include "controls/PasswordStrengthEvaluator.h"
#include "controls/PasswordValidator.h"
#include "controls/PredicateRule.h"
#include "controls/RegularExpressionRule.h"
#include "controls/RequiredCharacterRule.h"
#include "platform/testing/MainBundleFixture.h"
#include "platform/testing/TestHost.h"

namespace fv {
namespace {

double bits(std::size_t length, int pool) {
    return static_cast<double>(length) * static_cast<double>(std::log2(static_cast<float>(pool)));
}

struct EntropyCase {
    const char* password;
    double entropy;
    int strength;
};

class Entropy : public ::testing::TestWithParam<EntropyCase> {};

TEST_P(Entropy, CountsEachClassOnceOverUtf16Length) {
    const auto& c = GetParam();
    EXPECT_DOUBLE_EQ(EntropyForString(c.password), c.entropy) << c.password;
    EXPECT_EQ(PasswordStrengthEvaluator::strengthOfPassword(c.password), c.strength) << c.password;
}

INSTANTIATE_TEST_SUITE_P(
    Passwords, Entropy,
    ::testing::Values(EntropyCase{"", 0, 0}, EntropyCase{"abc", bits(3, 26), 0},
                      EntropyCase{"abcde", bits(5, 26), 0}, EntropyCase{"abcdef", bits(6, 26), 1},
                      EntropyCase{"abcd1234", bits(8, 36), 2}, EntropyCase{"abcdefghijklm", bits(13, 26), 3},
                      EntropyCase{"Abcdefghij1234567890!", bits(21, 82), 4},
                      EntropyCase{"a b+c", bits(5, 26 + 1 + 10), 0},
                      // "e" with a combining acute: one sequence starting with a letter, two units.
                      EntropyCase{"e\xcc\x81", bits(2, 26), 0},
                      // A lone combining mark is its own sequence.
                      EntropyCase{"\xcc\x81", bits(1, 160), 0},
                      // Letters of a script without case belong to no class.
                      EntropyCase{"\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e", 0, 0},
                      // An astral emoji counts two units but no class.
                      EntropyCase{"ab\xf0\x9f\x98\x80", bits(4, 26), 0}));

class PasswordKitTexts : public TestHostFixture {};

TEST_F(PasswordKitTexts, StrengthNamesComeFromFrameworkTable) {
    const char* names[] = {"Very Weak Password", "Weak Password", "Reasonable Password", "Strong Password",
                           "Very Strong Password"};
    for (int level = 0; level < 5; ++level)
        EXPECT_EQ(PasswordStrengthEvaluator::localizedStringForPasswordStrength(level), names[level]);
    EXPECT_EQ(PasswordStrengthEvaluator::localizedStringForPasswordStrength(5), std::nullopt);
    EXPECT_EQ(PasswordStrengthEvaluator::localizedStringForPasswordStrength(-1), std::nullopt);
}

TEST_F(PasswordKitTexts, HostTableRewordsSomeTexts) {
    test::MainBundleFixture bundle;
    bundle.setString("Very Weak Password", "Too easy", "PasswordKit");
    bundle.setString("Must be within range %@", "Use %@ characters", "PasswordKit");
    EXPECT_EQ(PasswordStrengthEvaluator::localizedStringForPasswordStrength(0), "Too easy");
    EXPECT_EQ(PasswordStrengthEvaluator::localizedStringForPasswordStrength(1), "Weak Password");
    EXPECT_EQ(LengthRule::ruleWithRange(NSMakeRange(8, 2))->localizedErrorDescription(),
              "Use {8, 2} characters");
}

TEST_F(PasswordKitTexts, RequiredCharacterMessageIsFixedWhenRuleIsMade) {
    const auto before = RequiredCharacterRule::symbolCharacterRequiredRule();
    test::MainBundleFixture bundle;
    bundle.setString("Must include symbol character", "Add a symbol", "PasswordKit");
    EXPECT_EQ(before->localizedErrorDescription(), "Must include symbol character");
    EXPECT_EQ(RequiredCharacterRule::symbolCharacterRequiredRule()->localizedErrorDescription(),
              "Add a symbol");
}

TEST_F(PasswordKitTexts, StandardValidatorChecksLength) {
    const auto validator = PasswordValidator::standardValidator();
    std::vector<PasswordRulePtr> failing;
    EXPECT_FALSE(validator->validatePassword("abcde", &failing));
    ASSERT_EQ(failing.size(), 1u);
    EXPECT_EQ(failing[0], validator->rules()[0]);
    EXPECT_EQ(failing[0]->localizedErrorDescription(), "Must be within range {6, 64}");
    EXPECT_FALSE(validator->validatePassword(std::string(70, 'a')));
    EXPECT_TRUE(validator->validatePassword(std::string(69, 'a'), &failing));
    EXPECT_TRUE(failing.empty());
    EXPECT_TRUE(validator->validatePassword("abcdef"));
    // Length counts UTF-16 units: five astral characters are ten.
    EXPECT_TRUE(validator->validatePassword("\xf0\x9f\x98\x80\xf0\x9f\x98\x80\xf0\x9f\x98\x80"));
}

struct RuleCase {
    const char* name;
    std::function<PasswordRulePtr()> make;
    const char* breaking;
    const char* meeting;
    const char* message;
};

class EachRule : public TestHostFixture, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(EachRule, ReportsOnlyPasswordsThatBreakIt) {
    const auto& c = GetParam();
    const PasswordRulePtr rule = c.make();
    EXPECT_TRUE(rule->evaluateWithString(c.breaking)) << c.breaking;
    EXPECT_FALSE(rule->evaluateWithString(c.meeting)) << c.meeting;
    EXPECT_EQ(rule->localizedErrorDescription(), c.message);
    const auto validator = PasswordValidator::validatorWithRules({rule});
    EXPECT_FALSE(validator->validatePassword(c.breaking));
    EXPECT_TRUE(validator->validatePassword(c.meeting));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, EachRule,
    ::testing::Values(
        RuleCase{"length", [] { return LengthRule::ruleWithRange(NSMakeRange(2, 3)); }, "abcde", "abcd",
                 "Must be within range {2, 3}"},
        RuleCase{"required",
                 [] {
                     return RequiredCharacterRule::ruleWithRequiredCharacters(
                         NSCharacterSet::characterSetWithCharactersInString("xyz"));
                 },
                 "abc", "abz", "Must include required characters"},
        RuleCase{"lowercase", [] { return RequiredCharacterRule::lowercaseCharacterRequiredRule(); }, "ABC1",
                 "ABc1", "Must include lowercase character"},
        RuleCase{"uppercase", [] { return RequiredCharacterRule::uppercaseCharacterRequiredRule(); }, "abc1",
                 "aBc1", "Must include uppercase character"},
        RuleCase{"digit", [] { return RequiredCharacterRule::decimalDigitCharacterRequiredRule(); }, "abc",
                 "ab7", "Must include decimal digit character"},
        RuleCase{"symbol", [] { return RequiredCharacterRule::symbolCharacterRequiredRule(); }, "abc1",
                 "ab,c", "Must include symbol character"},
        RuleCase{"symbolSet", [] { return RequiredCharacterRule::symbolCharacterRequiredRule(); }, "abc1",
                 "ab+c", "Must include symbol character"},
        RuleCase{"dictionary", [] { return DictionaryWordRule::rule(); }, "Dragon1!", "dr4gon",
                 "Must not be dictionary word"},
        RuleCase{"allowed",
                 [] {
                     return AllowedCharacterRule::ruleWithAllowedCharacters(
                         NSCharacterSet::characterSetWithCharactersInString("abc123"));
                 },
                 "abc!", "cab321", "Must not include disallowed character"},
        RuleCase{"predicate",
                 [] { return PredicateRule::ruleWithPredicate(NSPredicate::matches("[a-z]+[0-9]")); }, "abc",
                 "abc9", "Must match predicate"},
        RuleCase{"regex", [] { return RegularExpressionRule::ruleWithRegularExpression("[0-9]{2}"); }, "a1b2",
                 "ab12cd", "Must match predicate"},
        RuleCase{"block",
                 [] {
                     return BlockRule::ruleWithBlock(
                         [](const std::string& p) { return p.find("fern") == std::string::npos; });
                 },
                 "myfern", "vault", "Must satisfy precondition"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PasswordRuleEdges, BadExpressionRefusesAllAndMissingBlockNothing) {
    const auto badExpression = RegularExpressionRule::ruleWithRegularExpression("(");
    EXPECT_TRUE(badExpression->evaluateWithString("anything"));
    EXPECT_TRUE(badExpression->evaluateWithString(""));
    const auto noBlock = BlockRule::ruleWithBlock(nullptr);
    EXPECT_FALSE(noBlock->evaluateWithString("anything"));
    EXPECT_FALSE(noBlock->evaluateWithString(""));
}

TEST(PasswordValidatorRules, ReportsEveryBrokenRuleInOrder) {
    const auto lower = RequiredCharacterRule::lowercaseCharacterRequiredRule();
    const auto digit = RequiredCharacterRule::decimalDigitCharacterRequiredRule();
    const auto upper = RequiredCharacterRule::uppercaseCharacterRequiredRule();
    const auto validator = PasswordValidator::validatorWithRules({upper, lower, nullptr, digit});
    std::vector<PasswordRulePtr> failing{lower};
    EXPECT_FALSE(validator->validatePassword("!!", &failing));
    EXPECT_EQ(failing, (std::vector<PasswordRulePtr>{upper, lower, digit}));
    EXPECT_TRUE(PasswordValidator::validatorWithRules({})->validatePassword(""));
}

TEST(DictionaryWord, TrimsNonLowercaseAtBothEndsOnly) {
    const auto rule = DictionaryWordRule::rule(
        std::make_shared<PasswordWordList>(std::vector<std::string>{"Fern", "vault"}));
    EXPECT_TRUE(rule->evaluateWithString("FERN"));
    EXPECT_TRUE(rule->evaluateWithString("12!fern?#"));
    EXPECT_TRUE(rule->evaluateWithString(" Vault\xf0\x9f\x98\x80"));
    EXPECT_FALSE(rule->evaluateWithString("fe rn"));
    EXPECT_FALSE(rule->evaluateWithString("ferns"));
    EXPECT_FALSE(rule->evaluateWithString("1234"));
    EXPECT_FALSE(rule->evaluateWithString(""));
}

TEST(DictionaryWord, EnglishListIsShipped) {
    const auto words = PasswordWordList::englishWordList();
    EXPECT_GT(words->count(), 300u);
    for (const char* word : {"password", "sunshine", "dragon", "monkey"})
        EXPECT_TRUE(words->hasDefinitionForTerm(word));
    EXPECT_FALSE(words->hasDefinitionForTerm("xq7vault"));
}

TEST(DictionaryWord, FileListSkipsOverlongLines) {
    const auto path = std::filesystem::temp_directory_path() / ("fv-words-" + std::to_string(::getpid()));
    std::ofstream(path) << "Alpha\r\n" << std::string(200, 'b') << "\n\n  gamma  \ndelta";
    const auto words = PasswordWordList::wordListWithContentsOfFile(path.string());
    std::filesystem::remove(path);
    EXPECT_EQ(words->count(), 3u);
    EXPECT_TRUE(words->hasDefinitionForTerm("alpha"));
    EXPECT_TRUE(words->hasDefinitionForTerm("gamma"));
    EXPECT_TRUE(words->hasDefinitionForTerm("delta"));
    EXPECT_EQ(PasswordWordList::wordListWithContentsOfFile("/nonexistent/words.txt")->count(), 0u);
}

}  // namespace
}  // namespace fv
