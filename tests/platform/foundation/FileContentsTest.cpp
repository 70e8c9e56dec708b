#include "platform/foundation/FileContents.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "tests/support/DataTestDir.h"

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
}

// Reading a FIFO with no writer would block forever, a device might never end: only regular files
// are read.
TEST(FileContents, RefusesWhatIsNotARegularFile) {
    testing::DataTestDir dir;
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    EXPECT_FALSE(readFileContents(dir / "fifo", 1 << 20));
    EXPECT_FALSE(isRegularFile(dir / "fifo"));
    EXPECT_FALSE(readFileContents("/dev/zero", 1 << 20));
    EXPECT_FALSE(readFileContents("/dev/null", 1 << 20));
    EXPECT_FALSE(isRegularFile("/dev/null"));

    const std::string file = dir.write("file.txt", "text");
    std::filesystem::create_symlink(file, dir / "link");
    EXPECT_TRUE(isRegularFile(dir / "link"));
    auto bytes = readFileContents(dir / "link", 100);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), 4u);
}

TEST(FileContents, SymbolicLinksResolveToTheirFinalTarget) {
    testing::DataTestDir dir;
    std::filesystem::create_directories(dir / "a");
    std::filesystem::create_symlink("a/second", dir / "first");
    std::filesystem::create_symlink("../target", dir / "a/second");
    EXPECT_EQ(resolveSymbolicLinks(dir / "first"), dir / "a/../target");
    EXPECT_EQ(resolveSymbolicLinks(dir / "plain"), dir / "plain");
    std::filesystem::create_symlink("loop", dir / "loop");
    EXPECT_FALSE(resolveSymbolicLinks(dir / "loop"));
}

}  // namespace
}  // namespace fv
