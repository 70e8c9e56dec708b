#include "platform/foundation/FileContents.h"

#include <gtest/gtest.h>

#include "DataTestDir.h"

namespace fv {
namespace {

TEST(FileContents, ReadsWholeFilesUpToTheLimitAndRefusesMore) {
    testing::DataTestDir dir;
    const std::string exact = dir.write("exact.bin", std::string(100000, 'x'));
    auto bytes = readFileContents(exact, 100000);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), 100000u);
    EXPECT_FALSE(readFileContents(exact, 99999));

    auto empty = readFileContents(dir.write("empty.bin", ""), 10);
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->empty());

    EXPECT_FALSE(readFileContents(dir / "missing.bin", 10));
    EXPECT_FALSE(readFileContents(dir.path(), 10));  // a folder has no contents to read
    // A device without end is refused at the limit instead of being read forever.
    EXPECT_FALSE(readFileContents("/dev/zero", 1 << 20));
}

}  // namespace
}  // namespace fv
