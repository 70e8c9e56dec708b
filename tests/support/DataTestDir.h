#pragma once
// A fresh temporary folder per test, removed afterwards, so tests never write beside real files.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fv::testing {

class DataTestDir {
  public:
    DataTestDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "fv-data-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~DataTestDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    DataTestDir(const DataTestDir&) = delete;
    DataTestDir& operator=(const DataTestDir&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    std::string write(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path file = *this / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }

    static std::string read(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

  private:
    std::string path_;
};

}  // namespace fv::testing
