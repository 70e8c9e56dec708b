#include "platform/foundation/KeyedArchiver.h"

#include <gtest/gtest.h>

#include "platform/foundation/PropertyList.h"

namespace fv {
namespace {

Value::Bytes bytes(const std::string& s) {
    return Value::Bytes(s.begin(), s.end());
}

std::string envelope(const std::string& root) {
    return "<plist version=\"1.0\"><dict><key>$archiver</key><string>FVKeyedArchiver</string>"
           "<key>$version</key><integer>1</integer><key>$top</key><dict><key>root</key>" +
           root + "</dict></dict></plist>";
}

Value nested(std::size_t depth) {
    Value v(Value::Array{});
    for (std::size_t i = 1; i < depth; ++i) v = Value(Value::Array{v});
    return v;
}

TEST(KeyedArchiverTest, CardSettingsRoundTripWithBooleansKept) {
    Value setting(Value::Dictionary{{"is_Enable_International", true},
                                    {"International", false},
                                    {"Block_TransactionGreaterThan", "250"},
                                    {"limit", 3},
                                    {"ratio", 1.0}});
    Value card(Value::Dictionary{{"Card Number", "4111111111111111"}, {"Setting", setting}});
    Value root(Value::Array{card, card, Value::Bytes{9, 8}, Date{12.5}, Value(), Value::Array{}});
    root.mutableArray()[1].set("$class", "NSURL");  // a user key that looks like a marker is just data

    auto back = NSKeyedUnarchiver::unarchiveObjectWithData(NSKeyedArchiver::archivedDataWithRootObject(root));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, root);
    EXPECT_TRUE((*back)[0]["Setting"]["International"].isBool());
    EXPECT_TRUE((*back)[0]["Setting"]["ratio"].isReal());
    EXPECT_EQ((*back)[1]["$class"], Value("NSURL"));
}

TEST(KeyedArchiverTest, ScalarAndNullRoots) {
    for (const Value& v : {Value(), Value("x"), Value(0), Value(false)}) {
        auto back =
            NSKeyedUnarchiver::unarchiveObjectWithData(NSKeyedArchiver::archivedDataWithRootObject(v));
        ASSERT_TRUE(back);
        EXPECT_EQ(*back, v);
    }
}

TEST(KeyedArchiverTest, DepthIsBoundedOnBothSides) {
    EXPECT_TRUE(NSKeyedUnarchiver::unarchiveObjectWithData(
        NSKeyedArchiver::archivedDataWithRootObject(nested(NSKeyedArchiver::kMaxDepth))));
    EXPECT_TRUE(NSKeyedArchiver::archivedDataWithRootObject(nested(NSKeyedArchiver::kMaxDepth + 1)).empty());

    // A hand-made archive nested past the limit.
    std::string deep = "<string>x</string>";
    for (std::size_t i = 0; i <= NSKeyedArchiver::kMaxDepth; ++i)
        deep = "<dict><key>$class</key><string>NSArray</string><key>NS.objects</key><array>" + deep +
               "</array></dict>";
    EXPECT_FALSE(NSKeyedUnarchiver::unarchiveObjectWithData(bytes(envelope(deep))));
}

class RejectedArchiveTest : public ::testing::TestWithParam<std::string> {};

TEST_P(RejectedArchiveTest, GivesNone) {
    EXPECT_FALSE(NSKeyedUnarchiver::unarchiveObjectWithData(bytes(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RejectedArchiveTest,
    ::testing::Values(
        "", "garbage", "<plist version=\"1.0\"><array/></plist>",
        envelope(
            "<dict><key>$class</key><string>NSURL</string><key>NS.string</key><string>x</string></dict>"),
        envelope("<dict><key>$class</key><string>EvilPayload</string></dict>"),
        envelope("<dict><key>plain</key><string>dict</string></dict>"),  // containers must be marked
        envelope("<array><string>a</string></array>"),
        envelope("<dict><key>$class</key><string>NSArray</string></dict>"),
        envelope("<dict><key>$class</key><string>NSDictionary</string><key>NS.keys</key><array>"
                 "<string>a</string></array><key>NS.objects</key><array/></dict>"),
        envelope("<dict><key>$class</key><string>NSDictionary</string><key>NS.keys</key><array>"
                 "<integer>1</integer></array><key>NS.objects</key><array><true/></array></dict>"),
        envelope("<dict><key>$class</key><string>NSNull</string><key>extra</key><true/></dict>"),
        envelope("<string>x</string>").replace(envelope("").find("FVKeyedArchiver"), 15, "NSKeyedArchiver"),
        envelope("<string>x</string>").replace(envelope("").find("<integer>1<"), 11, "<integer>2<")));

TEST(KeyedArchiverTest, TruncatedArchivesGiveNone) {
    const Value::Bytes good = NSKeyedArchiver::archivedDataWithRootObject(
        Value(Value::Array{Value::Dictionary{{"a", true}}, "text", 5}));
    for (std::size_t n = 0; n < good.size(); n += 7)
        EXPECT_FALSE(NSKeyedUnarchiver::unarchiveObjectWithData(Value::Bytes(good.begin(), good.begin() + n)))
            << n;
}

}  // namespace
}  // namespace fv
