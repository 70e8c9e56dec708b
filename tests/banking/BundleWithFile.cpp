#include "tests/banking/BundleWithFile.h"

#include <unistd.h>

#include <cstdlib>

#include "platform/foundation/PropertyList.h"

namespace fv::test {

namespace fs = std::filesystem;

BundleWithFile::BundleWithFile(const std::string& fileName, const std::optional<Value>& contents) {
    static int count = 0;
    dir_ = fs::temp_directory_path() /
           ("fv_banking_" + std::to_string(::getpid()) + "_" + std::to_string(count++));
    fs::create_directories(dir_);
    if (const char* old = std::getenv("FERNVAULT_BUNDLE_PATH")) saved_ = old;
    // The bundle in force (the source tree's resources under ctest) supplies every other file.
    for (const auto& entry : fs::directory_iterator(saved_.value_or("resources"))) {
        if (entry.path().filename() != fileName)
            fs::create_symlink(entry.path(), dir_ / entry.path().filename());
    }
    if (contents) PropertyList::writeFile((dir_ / fileName).string(), *contents);
    ::setenv("FERNVAULT_BUNDLE_PATH", dir_.c_str(), 1);
}

BundleWithFile::~BundleWithFile() {
    if (saved_)
        ::setenv("FERNVAULT_BUNDLE_PATH", saved_->c_str(), 1);
    else
        ::unsetenv("FERNVAULT_BUNDLE_PATH");
    std::error_code ec;
    fs::remove_all(dir_, ec);
}

}  // namespace fv::test
