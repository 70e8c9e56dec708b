#include <gtest/gtest.h>

#include <memory>

#include "platform/foundation/Log.h"
#include "platform/foundation/Predicate.h"
#include "platform/foundation/Regex.h"

namespace fv {
namespace {

TEST(RegexTest, WholeMatchDiffersFromSearch) {
    const char* email = "[A-Z0-9a-z._%+-]+@[A-Za-z0-9.-]+\\.[A-Za-z]{2,}";
    EXPECT_TRUE(regex::matchesWhole(email, "ann@example.org"));
    EXPECT_FALSE(regex::matchesWhole(email, "mail ann@example.org now"));
    EXPECT_EQ(regex::firstMatch(email, "mail ann@example.org now"), NSMakeRange(5, 15));
    EXPECT_FALSE(regex::matchesWhole("^\\$?[0-9]+(\\.[0-9]{2})?$", "12.5"));
    EXPECT_TRUE(regex::matchesWhole("usd [0-9]+", "USD 12", true));
    EXPECT_FALSE(regex::matchesWhole("usd [0-9]+", "USD 12"));
}

TEST(RegexTest, SearchAndCountWorkInUtf16Units) {
    EXPECT_EQ(regex::firstMatch("[0-9]+", "\U0001F600\u00e9 42"), NSMakeRange(4, 2));
    EXPECT_EQ(regex::countMatches("[A-Z]", "aBcDÉ"), 2u);
    EXPECT_EQ(regex::countMatches("\\p{Lu}", "aBcDÉ"), 3u);
    EXPECT_EQ(regex::countMatches("x*", "ab"), 3u);  // empty matches end
    EXPECT_EQ(regex::firstMatch("q", "abc"), std::nullopt);
}

TEST(RegexTest, InvalidPatternNeverMatchesAndLogs) {
    LogCapture capture;
    EXPECT_FALSE(regex::matchesWhole("([a-z", "a"));
    EXPECT_EQ(regex::countMatches("([a-z", "a"), 0u);
    EXPECT_EQ(regex::firstMatch("([a-z", "a"), std::nullopt);
    EXPECT_TRUE(capture.contains("([a-z"));
}

struct Card : KeyValueCoding {
    std::string name;
    int limit = 0;
    explicit Card(std::string n, int l = 0) : name(std::move(n)), limit(l) {}
    Value valueForKey(const std::string& key) const override {
        if (key == "name") return name;
        if (key == "limit") return limit;
        return {};
    }
};

Value person(const std::string& name, const std::string& city) {
    Value v;
    v.set("name", name);
    v.mutableDictionary()["address"].set("city", city);
    return v;
}

struct ContainsCase {
    std::string haystack, needle;
    bool matches;
};

class ContainsCDTest : public ::testing::TestWithParam<ContainsCase> {};

TEST_P(ContainsCDTest, FoldsCaseAndDiacritics) {
    const auto& c = GetParam();
    EXPECT_EQ(NSPredicate::containsCD("name", c.needle)(person(c.haystack, "")), c.matches);
}

INSTANTIATE_TEST_SUITE_P(Cases, ContainsCDTest,
                         ::testing::Values(ContainsCase{"José Müller", "jose", true},
                                           ContainsCase{"Jose Muller", "MÜL", true},
                                           ContainsCase{"Jose\u0301", "josé", true},  // combining mark
                                           ContainsCase{"Straße", "STRASSE", true},   // full fold
                                           ContainsCase{"Bank of 100% \"quotes\"", "100% \"q", true},
                                           ContainsCase{"Bank", "banks", false},
                                           ContainsCase{"Bank", "", false}, ContainsCase{"", "", false}));

TEST(PredicateTest, MissingOrNonTextPropertyNeverMatches) {
    Value noName;
    noName.set("other", "jose");
    EXPECT_FALSE(NSPredicate::containsCD("name", "jose")(noName));
    Value number;
    number.set("name", 42);
    EXPECT_FALSE(NSPredicate::containsCD("name", "4")(number));
    EXPECT_FALSE(NSPredicate::containsCD("name", "a")(Value("name")));
}

TEST(PredicateTest, KeyPathsSelfAndObjects) {
    Value p = person("Ann", "Zürich");
    EXPECT_TRUE(NSPredicate::containsCD("address.city", "zur")(p));
    EXPECT_FALSE(NSPredicate::containsCD("address.city.x", "zur")(p));
    EXPECT_TRUE(NSPredicate::containsCD("SELF", "ÉT")(Value("Rue de l'été")));
    Card card("Platinum", 5);
    EXPECT_TRUE(NSPredicate::containsCD("name", "plat")(card));
    EXPECT_TRUE(NSPredicate::containsCD("SELF.name", "plat")(card));
    EXPECT_TRUE(NSPredicate::equals("limit", 5.0)(card));
    EXPECT_FALSE(NSPredicate::matches("Plat.*")(card));  // SELF of an object is not a text
}

TEST(PredicateTest, EqualsIsExactForTextAndNumericForNumbers) {
    Value v = person("Ann", "Bern");
    EXPECT_TRUE(NSPredicate::equals("name", "Ann")(v));
    EXPECT_FALSE(NSPredicate::equals("name", "ann")(v));
    EXPECT_FALSE(NSPredicate::equals("name", "Ann ")(v));
    EXPECT_FALSE(NSPredicate::equals("name", "A\u0301nn")(v));
    v.set("n", 2);
    EXPECT_TRUE(NSPredicate::equals("n", 2.0)(v));
    EXPECT_FALSE(NSPredicate::equals("n", "2")(v));
    EXPECT_TRUE(NSPredicate::equals("missing", Value())(v));
}

TEST(PredicateTest, CompoundsAndFilterKeepOrder) {
    std::vector<std::shared_ptr<Card>> cards{std::make_shared<Card>("Gold", 1), nullptr,
                                             std::make_shared<Card>("Silver", 2),
                                             std::make_shared<Card>("Golden", 3)};
    auto gold = NSPredicate::containsCD("name", "gold");
    auto big = NSPredicate::block(
        [](const PredicateSubject& s) { return s.valueForKeyPath("limit").integerValue() >= 2; });
    auto both = filter(cards, NSPredicate::andPredicate({gold, big}));
    ASSERT_EQ(both.size(), 1u);
    EXPECT_EQ(both[0]->name, "Golden");
    EXPECT_EQ(filter(cards, NSPredicate::orPredicate({gold, big})).size(), 3u);
    EXPECT_EQ(filter(cards, NSPredicate::orPredicate({})).size(), 0u);
    EXPECT_EQ(filter(cards, NSPredicate::andPredicate({})).size(), 3u);

    Value::Array words{"alpha", "Beta", 3, "gamma"};
    auto lower = filter(words, NSPredicate::matches("[a-z]+"));
    EXPECT_EQ(lower, (Value::Array{"alpha", "gamma"}));
}

}  // namespace
}  // namespace fv
