// Every reader of outside input that builds a tree refuses nesting past a few hundred levels, so a
// hostile file cannot exhaust the stack, on the main thread or on a worker thread's smaller one.
#include <gtest/gtest.h>

#include <functional>
#include <future>
#include <optional>
#include <string>

#include "platform/foundation/JSON.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/PropertyList.h"

namespace fv {
namespace {

struct Reader {
    std::string name;
    std::size_t maxDepth;
    std::function<std::string(std::size_t depth)> nested;
    std::function<bool(const std::string&)> accepts;
};

std::string repeat(const std::string& s, std::size_t n) {
    std::string out;
    out.reserve(s.size() * n);
    for (std::size_t i = 0; i < n; ++i) out += s;
    return out;
}

std::string archive(const std::string& root) {
    return "<plist version=\"1.0\"><dict><key>$archiver</key><string>FVKeyedArchiver</string>"
           "<key>$version</key><integer>1</integer><key>$top</key><dict><key>root</key>" +
           root + "</dict></dict></plist>";
}

const Reader kReaders[] = {
    {"JSON", JSON::kMaxDepth,
     [](std::size_t d) { return repeat("{\"a\":[", d / 2) + (d % 2 ? "[]" : "1") + repeat("]}", d / 2); },
     [](const std::string& text) { return JSON::parse(text).has_value(); }},
    {"PropertyList", PropertyList::kMaxDepth,
     [](std::size_t d) { return "<plist>" + repeat("<array>", d) + repeat("</array>", d) + "</plist>"; },
     [](const std::string& text) { return PropertyList::readData(text).has_value(); }},
    {"KeyedArchive", NSKeyedArchiver::kMaxDepth,
     [](std::size_t d) {
         return archive(
             repeat("<dict><key>$class</key><string>NSArray</string><key>NS.objects</key><array>", d) +
             repeat("</array></dict>", d));
     },
     [](const std::string& text) {
         return NSKeyedUnarchiver::unarchiveObjectWithData(Value::Bytes(text.begin(), text.end()))
             .has_value();
     }},
};

class NestingDepthTest : public ::testing::TestWithParam<Reader> {};

TEST_P(NestingDepthTest, AcceptsUpToTheCapAndRefusesBeyond) {
    const Reader& reader = GetParam();
    EXPECT_LE(reader.maxDepth, 512u);
    EXPECT_TRUE(reader.accepts(reader.nested(reader.maxDepth)));
    EXPECT_FALSE(reader.accepts(reader.nested(reader.maxDepth + 1)));
}

TEST_P(NestingDepthTest, HostileDepthIsRefusedOnAWorkerThread) {
    const Reader& reader = GetParam();
    const std::string hostile = reader.nested(5500);
    EXPECT_FALSE(std::async(std::launch::async, [&] { return reader.accepts(hostile); }).get());
    EXPECT_TRUE(
        std::async(std::launch::async, [&] { return reader.accepts(reader.nested(reader.maxDepth)); }).get());
}

INSTANTIATE_TEST_SUITE_P(Readers, NestingDepthTest, ::testing::ValuesIn(kReaders),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace fv
