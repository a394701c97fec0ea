#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <string>
#include <string_view>

namespace halvane {

// An output file written beside its target under a temporary name and
// renamed into place only when complete: until commit() the target keeps its
// former content, and a file dropped without commit() leaves nothing behind.
// A target that is a link is followed, so the link stays and its file is
// replaced. The new file keeps the mode of the one it replaces (0666 less
// the umask for a new one).
class ReplacingFile {
public:
    // How the bytes are written and the file closed; ::write and ::close in a run.
    using WriteFunction = ssize_t (*)(int fd, const void* bytes, size_t count);
    using CloseFunction = int (*)(int fd);

    // Creates the temporary file. An empty name, a target that exists and is
    // not a regular file, or a folder where no file can be made throws
    // InputError naming `path` and the cause.
    explicit ReplacingFile(std::string path, WriteFunction write = ::write, CloseFunction close = ::close);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Appends `bytes`; a failed write (a full disk) throws InputError naming
    // the file and the cause, e.g. "No space left on device".
    void put(std::string_view bytes);

    // Closes the file and renames it onto the target; failures throw as put
    // does (a close can fail on a network or full file system) and keep the
    // former target.
    void commit();

private:
    [[noreturn]] void fail(const char* what, int error);

    std::string path_;    // as given, for reports
    std::string target_;  // where the file lands
    std::string temp_;
    int fd_ = -1;
    WriteFunction write_;
    CloseFunction close_;
};

}  // namespace halvane
