#include "platform/foundation/FileContents.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace fv {

namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

std::optional<std::vector<std::uint8_t>> readFileContents(const std::string& path, std::size_t maxSize) {
    // Non-blocking, so that opening a FIFO with no writer returns at once; the type check below
    // then refuses it, along with devices, sockets and folders (which would read as empty).
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    std::uint8_t buf[65536];
    // Read in chunks rather than trusting the reported size: the file may grow while it is read.
    for (;;) {
        const ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) return bytes;
        if (bytes.size() + static_cast<std::size_t>(n) > maxSize) return std::nullopt;
        bytes.insert(bytes.end(), buf, buf + n);
    }
}

bool isRegularFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::string> resolveSymbolicLinks(const std::string& path) {
    namespace fs = std::filesystem;
    // The same bound the kernel puts on a chain of links.
    constexpr int kMaxLinks = 40;
    fs::path current = path;
    for (int hop = 0; hop <= kMaxLinks; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec))) return current.string();
        const fs::path target = fs::read_symlink(current, ec);
        if (ec) return std::nullopt;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return std::nullopt;
}

bool createPrivateDirectories(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path partial;
    for (const fs::path& part : fs::path(path)) {
        partial /= part;
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    std::error_code ec;
    return fs::is_directory(path, ec);
}

}  // namespace fv
