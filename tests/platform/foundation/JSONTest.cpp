#include "platform/foundation/JSON.h"

#include <gtest/gtest.h>

#include <cmath>

namespace fv {
namespace {

TEST(JSONTest, ParseKeepsTypes) {
    auto v = JSON::parse(R"({"i": 42, "neg": -7, "r": 1.0, "e": 2e3, "t": true, "f": false, "n": null,
                             "s": "caf\u00e9 \ud83d\udcb3", "a": [1, "x", {}], "big": 18446744073709551615})");
    ASSERT_TRUE(v);
    EXPECT_EQ((*v)["i"], Value(42));
    EXPECT_EQ((*v)["neg"], Value(-7));
    EXPECT_TRUE((*v)["r"].isReal());
    EXPECT_EQ((*v)["e"], Value(2000.0));
    EXPECT_EQ((*v)["t"], Value(true));
    EXPECT_EQ((*v)["f"], Value(false));
    EXPECT_TRUE((*v).contains("n"));  // null is kept as a value of its own
    EXPECT_TRUE((*v)["n"].isNull());
    EXPECT_EQ((*v)["s"], Value("caf\xC3\xA9 \xF0\x9F\x92\xB3"));
    EXPECT_EQ((*v)["a"].size(), 3u);
    EXPECT_EQ((*v)["big"], Value("18446744073709551615"));
    EXPECT_EQ(JSON::parse("[]"), Value(Value::Array{}));
    EXPECT_EQ(JSON::parse(" \"top\" "), Value("top"));
}

TEST(JSONTest, RoundTripsCompactAndPretty) {
    Value v(Value::Dictionary{{"name", "Ana \"A\" \n"},
                              {"n", 3},
                              {"r", 0.5},
                              {"ok", true},
                              {"list", Value::Array{Value(), 1.0, Value::Dictionary{}}}});
    for (bool pretty : {false, true}) {
        auto text = JSON::serialize(v, pretty);
        ASSERT_TRUE(text);
        EXPECT_EQ(text->find('\n') != std::string::npos, pretty);
        EXPECT_EQ(JSON::parse(*text), v);
    }
    EXPECT_EQ(JSON::serialize(Value(Value::Dictionary{{"a", 1}, {"b", true}})), R"({"a":1,"b":true})");
}

TEST(JSONTest, SerializeRefusesWhatJsonCannotHold) {
    EXPECT_FALSE(JSON::serialize(Value(Value::Array{Value::Bytes{1}})));
    EXPECT_FALSE(JSON::serialize(Value(Value::Dictionary{{"d", Date{1}}})));
    EXPECT_FALSE(JSON::serialize(Value("bad \xC3(")));
    EXPECT_FALSE(JSON::serialize(Value(Value::Dictionary{{"\xFF", 1}})));
    EXPECT_FALSE(JSON::serialize(Value(std::nan(""))));
    EXPECT_FALSE(JSON::serialize(Value(INFINITY)));
    Value deep(Value::Array{});
    for (std::size_t i = 0; i < JSON::kMaxDepth + 1; ++i) deep = Value(Value::Array{deep});
    EXPECT_FALSE(JSON::serialize(deep));
}

class MalformedJSONTest : public ::testing::TestWithParam<std::string> {};

TEST_P(MalformedJSONTest, GivesNone) {
    EXPECT_FALSE(JSON::parse(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Inputs, MalformedJSONTest,
                         ::testing::Values("", "{", "[1,]", "{\"a\":}", "{'a':1}", "[1 2]", "tru", "NaN",
                                           "1e400", "\"\xC3(\"", "\"\\ud800\"", "{\"a\":1}}", "[1] x",
                                           "// c\n1", std::string("{\"a\":\"x\"}\0more", 14),
                                           std::string("[1,\0 2]", 7), std::string("\0", 1),
                                           std::string(JSON::kMaxDepth + 1, '[') +
                                               std::string(JSON::kMaxDepth + 1, ']')));

// A 19-digit card number sent as a JSON number must keep every digit where it is read as text, and
// must not pass for a number anywhere it would be rounded.
class LongIntegerJSONTest : public ::testing::TestWithParam<std::string> {};

TEST_P(LongIntegerJSONTest, KeepsItsDigitsAndIsNeverRounded) {
    auto v = JSON::parse("{\"cardNumber\": " + GetParam() + "}");
    ASSERT_TRUE(v);
    const Value& number = (*v)["cardNumber"];
    EXPECT_EQ(number.stringValue(), GetParam());
    EXPECT_FALSE(number.asInteger());
    EXPECT_FALSE(number.asReal());
    EXPECT_EQ(number.integerValue(-1), -1);
    EXPECT_EQ(number.doubleValue(-1), -1);
    EXPECT_EQ(JSON::parse(*JSON::serialize(*v)), v);
}

INSTANTIATE_TEST_SUITE_P(Digits, LongIntegerJSONTest,
                         ::testing::Values("9223372036854775808", "9999999999999999999",
                                           "18446744073709551616", "-9223372036854775809",
                                           "123456789012345678901234567890"));

TEST(JSONTest, IntegersWithin64BitsStayNumbers) {
    auto v = JSON::parse(
        "[9223372036854775807, -9223372036854775808, 4111111111111111, 1.5e3, 12345678901234567890.5]");
    ASSERT_TRUE(v);
    EXPECT_EQ((*v)[0], Value(static_cast<long long>(INT64_MAX)));
    EXPECT_EQ((*v)[1], Value(static_cast<long long>(INT64_MIN)));
    EXPECT_EQ((*v)[2].stringValue(), "4111111111111111");
    EXPECT_EQ((*v)[3], Value(1500.0));
    EXPECT_TRUE((*v)[4].isReal());
}

TEST(JSONTest, VeryDeepInputIsRefusedNotACrash) {
    EXPECT_FALSE(JSON::parse(std::string(1000000, '[')));
    EXPECT_TRUE(JSON::parse(std::string(JSON::kMaxDepth, '[') + std::string(JSON::kMaxDepth, ']')));
}

}  // namespace
}  // namespace fv
