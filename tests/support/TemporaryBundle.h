#pragma once
// A temporary folder that stands in for the framework bundle while it lives: the test fills it, the
// framework's resource lookups read it, and the previous bundle setting comes back on destruction.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace fv::test {

class TemporaryBundle {
  public:
    TemporaryBundle() {
        dir_ = std::filesystem::temp_directory_path() /
               ("fv-bundle-" + std::to_string(::getpid()) + "-" + std::to_string(count_++));
        std::filesystem::create_directories(dir_);
        if (const char* old = std::getenv("FERNVAULT_BUNDLE_PATH")) previous_ = old;
        ::setenv("FERNVAULT_BUNDLE_PATH", dir_.c_str(), 1);
    }
    ~TemporaryBundle() {
        if (previous_)
            ::setenv("FERNVAULT_BUNDLE_PATH", previous_->c_str(), 1);
        else
            ::unsetenv("FERNVAULT_BUNDLE_PATH");
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    TemporaryBundle(const TemporaryBundle&) = delete;
    TemporaryBundle& operator=(const TemporaryBundle&) = delete;

    const std::filesystem::path& path() const { return dir_; }

  private:
    static inline int count_ = 0;
    std::filesystem::path dir_;
    std::optional<std::string> previous_;
};

}  // namespace fv::test
