#pragma once
// A framework bundle like the real one but with one property list of its own (or without it), in
// force while alive.
#include <filesystem>
#include <optional>
#include <string>

#include "platform/foundation/Value.h"

namespace fv::test {

class BundleWithFile {
  public:
    // `contents` none: the bundle lacks `fileName` altogether.
    BundleWithFile(const std::string& fileName, const std::optional<Value>& contents);
    ~BundleWithFile();
    BundleWithFile(const BundleWithFile&) = delete;
    BundleWithFile& operator=(const BundleWithFile&) = delete;

  private:
    std::filesystem::path dir_;
    std::optional<std::string> saved_;
};

}  // namespace fv::test
