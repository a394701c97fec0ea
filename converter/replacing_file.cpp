#include "replacing_file.h"

#include "quoted_item.h"
#include "run_errors.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace halvane {
namespace {

std::string quoted_name(std::string_view name) { return quoted(name, 4096); }

}  // namespace

ReplacingFile::ReplacingFile(std::string path, WriteFunction write, CloseFunction close)
    : path_(std::move(path)), write_(write), close_(close) {
    namespace fs = std::filesystem;
    if (path_.empty()) throw InputError("cannot open \"\" for writing: no file name given");
    mode_t mode = ::umask(0);
    ::umask(mode);
    mode = 0666 & ~mode;
    target_ = path_;
    struct stat st {};
    if (::stat(path_.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            throw InputError("cannot write " + quoted_name(path_) + ": it exists and is not a regular file");
        mode = st.st_mode & 07777;
        std::error_code ec;
        const fs::path real = fs::canonical(path_, ec);
        if (!ec) target_ = real.string();
    }
    const fs::path target(target_);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string temp_name = ".";
    temp_name += target.filename().string();
    temp_name += ".XXXXXX";
    temp_ = (folder / temp_name).string();
    fd_ = ::mkostemp(temp_.data(), O_CLOEXEC);
    if (fd_ < 0) {
        const int error = errno;
        throw InputError("cannot open " + quoted_name(path_) + " for writing: " + std::strerror(error));
    }
    ::fchmod(fd_, mode);
}

ReplacingFile::~ReplacingFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!temp_.empty()) ::unlink(temp_.c_str());
}

void ReplacingFile::fail(const char* what, int error) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    ::unlink(temp_.c_str());
    temp_.clear();
    throw InputError(quoted_name(path_) + ": " + what + ": " + std::strerror(error) +
                     "; no output written, a former file of that name is kept");
}

void ReplacingFile::put(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write_(fd_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            fail("writing failed", errno);
        }
        if (written == 0) fail("writing failed", ENOSPC);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void ReplacingFile::commit() {
    const int fd = fd_;
    fd_ = -1;
    if (close_(fd) != 0) fail("closing failed", errno);
    if (::rename(temp_.c_str(), target_.c_str()) != 0) fail("renaming into place failed", errno);
    temp_.clear();
}

}  // namespace halvane
