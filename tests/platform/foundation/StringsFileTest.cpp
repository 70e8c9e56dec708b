#include "platform/foundation/StringsFile.h"

#include <gtest/gtest.h>

namespace fv {
namespace {

std::string utf16(const std::u16string& text, bool bigEndian, bool bom) {
    std::string out;
    auto put = [&](char16_t u) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    };
    if (bom) put(0xFEFF);
    for (char16_t u : text) put(u);
    return out;
}

TEST(StringsFileTest, ParsesCommentsEscapesAndBareWords) {
    auto table = StringsFile::parse(R"(
        /* Title of the
           "Done" button */
        "Done" = "Fertig";   // trailing comment
        "multi" = "a\nb\tc\"d\\e\'f";
        "unicode" = "\U00e9\u20AC \UD83D\UDCB3";
        "octal" = "\101";
        "raw
line" = "kept";
        bare_key = bare.value-1;
        "Done" = "Erledigt";
        "" = "empty key";
    )");
    ASSERT_TRUE(table);
    EXPECT_EQ(table->at("Done"), "Erledigt");  // the last entry wins
    EXPECT_EQ(table->at("multi"), "a\nb\tc\"d\\e'f");
    EXPECT_EQ(table->at("unicode"), "\xC3\xA9\xE2\x82\xAC \xF0\x9F\x92\xB3");
    EXPECT_EQ(table->at("octal"), "A");
    EXPECT_EQ(table->at("raw\nline"), "kept");
    EXPECT_EQ(table->at("bare_key"), "bare.value-1");
    EXPECT_EQ(table->at(""), "empty key");
    EXPECT_EQ(table->size(), 7u);
}

TEST(StringsFileTest, ReadsUtf16AndUtf8WithBom) {
    const std::u16string text = u"\"Pay\" = \"Zahlen \u20AC\";";
    for (bool bigEndian : {false, true}) {
        for (bool bom : {false, true}) {
            auto table = StringsFile::parse(utf16(text, bigEndian, bom));
            ASSERT_TRUE(table) << bigEndian << bom;
            EXPECT_EQ(table->at("Pay"), "Zahlen \xE2\x82\xAC");
        }
    }
    auto table = StringsFile::parse("\xEF\xBB\xBF\"a\" = \"b\";");
    ASSERT_TRUE(table);
    EXPECT_EQ(table->at("a"), "b");
    EXPECT_TRUE(StringsFile::parse(""));
    EXPECT_TRUE(StringsFile::parse("// only a comment"));
}

class MalformedStringsTest : public ::testing::TestWithParam<std::string> {};

TEST_P(MalformedStringsTest, GivesNone) {
    EXPECT_FALSE(StringsFile::parse(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Inputs, MalformedStringsTest,
                         ::testing::Values("\"a\" = \"b\"", "\"a\" \"b\";", "\"a\" = \"b", "\"a\" = ;",
                                           "\"a\" = \"b\"; /* unterminated", "= \"b\";", "\"a\" = \"\\U12\";",
                                           "\"a\" = \"\\UDC00\";", "\"a\" = \"\\UD83D\";",
                                           "\"a\" = \"\\U0000\";", "\"a\" = \"\\0\";", "\"a\" = \"\xC3\";",
                                           "\"a\" = \"b\"; garbage", utf16(u"\"a\"", false, true) + "x",
                                           std::string("\xFF\xFE\x00\xDC", 4)));

}  // namespace
}  // namespace fv
