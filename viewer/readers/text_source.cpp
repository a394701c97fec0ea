#include "readers/text_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr std::size_t kChunk = 1 << 16;

std::string error_text(int code) { return code ? std::strerror(code) : "unknown error"; }

}  // namespace

const char* file_kind(unsigned mode) {
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISSOCK(mode)) return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    return "not a plain file";
}

TextSource::~TextSource() { close(); }

void TextSource::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

bool TextSource::fail(std::string why) {
    failed_ = true;
    why_ = std::move(why);
    close();
    return false;
}

bool TextSource::open(const std::string& path, std::string& why) {
    close();
    begin_ = end_ = lf_ = cr_ = 0;
    at_end_ = data_after_mark_ = line_open_ = false;
    line_number_ = 0;
    bytes_read_ = 0;
    failed_ = false;
    why_.clear();
    // O_NONBLOCK: opening a FIFO with no writer must not hang before fstat can refuse it.
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd_ < 0) {
        const int code = errno;
        struct stat st {};
        // A socket cannot be opened at all (ENXIO); say what it is rather than why open failed.
        if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
            why = std::string("is not a regular file (") + file_kind(st.st_mode) + ")";
        else
            why = "cannot be opened: " + error_text(code);
        fail(why);
        return false;
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        why = "cannot be opened: " + error_text(errno);
        fail(why);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        why = std::string("is not a regular file (") + file_kind(st.st_mode) + ")";
        fail(why);
        return false;
    }
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    device_ = st.st_dev;
    inode_ = st.st_ino;
    if (buffer_.size() < kChunk) buffer_.resize(kChunk);
    return true;
}

bool TextSource::fill() {
    if (at_end_ || fd_ < 0) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        lf_ = lf_ > begin_ ? lf_ - begin_ : 0;
        cr_ = cr_ > begin_ ? cr_ - begin_ : 0;
        begin_ = 0;
    }
    // Grown only when less than half a chunk is free, so a short file costs one chunk.
    if (buffer_.size() - end_ < kChunk / 2) buffer_.resize(end_ + kChunk);
    ssize_t n;
    do {
        n = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
    } while (n < 0 && errno == EINTR);
    if (n < 0) return fail("cannot be read: " + error_text(errno));
    bytes_read_ += static_cast<std::uint64_t>(n > 0 ? n : 0);
    if (n == 0) {
        at_end_ = true;
        close();
        return false;
    }
    const char* chunk = buffer_.data() + end_;
    const void* ctrl_z = std::memchr(chunk, '\x1a', static_cast<std::size_t>(n));
    if (ctrl_z) {
        const auto text = static_cast<std::size_t>(static_cast<const char*>(ctrl_z) - chunk);
        data_after_mark_ = more_than_marks(chunk + text, static_cast<std::size_t>(n) - text);
        if (failed_) return false;
        end_ += text;
        at_end_ = true;
        close();
    } else {
        end_ += static_cast<std::size_t>(n);
    }
    return true;
}

bool TextSource::more_than_marks(const char* rest, std::size_t n) {
    char tail[4096];
    for (;;) {
        for (std::size_t k = 0; k < n; ++k)
            if (rest[k] != '\x1a') return true;
        ssize_t got;
        do {
            got = ::read(fd_, tail, sizeof tail);
        } while (got < 0 && errno == EINTR);
        if (got < 0) return fail("cannot be read: " + error_text(errno));
        if (got == 0) return false;
        rest = tail;
        n = static_cast<std::size_t>(got);
    }
}

std::size_t TextSource::find(char c, std::size_t& at, std::size_t from) {
    if (at < from) at = from;
    if (at < end_ && buffer_[at] == c) return at;
    const void* hit = std::memchr(buffer_.data() + at, c, end_ - at);
    at = hit ? std::size_t(static_cast<const char*>(hit) - buffer_.data()) : end_;
    return at;
}

bool TextSource::next_line(std::string_view& line) {
    if (failed_) return false;
    std::size_t scanned = begin_;  // bytes before this hold no line end
    for (;;) {
        const char* data = buffer_.data();
        const std::size_t i = std::min(find('\n', lf_, scanned), find('\r', cr_, scanned));
        if (i < end_) {
            if (data[i] == '\r' && i + 1 == end_ && !at_end_) {
                // Whether an LF follows is in the next chunk.
                const std::size_t offset = i - begin_;
                if (!fill() && failed_) return false;
                scanned = begin_ + offset;
                continue;
            }
            if (i - begin_ > kMaxLine) break;
            line = std::string_view(buffer_.data() + begin_, i - begin_);
            line_open_ = false;
            begin_ = i + 1;
            if (buffer_[i] == '\r' && begin_ < end_ && buffer_[begin_] == '\n') ++begin_;
            ++line_number_;
            return true;
        }
        if (end_ - begin_ > kMaxLine) break;
        if (at_end_ || fd_ < 0) {
            if (begin_ == end_) {
                if (!data_after_mark_) return false;
                return fail("line " + std::to_string(line_number_ + (line_open_ ? 0 : 1)) +
                            ": a Ctrl-Z (0x1A, the DOS end-of-file mark) is followed by more data");
            }
            line = std::string_view(buffer_.data() + begin_, end_ - begin_);
            line_open_ = true;
            begin_ = end_;
            ++line_number_;
            return true;
        }
        const std::size_t offset = i - begin_;
        if (!fill() && failed_) return false;
        scanned = begin_ + offset;
    }
    return fail("line " + std::to_string(line_number_ + 1) + " is longer than " + std::to_string(kMaxLine) +
                " characters");
}
