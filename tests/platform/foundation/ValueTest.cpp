#include "platform/foundation/Value.h"

#include <gtest/gtest.h>

#include <cmath>

namespace fv {
namespace {

TEST(ValueTest, TypedReadsOfTheWrongTypeGiveNone) {
    const Value values[] = {Value(),
                            Value(true),
                            Value(7),
                            Value(2.5),
                            Value("x"),
                            Value(Value::Bytes{1}),
                            Value(Date{3}),
                            Value(Value::Array{1}),
                            Value(Value::Dictionary{{"a", 1}})};
    for (const Value& v : values) {
        SCOPED_TRACE(v.description());
        EXPECT_EQ(v.asBool().has_value(), v.isBool());
        EXPECT_EQ(v.asInteger().has_value(), v.isInteger());
        EXPECT_EQ(v.asReal().has_value(), v.isNumber());
        EXPECT_EQ(v.asString().has_value(), v.isString());
        EXPECT_EQ(v.asData() != nullptr, v.isData());
        EXPECT_EQ(v.asDate().has_value(), v.isDate());
        EXPECT_EQ(v.asArray() != nullptr, v.isArray());
        EXPECT_EQ(v.asDictionary() != nullptr, v.isDictionary());
        EXPECT_TRUE(v["missing"].isNull());
        EXPECT_TRUE(v[std::size_t{99}].isNull());
    }
}

TEST(ValueTest, BooleansAreNotNumbers) {
    EXPECT_FALSE(Value(true).isNumber());
    EXPECT_FALSE(Value(true).asInteger());
    EXPECT_NE(Value(true), Value(1));
    EXPECT_NE(Value(0), Value(false));
    EXPECT_NE(Value(1), Value(1.0));  // integers and reals stay distinct types
    EXPECT_EQ(Value(true).integerValue(), 1);
}

TEST(ValueTest, LenientReads) {
    EXPECT_TRUE(Value("YES").boolValue());
    EXPECT_TRUE(Value("true").boolValue());
    EXPECT_TRUE(Value("1").boolValue());
    EXPECT_TRUE(Value(2).boolValue());
    EXPECT_FALSE(Value("NO").boolValue(true));
    EXPECT_TRUE(Value("maybe").boolValue(true));
    EXPECT_FALSE(Value().boolValue());
    EXPECT_EQ(Value("42").integerValue(), 42);
    EXPECT_EQ(Value("42x").integerValue(-1), -1);
    EXPECT_EQ(Value("").integerValue(-1), -1);
    EXPECT_EQ(Value(1e300).integerValue(-1), -1);  // out of range, never UB
    EXPECT_EQ(Value(std::nan("")).integerValue(-1), -1);
    EXPECT_DOUBLE_EQ(Value("2.5").doubleValue(), 2.5);
    EXPECT_EQ(Value(Value::Array{}).stringValue("fb"), "fb");
}

TEST(ValueTest, CopiesAreIndependent) {
    Value original(Value::Dictionary{{"list", Value(Value::Array{1, 2})}});
    Value copy = original;
    copy.set("name", "x");
    Value inner = copy["list"];
    inner.append(3);
    copy.set("list", inner);
    EXPECT_FALSE(original.contains("name"));
    EXPECT_EQ(original["list"].size(), 2u);
    EXPECT_EQ(copy["list"].size(), 3u);
    EXPECT_EQ(inner.size(), 3u);
}

TEST(ValueTest, MutationAndKeys) {
    Value v;
    v.set(" key ", 1);
    EXPECT_TRUE(v.isDictionary());
    EXPECT_TRUE(v[" key "].isInteger());
    EXPECT_TRUE(v["key"].isNull());  // blanks are part of the key
    v.set(" key ", nullptr);
    EXPECT_EQ(v.size(), 0u);
    EXPECT_FALSE(v.remove("absent"));
    Value scalar(5);
    scalar.append("a");
    EXPECT_TRUE(scalar.isArray());
    EXPECT_EQ(scalar.size(), 1u);
}

TEST(ValueTest, Descriptions) {
    EXPECT_EQ(Value("text").description(), "text");
    EXPECT_EQ(Value(-12).description(), "-12");
    EXPECT_EQ(Value(0.1).description(), "0.1");
    EXPECT_EQ(Value(true).description(), "1");
    EXPECT_EQ(Value(false).description(), "0");
    EXPECT_EQ(Value().description(), "<null>");
    EXPECT_EQ(Value(Value::Array{1, "a"}).description(), "(1, a)");
    EXPECT_EQ(Value(Value::Dictionary{{"a", 1}, {"b", 2}}).description(), "{a = 1; b = 2}");
}

}  // namespace
}  // namespace fv
