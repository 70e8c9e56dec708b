#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "core/FrameworkResources.h"
#include "platform/foundation/Log.h"
#include "tests/support/TemporaryBundle.h"

namespace fv {
namespace {

struct ListCase {
    const char* name;
    bool dictionary;
    BundledListLimits limits;
};

class BundledListTest : public ::testing::TestWithParam<ListCase> {
  protected:
    // "<name>.plist" holding `entries` members, each a short text, padded with a comment up to
    // `bytes` when that is larger.
    void write(std::size_t entries, std::size_t bytes = 0) {
        const bool dictionary = GetParam().dictionary;
        std::string body;
        for (std::size_t i = 0; i < entries; ++i) {
            if (dictionary) body += "<key>k" + std::to_string(i) + "</key>";
            body += "<string>a</string>";
        }
        std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">" +
                           std::string(dictionary ? "<dict>" : "<array>") + body +
                           (dictionary ? "</dict>" : "</array>") + "</plist>\n";
        if (text.size() < bytes) text += "<!--" + std::string(bytes - text.size() - 7, ' ') + "-->";
        std::ofstream(bundle.path() / (std::string(GetParam().name) + ".plist")) << text;
    }
    std::optional<Value> read() const {
        return GetParam().dictionary ? readFrameworkDictionary(GetParam().name, GetParam().limits)
                                     : readFrameworkArray(GetParam().name, GetParam().limits);
    }
    static std::size_t count(const Value& v) {
        return v.asArray() ? v.asArray()->size() : v.asDictionary()->size();
    }

    test::TemporaryBundle bundle;
    LogCapture console;
};

TEST_P(BundledListTest, AListWithinItsLimitsIsReadWhole) {
    const auto& limits = GetParam().limits;
    write(limits.maxEntries, limits.maxBytes - 1);
    const auto list = read();
    ASSERT_TRUE(list);
    EXPECT_EQ(count(*list), limits.maxEntries);
    EXPECT_TRUE(console.lines().empty());
}

TEST_P(BundledListTest, AnOversizedFileIsRefusedUnreadWithOneLine) {
    write(3, GetParam().limits.maxBytes + 1);
    EXPECT_FALSE(read());
    ASSERT_EQ(console.lines().size(), 1u);
    EXPECT_NE(console.lines()[0].find(std::string(GetParam().name) + ".plist: "), std::string::npos);
    EXPECT_NE(console.lines()[0].find("not read"), std::string::npos);
}

TEST_P(BundledListTest, TooManyEntriesAreRefusedWithOneLine) {
    write(GetParam().limits.maxEntries + 1);
    EXPECT_FALSE(read());
    ASSERT_EQ(console.lines().size(), 1u);
    EXPECT_NE(console.lines()[0].find("entries a bundled list may have; it is not read"), std::string::npos);
}

TEST_P(BundledListTest, AMissingOrMalformedFileIsNoneWithoutALine) {
    EXPECT_FALSE(read());
    std::ofstream(bundle.path() / (std::string(GetParam().name) + ".plist")) << "<plist><array>";
    EXPECT_FALSE(read());
    EXPECT_TRUE(console.lines().empty());
}

INSTANTIATE_TEST_SUITE_P(Readers, BundledListTest,
                         ::testing::Values(ListCase{"directDeposit", true, kSettingsListLimits},
                                           ListCase{"accountTypes", false, kSettingsListLimits},
                                           ListCase{"recipients", false, kRecordListLimits},
                                           ListCase{"locations", false, {16u << 20, 250'000}}),
                         [](const auto& info) { return std::string(info.param.name); });

// Entries are counted at every depth: a short list of huge records is as costly as a long one.
TEST(BundledList, NestedEntriesCountToo) {
    test::TemporaryBundle bundle;
    std::string record = "<dict>";
    for (int i = 0; i < 20; ++i) record += "<key>k" + std::to_string(i) + "</key><string>v</string>";
    record += "</dict>";
    std::string text = "<plist version=\"1.0\"><array>";
    for (int i = 0; i < 10; ++i) text += record;
    std::ofstream(bundle.path() / "cards.plist") << text + "</array></plist>";
    LogCapture console;
    EXPECT_FALSE(readFrameworkArray("cards", {1u << 20, 200}));
    EXPECT_EQ(console.lines().size(), 1u);
    const auto list = readFrameworkArray("cards", {1u << 20, 210});
    ASSERT_TRUE(list);
    EXPECT_EQ(list->asArray()->size(), 10u);
}

}  // namespace
}  // namespace fv
