#include "platform/foundation/PropertyList.h"

#include <gtest/gtest.h>

#include <cmath>

#include <filesystem>

#include "tests/support/DataTestDir.h"

namespace fv {
namespace {

std::string plist(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">" + body + "</plist>";
}

Value sampleTree() {
    Value v;
    v.set("name", "Ana & <Bo>\r\n\t\"quoted\"  ");
    v.set("blank", "   ");
    v.set("empty", "");
    v.set("unicode", "Grüße \xF0\x9F\x92\xB3");
    v.set("count", static_cast<long long>(INT64_MIN));
    v.set("max", static_cast<long long>(INT64_MAX));
    v.set("ratio", 0.1);
    v.set("whole real", 3.0);
    v.set("yes", true);
    v.set("no", false);
    v.set("bytes", Value::Bytes{0, 1, 2, 0xFF, 0xFE});
    v.set("one byte", Value::Bytes{0x41});
    v.set("no bytes", Value::Bytes{});
    v.set("when", Date{1700000000.25});
    v.set("before 1970", Date{-86400.0 * 365});
    v.set("list", Value::Array{1, "two", Value::Array{}, Value::Dictionary{}});
    v.set("nested", Value::Dictionary{{"deep", Value::Dictionary{{"k", "v"}}}});
    return v;
}

TEST(PropertyListTest, EveryTypeRoundTrips) {
    const Value tree = sampleTree();
    const std::string xml = PropertyList::toXML(tree);
    ASSERT_FALSE(xml.empty());
    auto back = PropertyList::readData(xml);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, tree);
    EXPECT_TRUE((*back)["yes"].isBool());
    EXPECT_TRUE((*back)["whole real"].isReal());
}

TEST(PropertyListTest, ReadsTheCommonXmlForms) {
    auto v = PropertyList::readData(plist(R"(
        <!-- a comment -->
        <dict>
            <key>i</key><integer> -0x1F </integer>
            <key>r</key><real>1e3</real>
            <key>inf</key><real>-infinity</real>
            <key>s</key><string><![CDATA[<raw>]]></string>
            <key>e</key><string/>
            <key>d</key><data>
                AAEC
                /w==
            </data>
            <key>t</key><date>2024-02-29T23:59:59Z</date>
            <key>b</key><true/>
            <key>dup</key><integer>1</integer>
            <key>dup</key><integer>2</integer>
        </dict>)"));
    ASSERT_TRUE(v);
    EXPECT_EQ((*v)["i"], Value(-31));
    EXPECT_EQ((*v)["r"], Value(1000.0));
    EXPECT_EQ((*v)["inf"].asReal(), -std::numeric_limits<double>::infinity());
    EXPECT_EQ((*v)["s"], Value("<raw>"));
    EXPECT_EQ((*v)["e"], Value(""));
    EXPECT_EQ((*v)["d"], Value(Value::Bytes{0, 1, 2, 0xFF}));
    EXPECT_EQ((*v)["t"].asDate()->secondsSince1970, 1709251199.0);
    EXPECT_EQ((*v)["b"], Value(true));
    EXPECT_EQ((*v)["dup"], Value(2));
}

class MalformedPropertyListTest : public ::testing::TestWithParam<std::string> {};

TEST_P(MalformedPropertyListTest, GivesNone) {
    EXPECT_FALSE(PropertyList::readData(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, MalformedPropertyListTest,
    ::testing::Values("", "not xml", plist(""), "<plist version=\"1.0\"><dict><key>a</key>",
                      plist("<dict><key>a</key><string>x</string>"),  // truncated
                      plist("<array><string>a</string></dict></array>"),
                      plist("<dict><string>x</string><string>y</string></dict>"),  // value without key
                      plist("<dict><key>a</key></dict>"),                          // key without value
                      plist("<integer>12abc</integer>"), plist("<integer></integer>"),
                      plist("<integer>99999999999999999999</integer>"), plist("<integer>--1</integer>"),
                      plist("<real>1.2.3</real>"), plist("<real>+-1</real>"), plist("<data>AB$C</data>"),
                      plist("<data>A===</data>"), plist("<data>AA=A</data>"), plist("<data>A</data>"),
                      plist("<date>2023-02-29T00:00:00Z</date>"), plist("<date>2024-01-01</date>"),
                      plist("<date>2024-13-01T00:00:00Z</date>"), plist("<unknown/>"),
                      plist("<string>a<b/></string>"), plist("<true>x</true>"),
                      plist("<string>a</string><string>b</string>"), plist("text<string>a</string>"),
                      plist("<array>stray text<string>a</string></array>")));

TEST(PropertyListTest, DeepNestingIsRefusedNotACrash) {
    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += "<array>";
    for (int i = 0; i < 100000; ++i) deep += "</array>";
    EXPECT_FALSE(PropertyList::readData(plist(deep)));
}

TEST(PropertyListTest, UnwritableValuesGiveNoText) {
    EXPECT_EQ(PropertyList::toXML(Value()), "");
    EXPECT_EQ(PropertyList::toXML(Value(Value::Array{Value(), 1})), "");
    EXPECT_EQ(PropertyList::toXML(Value(std::string("a\0b", 3))), "");
    EXPECT_EQ(PropertyList::toXML(Value(Date{std::nan("")})), "");
    EXPECT_EQ(PropertyList::toXML(Value(Date{1e15})), "");
}

TEST(PropertyListTest, RootTypeHelpersAndFiles) {
    testing::DataTestDir dir;
    const std::string arrayFile = dir.write("a.plist", plist("<array><string>x</string></array>"));
    const std::string dictFile = dir.write("d.plist", plist("<dict/>"));
    EXPECT_TRUE(PropertyList::readArray(arrayFile));
    EXPECT_FALSE(PropertyList::readDictionary(arrayFile));
    EXPECT_TRUE(PropertyList::readDictionary(dictFile));
    EXPECT_FALSE(PropertyList::readArray(dictFile));
    EXPECT_FALSE(PropertyList::readArray(dir / "missing.plist"));
    EXPECT_FALSE(PropertyList::readFile(dir.path()));  // a folder is no file
    EXPECT_FALSE(PropertyList::readArray(dir.write("empty.plist", "")));
}

TEST(PropertyListTest, WriteFileReplacesAtomically) {
    testing::DataTestDir dir;
    const std::string file = dir / "out.plist";
    ASSERT_TRUE(PropertyList::writeFile(file, sampleTree()));
    EXPECT_EQ(PropertyList::readFile(file), sampleTree());
    ASSERT_TRUE(PropertyList::writeFile(file, Value(Value::Array{1})));
    EXPECT_EQ(PropertyList::readFile(file), Value(Value::Array{1}));

    // A failed write leaves the old file whole and no temporary files behind.
    EXPECT_FALSE(PropertyList::writeFile(file, Value(Value::Array{Value()})));
    EXPECT_FALSE(PropertyList::writeFile(dir / "no/such/folder/x.plist", Value(1)));
    EXPECT_EQ(PropertyList::readFile(file), Value(Value::Array{1}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace fv
