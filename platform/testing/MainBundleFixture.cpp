#include "platform/testing/MainBundleFixture.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/PropertyList.h"

namespace fv::test {

namespace fs = std::filesystem;

namespace {

// The strings-file form of a text: quotes, backslashes and line breaks escaped.
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out + "\"";
}

bool writeText(const fs::path& path, const std::string& text) {
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out);
}

}  // namespace

MainBundleFixture::MainBundleFixture() {
    std::string pattern = (fs::temp_directory_path() / "fv-mainbundle-XXXXXX").string();
    if (char* dir = mkdtemp(pattern.data())) root_ = dir;
    write();
}

MainBundleFixture::~MainBundleFixture() {
    NSBundle::setMainBundlePath("");
    std::error_code ec;
    if (!root_.empty()) fs::remove_all(root_, ec);
}

void MainBundleFixture::setInfo(const std::string& key, const Value& value) {
    if (value.isNull()) {
        info_.erase(key);
    } else {
        info_[key] = value;
    }
    write();
}

void MainBundleFixture::setString(const std::string& key, const std::string& text, const std::string& table,
                                  const std::string& language) {
    strings_[{language, table}][key] = text;
    write();
}

void MainBundleFixture::setResource(const std::string& fileName, const std::string& bytes) {
    resources_[fileName] = bytes;
    write();
}

void MainBundleFixture::write() {
    ASSERT_FALSE(root_.empty()) << "no temporary folder for the main bundle";
    fs::path folder = fs::path(root_) / std::to_string(++generation_);
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!current_.empty()) fs::remove_all(current_, ec);
    EXPECT_TRUE(PropertyList::writeFile((folder / "Info.plist").string(), Value(info_)));
    for (const auto& [where, entries] : strings_) {
        std::string text;
        for (const auto& [key, value] : entries) text += quoted(key) + " = " + quoted(value) + ";\n";
        EXPECT_TRUE(writeText(folder / (where.first + ".lproj") / (where.second + ".strings"), text));
    }
    for (const auto& [name, bytes] : resources_) EXPECT_TRUE(writeText(folder / name, bytes));
    current_ = folder.string();
    NSBundle::setMainBundlePath(current_);
}

}  // namespace fv::test
