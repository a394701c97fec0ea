#pragma once

#include <sys/types.h>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "readers/text_items.h"

// A text file read in chunks, line by line, never whole. CR, LF and CR LF all
// end a line; a last line without its end is a line. The text ends at its
// first Ctrl-Z (0x1A): Ctrl-Z bytes alone at the end of a file are the DOS
// end-of-file mark, but one followed by other bytes is a failure, met once
// the lines before it have been read. What is not a regular file (directory, FIFO, socket,
// device) is refused before any read: the file is opened with O_NONBLOCK and
// checked with fstat. A line longer than kMaxLine (1 MiB) is a failure, so
// memory stays bounded whatever the file holds.
class TextSource {
public:
    static constexpr std::size_t kMaxLine = 1 << 20;

    TextSource() = default;
    ~TextSource();
    TextSource(const TextSource&) = delete;
    TextSource& operator=(const TextSource&) = delete;

    // False with the reason in `why`: "cannot be opened: No such file or
    // directory", "is not a regular file (a FIFO)" and the like. Opening again
    // closes the file open before.
    [[nodiscard]] bool open(const std::string& path, std::string& why);
    // The next line, valid until the next call; false at the end of the text
    // or on a failure (then failed() is true and why() says what happened).
    [[nodiscard]] bool next_line(std::string_view& line);
    int line_number() const { return line_number_; }          // 1-based, of the line last returned
    std::uint64_t bytes_read() const { return bytes_read_; }  // from the file since it was opened
    bool failed() const { return failed_; }
    const std::string& why() const { return why_; }

    // Device and inode of the open file, so an output can be refused when it
    // is an input.
    dev_t device() const { return device_; }
    ino_t inode() const { return inode_; }

private:
    void close();
    // Reads the next chunk after the unread bytes; false at the end or on a failure.
    bool fill();
    bool fail(std::string why);
    // The first `c` at or after `from`, end_ if none; `at` is its cache (no
    // `c` lies between `from` and it).
    std::size_t find(char c, std::size_t& at, std::size_t from);
    // Whether a byte other than Ctrl-Z follows in `rest` or in the file after it.
    bool more_than_marks(const char* rest, std::size_t n);

    int fd_ = -1;
    std::vector<char> buffer_;
    std::size_t begin_ = 0, end_ = 0;  // unread bytes
    // Where the last searches for LF and CR ended: at the next one, or at the
    // end of the bytes read. Each is searched for once per occurrence, not
    // once per line, whatever ends the lines.
    std::size_t lf_ = 0, cr_ = 0;
    bool at_end_ = false;           // no more bytes to read (end of file or Ctrl-Z)
    bool data_after_mark_ = false;  // a Ctrl-Z with more than Ctrl-Z bytes after it
    bool line_open_ = false;        // the last line returned had no line end
    int line_number_ = 0;
    std::uint64_t bytes_read_ = 0;
    bool failed_ = false;
    std::string why_;
    dev_t device_ = 0;
    ino_t inode_ = 0;
};

// What `mode` (an st_mode) is, for "is not a regular file (a FIFO)": "a
// folder", "a FIFO", "a socket", "a device" or "not a plain file".
[[nodiscard]] const char* file_kind(unsigned mode);
