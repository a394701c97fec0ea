#pragma once

#include "input_files.h"

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace halvane {

// Where a value of free-format input goes: an integer or a single-precision real.
struct Field {
    static Field of(int& target) { return Field{&target, nullptr}; }
    static Field of(float& target) { return Field{nullptr, &target}; }
    int* integer;
    float* real;
};

// The next value of a line: values are parted by blanks, tabs or commas
// (several in a row count as one). Returns an empty view at the end of the
// line; `pos` moves past the value.
[[nodiscard]] std::string_view next_value(std::string_view line, std::size_t& pos);

// Stores `token` in `field`; a malformed or out-of-range number throws
// InputError with `where` (a file and line, or the terminal) in its report,
// quoting at most 64 characters of the token.
void store_value(std::string_view token, const Field& field, std::string_view where);

// A text file read free-format, as the mesh and level-surface files are.
// Every read starts on a new line; blank lines are passed over while values
// are sought; a read that needs more values than a line holds continues on
// the following lines; whatever follows the last value needed is ignored.
// LF, CR and CR LF all end a line.
//
// The file is read in chunks of 64 KiB as the reads need them, never whole,
// and no further than the last read needed: the rest of a line is passed
// only when the next read starts. A value longer than 4096 characters is an
// InputError.
class FreeFormatReader {
public:
    static constexpr std::size_t chunk_size = 64 * 1024;
    static constexpr std::size_t longest_value = 4096;

    // Opens `path` without blocking and refuses anything but a regular file
    // (a directory, FIFO, socket or device) with an InputError naming it; so
    // are a file that does not exist and one that cannot be opened.
    [[nodiscard]] static FreeFormatReader open(std::string_view path);

    // Reads `text` in memory, which must outlive the reader; `name` is used in reports.
    FreeFormatReader(std::string name, std::string_view text);

    FreeFormatReader(FreeFormatReader&& other) noexcept;
    FreeFormatReader& operator=(FreeFormatReader&&) = delete;
    ~FreeFormatReader();

    [[nodiscard]] const std::string& name() const { return name_; }
    // Device and inode of the open file; zero for text in memory.
    [[nodiscard]] FileIdentity identity() const { return identity_; }
    // The line last taken, counted from 1; 0 before the first read.
    [[nodiscard]] int line_number() const { return line_number_; }
    // "name", line n: the place of the line last taken, for reports
    // ("name" alone before the first line).
    [[nodiscard]] std::string where() const;

    // Takes the next line and discards it; false at the end of the file.
    bool skip_line();

    // Fills every field in order. False when the file ends before the last
    // field is filled (the fields already read keep their values). A malformed
    // number throws InputError naming the file and line.
    [[nodiscard]] bool read(std::span<const Field> fields);
    [[nodiscard]] bool read(std::initializer_list<Field> fields) {
        return read(std::span<const Field>(fields.begin(), fields.size()));
    }

    // Like read, but a malformed or out-of-range number ends it with false
    // instead of an error: true only for a complete, well-formed record.
    [[nodiscard]] bool read_if_well_formed(std::initializer_list<Field> fields);

    // One read of values.size() reals.
    [[nodiscard]] bool read_reals(std::span<float> values);

private:
    FreeFormatReader(std::string name, int fd, FileIdentity identity);

    template <typename Store>
    bool read_values(std::size_t count, Store store);
    bool start_line();
    void finish_line();
    std::string_view next_token();
    bool refill(std::size_t keep);

    std::string name_;
    int fd_ = -1;  // -1: the text is in memory
    FileIdentity identity_;
    std::unique_ptr<char[]> buffer_;
    const char* cur_ = nullptr;
    const char* end_ = nullptr;
    bool at_end_ = false;   // the file has no more bytes to give
    bool in_line_ = false;  // a line is taken and its end not yet passed
    bool skip_lf_ = false;  // the last line ended with CR: an LF next belongs to it
    int line_number_ = 0;
};

}  // namespace halvane
